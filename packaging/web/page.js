"use strict";
// The page around Tandro. It downloads the program, showing how much of it has come, and starts it
// with Qt's loader; and it does for the program what Qt for WebAssembly does not: it zooms a phone's
// page to the windows shown, sounds the beep, tells screen readers the result of each game, and
// says when the program has ended, with a way to start it again. Once the program has drawn its
// window, it has the site kept on the device (sw.js), and says when it is playing from what was
// kept, with no connection. Every file of the page is checked against its digest, which the page
// names: a page runs the files of one build, whole, or none.
window.TandroPage = (() => {
    const element = (id) => document.getElementById(id);
    // Qt shows each window as an element of its screen's shadow root, which it makes as it starts.
    const windowsRoot = () => element("screen").firstElementChild?.shadowRoot;
    const qtWindows = () => [...windowsRoot()?.querySelectorAll(".qt-window") ?? []];
    // A touch screen's browser takes the zoom that the page asks for, perhaps a little later.
    const touchScreen = () => navigator.maxTouchPoints > 0;
    // Room left round the windows on a phone's or tablet's screen, in CSS pixels.
    const margin = 8;
    let config = null;
    let audio = null; // made on the user's first input, as browsers let sound start only then
    let windows = null; // the size of the largest window shown, as the program says
    let loading = false;
    let updated = false; // another build of the site has been kept since the page was opened
    let pastTheCache = false; // the program is to be fetched from the host, not the browser's cache
    let anew = false; // trying again means starting the whole page anew
    let announcing = 0; // the timer that is to put a sentence into the live region
    let language = null; // the page's language, of languages.js; null for English
    let faces = []; // the faces that the page brought for its language, for the program
    let numbers = null; // megabytes to a tenth, as the page's language writes them, once needed
    const refused = new Set(); // the page's files that did not come whole, or not of its build

    // The page's files that come after this one (the scripts) and fail their digest or do not
    // come at all: the page then says so, as of a download broken off, and starts anew to try
    // again. The style sheet and start.js, which come before, are looked at when the page starts;
    // Qt's loader and the program's script, which come as the program downloads, once all have
    // come and run.
    window.addEventListener("error", (event) => {
        if (event.target instanceof HTMLScriptElement)
            refused.add(event.target.src);
    }, true);
    const parsed = new Promise((resolve) => {
        document.addEventListener("DOMContentLoaded", resolve, { once: true });
    });

    // The page's texts, in English, and what translates them: qsTranslate(context, text) is the
    // text in the page's language, which lupdate finds as it finds Qt's own calls.
    let catalogue = {};
    const qsTranslate = (context, text) => catalogue[context]?.[text] || text;
    // A text with its %1, %2, ... put in.
    const arg = (text, ...values) =>
        text.replace(/%([1-9])/g, (all, n) => (n <= values.length ? String(values[n - 1]) : all));

    // Every sentence that the page says, in the page's language: the program's name is put in
    // where a text has %1 (or where it says so).
    const texts = () => ({
        heading: qsTranslate("Page", "%1, a game for two names"),
        howToPlay: qsTranslate("Page", "Type your name and your partner's name and press Enter: " +
            "six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by " +
            "one until one is left, the relationship between the two names. The game's windows " +
            "are drawn as pictures; a screen reader reads them once its button \"%1\" in the " +
            "window is pressed, and the result of each game is read out here when it ends."),
        // Qt's own button, which it names in the page's language too (its patch of the page's
        // own, translatable-screen-reader-button).
        enableScreenReader: qsTranslate("QWasmAccessibility", "Enable Screen Reader"),
        loading: qsTranslate("Page", "Loading %1 …"),
        downloading: qsTranslate("Page", "Downloading %1: %2 of %3"),
        megabytes: qsTranslate("Page", "%1 MB"),
        starting: qsTranslate("Page", "Starting %1 …"),
        interrupted: qsTranslate("Page", "The download of %1 was interrupted, so it cannot " +
            "start. Check the connection, and try again."),
        tryAgain: qsTranslate("Page", "Try again"),
        couldNotStart: qsTranslate("Page", "%1 could not start: %2"),
        needsWebAssembly: qsTranslate("Page", "it needs a browser that runs WebAssembly."),
        notFetched: qsTranslate("Page", "its program, %1, could not be fetched (%2)."),
        stopped: qsTranslate("Page", "%1 stopped: %2"),
        ended: qsTranslate("Page", "%1 has ended."),
        startAgain: qsTranslate("Page", "Start it again"),
        kept: qsTranslate("Page", "No connection: %1 is playing from the copy kept on this " +
            "device."),
    });

    // The texts that the page stands with, from the table; those that it says as it goes are
    // taken from it then.
    function write() {
        const name = document.title;
        const said = texts();
        element("heading").textContent = arg(said.heading, name);
        element("how-to-play").textContent = arg(said.howToPlay, said.enableScreenReader);
        if (!loading)
            element("progress-text").textContent = arg(said.loading, name);
        element("retry").textContent = said.tryAgain;
        element("ended-text").textContent = arg(said.ended, name);
        element("again").textContent = said.startAgain;
        element("kept").textContent = arg(said.kept, name);
        numbers = null;
    }

    // Puts the page into one language: language.lang (a BCP 47 tag, for <html lang>), language.dir
    // ("ltr" or "rtl") and language.texts, each context's translations by their English, as
    // {Page: {"Try again": "..."}, QWasmAccessibility: {...}}; a text that it has no translation
    // of stays English.
    function speak(language) {
        catalogue = language.texts || {};
        document.documentElement.lang = language.lang;
        document.documentElement.dir = language.dir || "ltr";
        write();
    }

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
    // is spoken again, since the region is emptied first. Only the last sentence given is said:
    // one withdrawn at once (an empty one given after it) is not.
    function announce(sentence) {
        const region = element("result");
        clearTimeout(announcing);
        region.textContent = "";
        if (sentence)
            announcing = setTimeout(() => { region.textContent = sentence; }, 50);
    }

    // The windows shown need width x height CSS pixels. A browser that zooms its page (a phone's,
    // a tablet's) is asked to zoom it so that they are as large as its screen allows, with a small
    // margin; Qt draws them at the pixels that zoom gives, so that they stay sharp. The player may
    // zoom in further, as a browser lets its user zoom any page. A computer's browser keeps its
    // page at its own size.
    function fit(width, height) {
        windows = width > 0 && height > 0 ? { width, height } : null;
        arrived();
        if (!zoom() && holding) {
            holding = false;
            unveil();
        }
        watchArrivals();
    }

    // On a touch screen, a window that Qt shows while another stands there (About, a message) is
    // shown at the zoom that the other asked for, a frame or more before the program has placed
    // it and said what the two need: until then, or for 300 ms at most, it is kept out of sight
    // itself, the windows behind it staying in sight. Of Qt's windows, those with a title bar are
    // the ones that the program places; its menus and tool tips are not held.
    let arrivals = null; // watches the windows shown, once the first has been placed
    const arriving = new Map(); // the windows kept out of sight, with their timers
    function watchArrivals() {
        const root = windowsRoot();
        if (arrivals || !root || !touchScreen())
            return;
        const shown = (qtWindow) => qtWindow.style.display === "block";
        const up = new WeakSet(qtWindows().filter(shown));
        arrivals = new MutationObserver((changes) => {
            for (const { target } of changes) {
                if (!target.classList.contains("qt-window"))
                    continue;
                if (!shown(target)) {
                    up.delete(target);
                } else if (!up.has(target)) {
                    up.add(target);
                    if (target.classList.contains("has-title")) {
                        target.style.visibility = "hidden";
                        arriving.set(target, setTimeout(arrived, 300));
                    }
                }
            }
        });
        arrivals.observe(root, { subtree: true, attributeFilter: ["style"] });
    }

    function arrived() {
        for (const [qtWindow, timer] of arriving) {
            clearTimeout(timer);
            qtWindow.style.visibility = "";
        }
        arriving.clear();
    }

    // While the page takes a new zoom, the windows move to the middle of what the zoom leaves;
    // they are kept out of sight until they stand there, so that nothing on the screen shifts.
    // On a touch screen they are kept out of sight from the start (holding) until the program has
    // said what its first window needs, so that the window is not seen unzoomed first.
    let settling = 0;
    let holding = false;
    function hold() {
        holding = touchScreen();
        if (holding)
            element("screen").classList.add("settling");
    }

    function settle() {
        holding = false;
        element("screen").classList.add("settling");
        clearTimeout(settling);
        // Once the browser has laid the page out anew (Qt places its windows as it does), or,
        // should it not, a little later.
        window.addEventListener("resize", () => { clearTimeout(settling); unveil(); },
                                { once: true });
        settling = setTimeout(unveil, 300);
    }

    function unveil() {
        requestAnimationFrame(() => requestAnimationFrame(() => {
            element("screen").classList.remove("settling");
            // Qt gives the window it shows the keyboard's focus, which an element out of sight
            // does not take: the window in front takes it now, unless the player has put the
            // focus somewhere since.
            if (document.activeElement === document.body) {
                qtWindows().filter((qtWindow) => qtWindow.offsetParent).at(-1)
                    ?.querySelector("canvas")?.focus({ preventScroll: true });
            }
        }));
    }

    // Whether the page now takes a new zoom.
    function zoom() {
        const viewport = window.visualViewport;
        const meta = element("viewport");
        if (!viewport || !meta)
            return false;
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
                content = `width=${Math.round(screenWidth / scale)}`;
        }
        if (meta.content !== content) {
            // A browser that takes the zoom (a phone's, a tablet's) lays the page out anew at
            // once, or on a touch screen perhaps a little later; a computer's takes none, and the
            // windows stand where they are, to be seen at once.
            const width = document.documentElement.clientWidth;
            meta.content = content;
            if (document.documentElement.clientWidth !== width || touchScreen()) {
                settle();
                return true;
            }
        }
        return false;
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

    // How much of the program has come: done is its share of the whole, sent the bytes that the
    // server sends in all, compressed as it sends them; for each piece of the download as it
    // comes. The bar moves from the first; the sentence says the figures (where figures is true)
    // once the download has gone on for a moment: one that is done sooner leaves them no time to
    // be read, and the first number that a page writes in its language's way takes Chromium and
    // WebKit some 10 ms.
    function progress(done, sent, figures) {
        element("progress").value = done;
        if (!figures)
            return;
        if (!numbers) {
            numbers = new Intl.NumberFormat(document.documentElement.lang,
                                            { minimumFractionDigits: 1, maximumFractionDigits: 1 });
        }
        const said = texts();
        const megabytes = (bytes) => arg(said.megabytes, numbers.format(bytes / 1e6));
        const sentence = arg(said.downloading, document.title, megabytes(done * sent),
                             megabytes(sent));
        if (element("progress-text").textContent !== sentence)
            element("progress-text").textContent = sentence;
    }

    // The page's own timing marks, as figures of its start are read: "load:download" (the program
    // asked for), "load:downloaded", "load:compiled", "load:instantiated" (Qt's start begins),
    // "load:window-shown" (in the frame that shows the first window) and "load:window-drawn" (after
    // that frame's work, Qt's drawing of the window included); and a measure of each step between.
    const steps = ["download", "downloaded", "compiled", "instantiated", "window-shown",
                   "window-drawn"];
    function mark(step) {
        performance.mark("load:" + step);
        if (step === steps.at(-1)) {
            for (let i = 1; i < steps.length; ++i)
                performance.measure(`load: ${steps[i - 1]} to ${steps[i]}`, "load:" + steps[i - 1],
                                    "load:" + steps[i]);
        }
    }

    // A download that did not come whole, or not as this page's build has it (another).
    class Interrupted extends Error {
        constructor(message, another = false) {
            super(message);
            this.another = another;
        }
    }

    // The digest of bytes, as the page names its files' (Subresource Integrity's SHA-256).
    // (The page is written in the JavaScript that lupdate reads: promises, not async functions.)
    const digestOf = (bytes) => crypto.subtle.digest("SHA-256", bytes).then((digest) =>
        "sha256-" + btoa(String.fromCharCode(...new Uint8Array(digest))));

    // Downloads the program and compiles it as it comes, checking it against its digest as the
    // compiler finishes; the compiled module, once it is known to be this build's. The first time,
    // from the request that start.js made as the page began; once asked to, from the host again,
    // past the browser's cache, where a broken or another build's copy may stand. (Where the page
    // is not served securely, browsers give it no digests to check by, nor a place to keep the
    // site.)
    function download() {
        const name = config.program + ".wasm";
        let asked = config.asked; // the first time only: a retry has it no longer
        config.asked = null;
        if (!asked) {
            mark("download");
            asked = fetch(name, pastTheCache ? { cache: "reload" } : {});
        }
        return asked.catch((error) => {
            throw new Interrupted(error.message);
        }).then((response) => {
            if (!response.ok)
                throw new Error(arg(texts().notFetched, name, `${response.status}` +
                                    `${response.statusText ? " " + response.statusText : ""}`));
            return compile(response);
        });
    }

    // Fetches the faces that the windows draw the page's language in, each checked against its
    // digest (languages.js): [{name, bytes}], each by the name of the program's own copy that it
    // stands in for, or of a face for the language's script. None for English.
    function fetchFaces() {
        return Promise.all((language?.faces ?? []).map((face) => fetch(face.file, pastTheCache
            ? { integrity: face.integrity, cache: "reload" } : { integrity: face.integrity }
        ).catch((error) => {
            throw new Interrupted(error.message);
        }).then((response) => {
            if (!response.ok)
                throw new Error(arg(texts().notFetched, face.file, String(response.status)));
            return response.arrayBuffer();
        }).then((bytes) => ({ name: face.file.split("/").pop(), bytes: new Uint8Array(bytes) }))));
    }

    function compile(response) {
        const encoding = response.headers.get("Content-Encoding");
        const sent = config.sent[encoding] || config.bytes;
        const reader = response.body.getReader();
        // The bytes, to check once all have come (no more than the program's: more are not it).
        const checked = window.crypto?.subtle ? new Uint8Array(config.bytes) : null;
        let received = 0;
        let verdict = null; // once all has come: why it is not this build's program, or null
        let figures = false;
        const figuresSaid = setTimeout(() => {
            figures = true;
            progress(Math.min(received / config.bytes, 1), sent, figures);
        }, 500);
        progress(0, sent, figures);
        // The bytes as they come go on to the compiler, and are counted on the way.
        const counted = new ReadableStream({
            pull(controller) {
                return reader.read().then((chunk) => {
                    if (chunk.done) {
                        if (received !== config.bytes) {
                            controller.error(new Interrupted("it ended early"));
                            return;
                        }
                        mark("downloaded");
                        verdict = !checked ? Promise.resolve(null)
                            : digestOf(checked).then((digest) => (digest === config.integrity
                                ? null : new Interrupted("it is not this build's program", true)));
                        controller.close();
                        return;
                    }
                    if (checked && received + chunk.value.length <= config.bytes)
                        checked.set(chunk.value, received);
                    received += chunk.value.length;
                    progress(Math.min(received / config.bytes, 1), sent, figures);
                    controller.enqueue(chunk.value);
                }, (error) => controller.error(new Interrupted(error.message)));
            },
        });
        // Once all has come, the compiler and the digest finish together; an error of the
        // compiler's is the program's only where it is this build's.
        return WebAssembly.compileStreaming(
            new Response(counted, { headers: { "Content-Type": "application/wasm" } })
        ).finally(() => clearTimeout(figuresSaid)).then((module) => verdict.then((why) => {
            if (why)
                throw why;
            mark("compiled");
            return module;
        }), (error) => {
            if (!verdict)
                throw error instanceof Interrupted ? error : new Interrupted(error.message);
            return verdict.then((why) => {
                throw why || error;
            });
        });
    }

    // Has the site kept on the device, so that later visits start from what was kept, with or
    // without a connection (sw.js): once the program's first window has been drawn, so that keeping
    // it (fetching the site's files again, checking and storing them) slows neither the download
    // nor the start. Qt shows each window as an element of its screen's shadow root, and draws it
    // in an animation frame: the page looks for one in each frame, in sight (not while the page
    // takes a new zoom), and once there is one, registers the worker after that frame's work, the
    // drawing included. Where there is nothing to keep the site in (a page opened from a file), it
    // is simply not kept. Should a build not be kept, the worker says why, and the page's console
    // has it.
    function keepOnceDrawn() {
        const drawn = () => !element("screen").classList.contains("settling")
            && qtWindows().some((qtWindow) => qtWindow.offsetParent);
        const look = () => {
            if (drawn()) {
                mark("window-shown");
                setTimeout(() => {
                    mark("window-drawn");
                    navigator.serviceWorker?.register("sw.js").catch((error) => {
                        console.warn(`${document.title} is not kept on this device: ` +
                                     error.message);
                    });
                });
            } else if (!element("screen").hidden) // not if the program has stopped meanwhile
                requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    }

    // A page that came from what was kept asks the host for its page, as the browser asks for
    // nothing else now; should no answer come, it says that it is playing from what was kept.
    function sayWhetherOffline() {
        if (!navigator.serviceWorker?.controller)
            return;
        fetch("index.html", { method: "HEAD", cache: "no-store" }).catch(() => {
            element("kept").hidden = false;
            zoom();
        });
    }

    // Starts the whole page anew, each of its files fetched from the host past the browser's
    // cache first, so that the page that comes, of whichever build the host has now, comes whole.
    function startAnew() {
        const files = [location.href, ...[...document.querySelectorAll(
            "script[src], link[rel=stylesheet]")].map((file) => file.src || file.href)];
        Promise.allSettled(files.map((file) => fetch(file, { cache: "reload" })))
            .then(() => location.reload());
    }

    // Once Qt's loader and the program's script have come, which the page fetches as the program
    // downloads: whether they came whole, of this build, or the page is to start anew.
    function scriptsCame() {
        return parsed.then(() => {
            if (refused.size || typeof qtLoad !== "function"
                || typeof window[config.entry] !== "function") {
                anew = true;
                throw new Interrupted("the page's files did not all come whole");
            }
        });
    }

    function load() {
        if (loading)
            return;
        // A program downloaded again goes with the page that was kept with it: once another build
        // has been kept, the whole page starts anew.
        if (updated) {
            location.reload();
            return;
        }
        if (anew) {
            startAnew();
            return;
        }
        loading = true;
        show("loading");
        const said = texts();
        element("progress").removeAttribute("value");
        element("progress-text").textContent = arg(said.loading, document.title);
        const started = typeof WebAssembly !== "object"
            ? Promise.reject(new Error(said.needsWebAssembly))
            : Promise.all([download(), fetchFaces(), scriptsCame()]).then(([module, brought]) => {
                faces = brought;
                element("progress-text").textContent = arg(said.starting, document.title);
                return qtLoad({
                    qt: {
                        entryFunction: window[config.entry],
                        module: module,
                        containerElements: [element("screen")],
                        onLoaded: () => {
                            mark("instantiated");
                            show("screen");
                            hold();
                            keepOnceDrawn();
                        },
                        onExit: (exit) => {
                            if (exit.crashed)
                                failed(arg(said.stopped, document.title, exit.text), false);
                            else
                                ended();
                        },
                    },
                });
            });
        started.catch((error) => {
            if (error instanceof Interrupted) {
                // Tried again from the host; a copy not of this build even then is the host's
                // newer build, which the whole page is to start anew with.
                anew = anew || (pastTheCache && error.another);
                pastTheCache = true;
                failed(arg(said.interrupted, document.title), true);
            } else if (element("failed").hidden) {
                failed(arg(said.couldNotStart, document.title, error.message), false);
            }
        }).finally(() => {
            loading = false;
        });
    }

    function start(settings) {
        config = settings;
        // In the first of the browser's languages that Tandro speaks, as the program chooses it.
        language = self.TandroLanguages?.choose(navigator.languages) ?? null;
        if (language)
            speak(language);
        else
            write();
        for (const input of ["keydown", "mousedown", "pointerup", "touchend", "click"])
            window.addEventListener(input, readySound, { capture: true, passive: true });
        window.addEventListener("resize", zoom);
        element("again").addEventListener("click", () => location.reload());
        element("retry").addEventListener("click", load);
        const kept = navigator.serviceWorker?.controller;
        navigator.serviceWorker?.addEventListener("controllerchange", () => {
            updated = Boolean(kept);
        });
        navigator.serviceWorker?.addEventListener("message", (event) => {
            if (event.data?.tandroNotKept)
                console.warn(event.data.tandroNotKept);
        });
        navigator.serviceWorker?.startMessages();
        sayWhetherOffline();
        // The page's own files so far came whole, of its build, or it starts anew to try again.
        for (const sheet of document.querySelectorAll("link[rel=stylesheet]")) {
            if (!sheet.sheet)
                refused.add(sheet.href);
        }
        if (refused.size || !self.TandroLanguages || !config) {
            anew = true;
            failed(arg(texts().interrupted, document.title), true);
            return;
        }
        load();
    }

    return {
        start, speak, fit, beep, announce, ended,
        get faces() {
            return faces;
        },
    };
})();

// The page starts once it has its texts and this script: its program is on its way already, and
// Qt's loader and the program's script come meanwhile.
TandroPage.start(self.TandroProgram);
