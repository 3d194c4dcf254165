// What every program page does around the program: fetches the program's files from beside the
// page into its folder in the virtual file system before it starts (and its WebAssembly, compiled
// as it arrives), and says when it has ended.
// A file of its own that fails (its script or its WebAssembly missing, broken, not answered within
// 20 s, or its download silent for 20 s) is named on the status line: the program cannot start.
// The status line says in words what happens: how much of the WebAssembly has arrived; running;
// waiting for its message box; held at a frame by a study page's frame panel; no WebGL in this
// browser (the program's own box about its device stays as the program shows it); the drawing
// context taken away and waiting to be given back;
// the end with its exit code and, when it is not 0, what failed: the text of the program's
// message box, or else what it wrote to its standard error. Opened from a file:// address, it
// says that the page needs a web server.
// A capture page passes its query (frame=N, bench=N, paced, size=WxH, and draws=N for the
// many-draws scene) to the capture tool as options and hands the result to the page's scripts as
// window.captureResult, with the picture: frame N (frame 1 by default), or a benchmark's last
// frame. A benchmark during which the tab was hidden (the browser slows a hidden tab) says on its
// line and the status line that its figures are not to be trusted.
(function () {
    'use strict';
    var settings = window.programSettings;
    var statusLine = document.getElementById('status');
    var printed = [];
    var errors = [];
    var CAPTURE_FILE = '/capture.png';
    var FETCH_TIMEOUT_MS = 20000;
    var NO_ANSWER_TEXT = 'no answer within ' + FETCH_TIMEOUT_MS / 1000 + ' s';
    var SCRIPT_NAME = settings.program + '.js';
    var SCRIPT_URL = new URL(SCRIPT_NAME, location.href).href;
    var started = false;
    var scriptArrived = false;
    var noWebGL = false;
    var boxTexts = [];
    var benchmark = settings.capture && new URLSearchParams(location.search).has('bench');
    var hiddenDuringRun = document.hidden;
    var HIDDEN_REASON = 'the tab was hidden during the run, and the browser slows a hidden tab';
    var WAITING_TEXT = 'The program waits for its message box: OK, Return or Escape closes it.';
    var NO_WEBGL_TEXT = 'This browser gives the page no WebGL, so the program cannot draw.';
    var CONTEXT_LOST_TEXT = 'The browser has taken the drawing context away; the drawing waits ' +
        'for the browser to give it back.';

    // A benchmark's picture is its last frame.
    function captureArguments() {
        var query = new URLSearchParams(location.search);
        var options = [];
        ['frame', 'bench', 'size', 'draws'].forEach(function (name) {
            if (query.has(name)) options.push('--' + name, query.get(name));
        });
        if (query.has('paced')) options.push('--paced');
        options.push('--out', CAPTURE_FILE);
        return options;
    }

    function kilobytes(bytes) {
        return Math.round(bytes / 1000) + ' kB';
    }

    // Fetches the file beside the page and resolves to what read makes of its answer, telling
    // progress(received, total) of each part that arrives (total 0 where the server does not say
    // it). A slow download goes on as long as bytes keep coming; it rejects, in its own words, when
    // the file is not there, when no answer has come within FETCH_TIMEOUT_MS, or when nothing more
    // has arrived for that long.
    function fetchWithin(name, options, read, progress) {
        var controller = new AbortController();
        var received = 0;
        var total = 0;
        var silence = null;
        var timer = null;
        function waitForMore(reason) {
            clearTimeout(timer);
            timer = setTimeout(function () {
                silence = new Error(reason());
                controller.abort();
            }, FETCH_TIMEOUT_MS);
        }
        function stalled() {
            return 'the download stopped at ' + kilobytes(received) + (total ? ' of ' + kilobytes(total) : '') +
                ': nothing arrived for ' + FETCH_TIMEOUT_MS / 1000 + ' s';
        }
        waitForMore(function () {
            return NO_ANSWER_TEXT;
        });
        return fetch(name, Object.assign({signal: controller.signal}, options))
            .then(function (response) {
                if (!response.ok) throw new Error('answered with HTTP ' + response.status);
                total = Number(response.headers.get('Content-Length')) || 0;
                waitForMore(stalled);
                var reader = response.body.getReader();
                var counted = new ReadableStream({
                    pull: function (stream) {
                        return reader.read().then(function (part) {
                            if (part.done) {
                                clearTimeout(timer);
                                stream.close();
                                return;
                            }
                            received += part.value.byteLength;
                            waitForMore(stalled);
                            if (progress) progress(received, total);
                            stream.enqueue(part.value);
                        });
                    },
                    cancel: function (reason) {
                        return reader.cancel(reason);
                    },
                });
                return read(new Response(counted, {headers: response.headers}));
            })
            .catch(function (error) {
                throw silence || error;
            })
            .finally(function () {
                clearTimeout(timer);
            });
    }

    function bytesOf(response) {
        return response.arrayBuffer();
    }

    // Compiles WebAssembly as it arrives where the server names its type, else once it is all in.
    function compiledOf(response) {
        if (response.headers.get('Content-Type') === 'application/wasm') {
            return WebAssembly.compileStreaming(response);
        }
        return response.arrayBuffer().then(function (bytes) {
            return WebAssembly.compile(bytes);
        });
    }

    // The program's WebAssembly and files are asked for at once, while its script is still on its
    // way, so that none of them waits for another. A file that fails is left out, as a file missing
    // beside the executable would be (null here).
    var WASM_NAME = settings.program + '.wasm';
    var onFile = location.protocol === 'file:';
    var wasmModule = onFile ? new Promise(function () {}) : fetchWithin(WASM_NAME, {}, compiledOf,
        function (received, total) {
            if (started) return;
            say('Loading… ' + WASM_NAME + ': ' + kilobytes(received) + (total ? ' of ' + kilobytes(total) : '') + '.');
        });
    wasmModule.catch(function () {});
    var fileBytes = settings.files.map(function (name) {
        return fetchWithin(name, {cache: 'no-store'}, bytesOf).catch(function (error) {
            console.warn(name + ': ' + error.message);
            return null;
        });
    });

    // The files go into the program's folder before it starts. A program without files may have
    // no file system at all.
    function writeFiles() {
        if (settings.files.length === 0) return;
        var FS = Module.FS;
        FS.mkdirTree(settings.folder);
        Module.addRunDependency('program-files');
        Promise.all(fileBytes).then(function (files) {
            files.forEach(function (bytes, index) {
                if (bytes) FS.writeFile(settings.folder + '/' + settings.files[index], new Uint8Array(bytes));
            });
            Module.removeRunDependency('program-files');
        });
    }

    function runningText() {
        return settings.capture
            ? 'Running…'
            : 'Running. Click or tap its window to give it the keyboard focus; Escape, or a click or ' +
                'tap on its \u2715, ends the program.';
    }

    function say(text) {
        if (!Module.programEnded) statusLine.textContent = text;
    }

    function heldText(frame) {
        return 'Paused at frame ' + frame + '. Resume in the Frame panel runs it on; Escape in its ' +
            'window, or a click or tap on its \u2715, ends the program.';
    }

    // What the line says while the program runs: the browser's state, its box, or the frame it is
    // held at.
    function runningNow() {
        var said = document.querySelector('.message-box') ? WAITING_TEXT
            : heldFrame ? heldText(heldFrame) : runningText();
        if (noWebGL) said = NO_WEBGL_TEXT + (said === WAITING_TEXT ? ' ' + WAITING_TEXT : '');
        if (benchmark && hiddenDuringRun) said += ' Its figures are not to be trusted: ' + HIDDEN_REASON + '.';
        return said;
    }

    // A study page's frame panel holds the program inside a frame's Present ('programheld', with
    // the frame's number) and lets it go on ('programresumed').
    var heldFrame = 0;
    document.addEventListener('programheld', function (event) {
        heldFrame = event.detail.frame;
        say(runningNow());
    });
    document.addEventListener('programresumed', function () {
        heldFrame = 0;
        say(runningNow());
    });

    document.addEventListener('visibilitychange', function () {
        if (!document.hidden || !benchmark || window.programExitCode !== undefined) return;
        hiddenDuringRun = true;
        if (started) say(runningNow());
    });

    // WebGL's context events reach the canvas alone; the page hears them on their way down.
    document.addEventListener('webglcontextcreationerror', function () {
        noWebGL = true;
        say(runningNow());
    }, true);
    document.addEventListener('webglcontextlost', function () {
        say(CONTEXT_LOST_TEXT);
    }, true);
    document.addEventListener('webglcontextrestored', function () {
        say(runningNow());
    }, true);

    // The program's message boxes, as the page host adds and removes them: the line says the
    // program waits while one is up, and the end line says what it said.
    new MutationObserver(function (changes) {
        var boxes = false;
        changes.forEach(function (change) {
            change.addedNodes.forEach(function (node) {
                var text = node.querySelector && node.querySelector('.message-box .text');
                if (text) boxTexts.push(text.textContent);
                boxes = boxes || Boolean(text);
            });
            change.removedNodes.forEach(function (node) {
                boxes = boxes || Boolean(node.querySelector && node.querySelector('.message-box'));
            });
        });
        if (boxes) say(runningNow());
    }).observe(document.body, {childList: true});

    function captureResult(code) {
        var result = {exitCode: code, output: printed.join('\n'), errors: errors.join('\n'), png: null};
        try {
            result.png = Module.FS.readFile(CAPTURE_FILE);
        } catch (missing) {
            result.png = null;
        }
        return result;
    }

    function ended(code) {
        Module.programEnded = true;
        document.body.classList.add('ended');
        window.programExitCode = code;
        // Its message box, or else what it printed, says why it failed; a capture tool's output
        // is its result.
        var said = code === 0 ? [] : boxTexts.length > 0 ? boxTexts : errors;
        if (benchmark && hiddenDuringRun && printed.length > 0) {
            printed[printed.length - 1] += ' (not to be trusted: ' + HIDDEN_REASON + ')';
        }
        if (settings.capture) {
            window.captureResult = captureResult(code);
            said = printed.concat(said);
        }
        if (noWebGL) said = said.concat(NO_WEBGL_TEXT);
        statusLine.textContent = settings.program + ' ended with exit code ' + code + '.';
        if (said.length > 0) statusLine.textContent += ' ' + said.join(' ');
    }

    // The first failure is the one that says why the program cannot start.
    function failed(text) {
        if (window.programError) return;
        Module.programEnded = true;
        document.body.classList.add('ended');
        window.programError = text;
        statusLine.textContent = settings.program + ' ' + text;
    }

    function aborted(reason) {
        failed('failed: ' + reason);
    }

    function cannotStart(file, reason) {
        failed('cannot start: ' + file + ': ' + reason.replace(/\.$/, '') + '.');
    }

    // A program whose page has already said that it cannot start stays unstarted, though its
    // script may still arrive.
    function instantiateWasm(imports, receiveInstance) {
        if (window.programError) return {};
        wasmModule
            .then(function (module) {
                return WebAssembly.instantiate(module, imports).then(function (instance) {
                    return {instance: instance, module: module};
                });
            })
            .then(function (result) {
                receiveInstance(result.instance, result.module);
            }, function (error) {
                cannotStart(WASM_NAME, error.message);
            });
        return {};
    }

    // The program's script: an answer that is no script (missing, cut off, a page of HTML) fails
    // to load or to compile, and nothing of the program runs.
    // One that has not arrived within FETCH_TIMEOUT_MS is named as a fetched file would be.
    window.addEventListener('error', function (event) {
        if (started) return;
        if (event.target.src === SCRIPT_URL) {
            cannotStart(SCRIPT_NAME, 'could not be loaded');
        } else if (event.filename === SCRIPT_URL) {
            cannotStart(SCRIPT_NAME, 'not a working script (' + event.message + ')');
        }
    }, true);
    document.addEventListener('load', function (event) {
        if (event.target.src === SCRIPT_URL) scriptArrived = true;
    }, true);
    setTimeout(function () {
        if (!scriptArrived) cannotStart(SCRIPT_NAME, NO_ANSWER_TEXT);
    }, FETCH_TIMEOUT_MS);

    window.Module = {
        thisProgram: settings.folder + '/' + settings.program,
        arguments: settings.capture ? captureArguments() : [],
        preRun: [writeFiles],
        instantiateWasm: instantiateWasm,
        onRuntimeInitialized: function () {
            started = true;
            say(runningNow());
        },
        print: function (text) {
            printed.push(text);
            console.log(text);
        },
        printErr: function (text) {
            errors.push(text);
            console.error(text);
        },
        onExit: ended,
        onAbort: aborted,
    };

    if (onFile) {
        failed('cannot start: this page needs a web server, as browsers do not load WebAssembly from ' +
            'a file:// address (node tools/web/serve.mjs serves the build).');
    }
})();
