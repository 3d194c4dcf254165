// What every program page does around the program: fetches the program's files from beside the
// page into its folder in the virtual file system before it starts, and says when it has ended.
// A capture page passes its query (frame=N, bench=N, size=WxH) to the capture tool as options and
// hands the result to the page's scripts as window.captureResult. A non-zero exit is shown with
// what the program wrote to its standard error.
(function () {
    'use strict';
    var settings = window.programSettings;
    var statusLine = document.getElementById('status');
    var printed = [];
    var errors = [];
    var CAPTURE_FILE = '/capture.png';

    function captureArguments() {
        var query = new URLSearchParams(location.search);
        var options = [];
        ['frame', 'bench', 'size'].forEach(function (name) {
            if (query.has(name)) options.push('--' + name, query.get(name));
        });
        // As the desktop tool, a picture unless a benchmark is asked for: frame 1 by default.
        if (!query.has('bench')) options.push('--out', CAPTURE_FILE);
        return options;
    }

    // A missing or unreadable file is left out, as a file missing beside the executable would be.
    // A program without files may have no file system at all.
    function fetchFiles() {
        if (settings.files.length === 0) return;
        var FS = Module.FS;
        FS.mkdirTree(settings.folder);
        Module.addRunDependency('program-files');
        Promise.all(settings.files.map(function (name) {
            return fetch(name, {cache: 'no-store'})
                .then(function (response) {
                    return response.ok ? response.arrayBuffer() : null;
                })
                .then(function (bytes) {
                    if (bytes) FS.writeFile(settings.folder + '/' + name, new Uint8Array(bytes));
                })
                .catch(function () {});
        })).then(function () {
            Module.removeRunDependency('program-files');
        });
    }

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
        // What the program printed says why it failed; a capture tool's output is its result.
        var said = code !== 0 ? errors : [];
        if (settings.capture) {
            window.captureResult = captureResult(code);
            said = printed.concat(said);
        }
        statusLine.textContent = settings.program + ' ended with exit code ' + code + '.';
        if (said.length > 0) statusLine.textContent += ' ' + said.join(' ');
    }

    function aborted(reason) {
        Module.programEnded = true;
        document.body.classList.add('ended');
        window.programError = String(reason);
        statusLine.textContent = settings.program + ' failed: ' + reason;
    }

    window.Module = {
        thisProgram: settings.folder + '/' + settings.program,
        arguments: settings.capture ? captureArguments() : [],
        preRun: [fetchFiles],
        onRuntimeInitialized: function () {
            statusLine.textContent = settings.capture
                ? 'Running…'
                : 'Running. Click the page so that it has the keyboard focus; Escape ends the program.';
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
