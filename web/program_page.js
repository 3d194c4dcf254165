// What every program page does around the program: fetches the program's files from beside the
// page into its folder in the virtual file system before it starts (and its WebAssembly, compiled
// as it arrives), and says when it has ended.
// A file of its own that fails (its script or its WebAssembly missing, broken or not arriving in
// time) is named on the status line: the program cannot start.
// The status line says in words what happens: running; no WebGL in this browser (the program's
// own box about its device stays as the program shows it); the drawing context taken away and
// waiting to be given back; the end with its exit code and, when it is not 0, what failed: the
// text of the program's message box, or else what it wrote to its standard error.
// A capture page passes its query (frame=N, bench=N, paced, size=WxH) to the capture tool as
// options and hands the result to the page's scripts as window.captureResult, with the picture:
// frame N (frame 1 by default), or a benchmark's last frame.
(function () {
    'use strict';
    var settings = window.programSettings;
    var statusLine = document.getElementById('status');
    var printed = [];
    var errors = [];
    var CAPTURE_FILE = '/capture.png';
    var FETCH_TIMEOUT_MS = 20000;
    var SCRIPT_URL = new URL(settings.program + '.js', location.href).href;
    var started = false;
    var noWebGL = false;
    var boxTexts = [];
    var NO_WEBGL_TEXT = 'This browser gives the page no WebGL, so the program cannot draw.';
    var CONTEXT_LOST_TEXT = 'The browser has taken the drawing context away; the drawing waits ' +
        'for the browser to give it back.';

    // A benchmark's picture is its last frame.
    function captureArguments() {
        var query = new URLSearchParams(location.search);
        var options = [];
        ['frame', 'bench', 'size'].forEach(function (name) {
            if (query.has(name)) options.push('--' + name, query.get(name));
        });
        if (query.has('paced')) options.push('--paced');
        options.push('--out', CAPTURE_FILE);
        return options;
    }

    // Fetches the file beside the page and resolves to what read makes of its answer; rejects when
    // it is not there or has not arrived within FETCH_TIMEOUT_MS.
    function fetchWithin(name, options, read) {
        var controller = new AbortController();
        var timer = setTimeout(function () {
            controller.abort(new Error('no answer within ' + FETCH_TIMEOUT_MS / 1000 + ' s'));
        }, FETCH_TIMEOUT_MS);
        return fetch(name, Object.assign({signal: controller.signal}, options))
            .then(function (response) {
                if (!response.ok) throw new Error('answered with HTTP ' + response.status);
                return read(response);
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
    var wasmModule = fetchWithin(WASM_NAME, {}, compiledOf);
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
            : 'Running. Click or tap its window to give it the keyboard focus; Escape ends the program.';
    }

    function say(text) {
        if (!Module.programEnded) statusLine.textContent = text;
    }

    // WebGL's context events reach the canvas alone; the page hears them on their way down.
    document.addEventListener('webglcontextcreationerror', function () {
        noWebGL = true;
        say(NO_WEBGL_TEXT);
    }, true);
    document.addEventListener('webglcontextlost', function () {
        say(CONTEXT_LOST_TEXT);
    }, true);
    document.addEventListener('webglcontextrestored', function () {
        say(runningText());
    }, true);

    // The program's message boxes, as the page host adds them, for what the end line says.
    new MutationObserver(function (changes) {
        changes.forEach(function (change) {
            change.addedNodes.forEach(function (node) {
                var text = node.querySelector && node.querySelector('.message-box .text');
                if (text) boxTexts.push(text.textContent);
            });
        });
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
        if (settings.capture) {
            window.captureResult = captureResult(code);
            said = printed.concat(said);
        }
        if (noWebGL) said = said.concat(NO_WEBGL_TEXT);
        statusLine.textContent = settings.program + ' ended with exit code ' + code + '.';
        if (said.length > 0) statusLine.textContent += ' ' + said.join(' ');
    }

    function failed(text) {
        Module.programEnded = true;
        document.body.classList.add('ended');
        window.programError = text;
        statusLine.textContent = settings.program + ' ' + text;
    }

    function aborted(reason) {
        failed('failed: ' + reason);
    }

    function cannotStart(file, reason) {
        failed('cannot start: ' + file + ': ' + reason + '.');
    }

    function instantiateWasm(imports, receiveInstance) {
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
    window.addEventListener('error', function (event) {
        if (started) return;
        if (event.target.src === SCRIPT_URL) {
            cannotStart(settings.program + '.js', 'could not be loaded');
        } else if (event.filename === SCRIPT_URL) {
            cannotStart(settings.program + '.js', 'not a working script (' + event.message + ')');
        }
    }, true);

    window.Module = {
        thisProgram: settings.folder + '/' + settings.program,
        arguments: settings.capture ? captureArguments() : [],
        preRun: [writeFiles],
        instantiateWasm: instantiateWasm,
        onRuntimeInitialized: function () {
            started = true;
            if (!noWebGL) say(runningText());
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
})();
