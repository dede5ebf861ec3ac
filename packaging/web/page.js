"use strict";
// The page around Tandro: it loads the program with Qt's loader, showing how far it has come, and
// does for the program what Qt for WebAssembly does not: it sounds the beep, tells screen readers
// the result of each game (the program calls TandroPage.announce), and says when the program has
// ended, with a way to start it again.
window.TandroPage = (() => {
    const element = (id) => document.getElementById(id);
    let audio = null; // made on the user's first input, as browsers let sound start only then
    let tones = 0;
    let loader = null;

    // Browsers keep a page silent until the user has done something on it: the sound is made
    // ready on the first key or click, well before the first game's beep.
    function readySound() {
        if (!audio) {
            const Context = window.AudioContext || window.webkitAudioContext;
            if (Context)
                audio = new Context();
        }
        if (audio && audio.state === "suspended")
            audio.resume();
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
        ++tones;
    }

    // Screen readers speak what the live region comes to hold; a sentence equal to the last one
    // is spoken again, since the region is emptied first.
    function announce(sentence) {
        const region = element("result");
        region.textContent = "";
        if (sentence)
            setTimeout(() => { region.textContent = sentence; }, 50);
    }

    function ended() {
        element("screen").hidden = true;
        element("ended").hidden = false;
        element("again").focus();
    }

    function failed(text) {
        element("loading").hidden = true;
        element("screen").hidden = true;
        element("failed").textContent = document.title + " could not start: " + text;
        element("failed").hidden = false;
    }

    function start(program) {
        const screen = element("screen");
        const progress = element("progress");
        for (const input of ["pointerdown", "keydown", "touchstart"])
            window.addEventListener(input, readySound, { capture: true });
        element("again").addEventListener("click", () => location.reload());
        screen.hidden = true;
        loader = QtLoader({
            canvasElements: [screen],
            // The stages Qt's loader reports: "Downloading", "Compiling", or both at once.
            showLoader: (stage) => {
                const [first, ...others] = stage.split("/");
                progress.textContent = [first, ...others.map((s) => s.toLowerCase())]
                    .join(" and ") + " " + document.title + " …";
            },
            showCanvas: () => {
                element("loading").hidden = true;
                screen.hidden = false;
                screen.focus();
            },
            showError: failed,
            showExit: () => {
                if (loader.crashed)
                    failed(loader.exitText || "it stopped unexpectedly");
                else
                    ended();
            },
        });
        loader.loadEmscriptenModule(program);
    }

    return {
        start, beep, announce, ended,
        // Qt's loader, and how many beeps have sounded: for the page's own tests.
        get loader() { return loader; },
        get tones() { return tones; },
    };
})();
