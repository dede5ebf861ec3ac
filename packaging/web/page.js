"use strict";
// The page around Tandro. It downloads the program, showing how much of it has come, and starts it
// with Qt's loader; and it does for the program what Qt for WebAssembly does not: it zooms a phone's
// page to the windows shown, sounds the beep, tells screen readers the result of each game, and
// says when the program has ended, with a way to start it again. Once the program has drawn its
// window, it has the site kept on the device (sw.js), and says when it is playing from what was
// kept, with no connection.
window.TandroPage = (() => {
    const element = (id) => document.getElementById(id);
    // Room left round the windows on a phone's or tablet's screen, in CSS pixels.
    const margin = 8;
    let config = null;
    let audio = null; // made on the user's first input, as browsers let sound start only then
    let windows = null; // the size of the largest window shown, as the program says
    let loading = false;
    let updated = false; // another build of the site has been kept since the page was opened

    // Browsers keep a page silent until the user has done something on it that counts as meant
    // (a key, a click, the end of a tap; not the start of one, nor what a script does): the sound
    // is made ready then, well before the first game's beep.
    function readySound(event) {
        if (!event.isTrusted || navigator.userActivation?.isActive === false)
            return;
        if (!audio) {
            const Context = window.AudioContext || window.webkitAudioContext;
            if (Context)
                audio = new Context();
        }
        if (audio && audio.state === "suspended")
            audio.resume().catch(() => {});
    }

    // A short tone, as a computer's beep.
    function beep() {
        if (!audio || audio.state !== "running")
            return;
        const now = audio.currentTime;
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        tone.type = "square";
        tone.frequency.value = 750;
        volume.gain.setValueAtTime(0.1, now);
        volume.gain.exponentialRampToValueAtTime(0.001, now + 0.2);
        tone.connect(volume).connect(audio.destination);
        tone.start(now);
        tone.stop(now + 0.2);
    }

    // Screen readers speak what the live region comes to hold; a sentence equal to the last one
    // is spoken again, since the region is emptied first.
    function announce(sentence) {
        const region = element("result");
        region.textContent = "";
        if (sentence)
            setTimeout(() => { region.textContent = sentence; }, 50);
    }

    // The windows shown need width x height CSS pixels. A browser that zooms its page (a phone's,
    // a tablet's) is asked to zoom it so that they are as large as its screen allows, with a small
    // margin; Qt draws them at the pixels that zoom gives, so that they stay sharp. A computer's
    // browser keeps its page at its own size.
    function fit(width, height) {
        windows = width > 0 && height > 0 ? { width, height } : null;
        zoom();
    }

    function zoom() {
        const viewport = window.visualViewport;
        const meta = element("viewport");
        if (!viewport || !meta)
            return;
        let content = "width=device-width, initial-scale=1";
        if (windows) {
            // The screen's size at the page's own scale, whatever zoom is asked now.
            const screenWidth = viewport.width * viewport.scale;
            const screenHeight = viewport.height * viewport.scale;
            // The line that says the page plays offline stands above the windows, and zooms
            // with them.
            const above = element("kept").offsetHeight;
            const scale = Math.min((screenWidth - 2 * margin) / windows.width,
                                   (screenHeight - 2 * margin) / (windows.height + above));
            if (scale > 0)
                content = `width=${Math.round(screenWidth / scale)}, user-scalable=no`;
        }
        if (meta.content !== content)
            meta.content = content;
    }

    function show(shown) {
        for (const id of ["loading", "screen", "failed", "ended"])
            element(id).hidden = id !== shown;
    }

    function ended() {
        fit(0, 0);
        show("ended");
        element("again").focus();
    }

    // Says why Tandro could not start; with a way to try again where trying again may help.
    function failed(sentence, canRetry) {
        fit(0, 0);
        element("failure").textContent = sentence;
        element("retry").hidden = !canRetry;
        show("failed");
        if (canRetry)
            element("retry").focus();
    }

    const megabytes = (bytes) => (bytes / 1e6).toFixed(1) + " MB";

    // How much of the program has come: done is its share of the whole, sent the bytes that the
    // server sends in all, compressed as it sends them.
    function progress(done, sent) {
        element("progress").value = done;
        element("progress-text").textContent =
            `Downloading ${document.title}: ${megabytes(done * sent)} of ${megabytes(sent)}`;
    }

    // A download that did not come whole.
    class Interrupted extends Error {}

    // Downloads the program and compiles it as it comes; the compiled module.
    async function download() {
        const name = config.program + ".wasm";
        let response;
        try {
            response = await fetch(name);
        } catch (error) {
            throw new Interrupted(error.message);
        }
        if (!response.ok)
            throw new Error(`its program, ${name}, could not be fetched (${response.status}` +
                            `${response.statusText ? " " + response.statusText : ""}).`);
        const encoding = response.headers.get("Content-Encoding");
        const sent = config.sent[encoding] || config.bytes;
        const reader = response.body.getReader();
        let received = 0;
        progress(0, sent);
        // The bytes as they come go on to the compiler, and are counted on the way.
        const counted = new ReadableStream({
            async pull(controller) {
                let chunk;
                try {
                    chunk = await reader.read();
                } catch (error) {
                    controller.error(new Interrupted(error.message));
                    return;
                }
                if (chunk.done) {
                    if (received === config.bytes)
                        controller.close();
                    else
                        controller.error(new Interrupted("it ended early"));
                    return;
                }
                received += chunk.value.length;
                progress(Math.min(received / config.bytes, 1), sent);
                controller.enqueue(chunk.value);
            },
        });
        try {
            return await WebAssembly.compileStreaming(
                new Response(counted, { headers: { "Content-Type": "application/wasm" } }));
        } catch (error) {
            throw received < config.bytes ? new Interrupted(error.message) : error;
        }
    }

    // Has the site kept on the device, so that later visits start from what was kept, with or
    // without a connection (sw.js): once the program's first window has been drawn, so that
    // keeping it (fetching the site's files again, checking and storing them) slows neither the
    // download nor the start. Qt shows each window as an element of its screen's shadow root,
    // and draws it in an animation frame: the page looks for one in each frame, and once there
    // is one, registers the worker after that frame's work, the drawing included. Where there is
    // nothing to keep the site in (a page opened from a file), it is simply not kept.
    function keepOnceDrawn() {
        if (!navigator.serviceWorker)
            return;
        const drawn = () => [...element("screen").firstElementChild?.shadowRoot
            ?.querySelectorAll(".qt-window") ?? []].some((qtWindow) => qtWindow.offsetParent);
        const look = () => {
            if (drawn())
                setTimeout(() => navigator.serviceWorker.register("sw.js").catch(() => {}));
            else if (!element("screen").hidden) // not if the program has stopped meanwhile
                requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    }

    // A page that came from what was kept asks the host for its page, as the browser asks for
    // nothing else now; should no answer come, it says that it is playing from what was kept.
    async function sayWhetherOffline() {
        if (!navigator.serviceWorker?.controller)
            return;
        try {
            await fetch("index.html", { method: "HEAD", cache: "no-store" });
        } catch {
            element("kept").hidden = false;
            zoom();
        }
    }

    async function load() {
        if (loading)
            return;
        // A program downloaded again goes with the page that was kept with it: once another build
        // has been kept, the whole page starts anew.
        if (updated) {
            location.reload();
            return;
        }
        loading = true;
        show("loading");
        element("progress").removeAttribute("value");
        element("progress-text").textContent = `Loading ${document.title} …`;
        try {
            if (typeof WebAssembly !== "object")
                throw new Error("it needs a browser that runs WebAssembly.");
            const module = await download();
            element("progress-text").textContent = `Starting ${document.title} …`;
            await qtLoad({
                qt: {
                    entryFunction: config.entry,
                    module: module,
                    containerElements: [element("screen")],
                    onLoaded: () => {
                        show("screen");
                        keepOnceDrawn();
                    },
                    onExit: (exit) => {
                        if (exit.crashed)
                            failed(`${document.title} stopped: ${exit.text}`, false);
                        else
                            ended();
                    },
                },
            });
        } catch (error) {
            if (error instanceof Interrupted)
                failed(`The download of ${document.title} was interrupted, so it cannot start. ` +
                       "Check the connection, and try again.", true);
            else if (element("failed").hidden)
                failed(`${document.title} could not start: ${error.message}`, false);
        } finally {
            loading = false;
        }
    }

    function start(settings) {
        config = settings;
        for (const input of ["keydown", "mousedown", "pointerup", "touchend", "click"])
            window.addEventListener(input, readySound, { capture: true });
        window.addEventListener("resize", zoom);
        element("again").addEventListener("click", () => location.reload());
        element("retry").addEventListener("click", load);
        const kept = navigator.serviceWorker?.controller;
        navigator.serviceWorker?.addEventListener("controllerchange", () => {
            updated = Boolean(kept);
        });
        sayWhetherOffline();
        load();
    }

    return { start, fit, beep, announce, ended };
})();
