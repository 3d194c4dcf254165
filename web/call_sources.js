// Ties a recorded Direct3D 9 call to the line of the program's sources that made it, knowing
// nothing but the sources' text: a line that calls the method through a pointer
// (g_device->SetTransform(D3DTS_VIEW, ...)) made a recorded call of that method when every
// Direct3D name it passes (D3DTS_VIEW) is in the recorded call; of several such lines, the one
// passing the most of them. A call made inside a function that the sources call from one line
// also names that line (DrawCube() in the scene's loop); a draw counts its pass through it. A
// method the sources never call was called by a D3DX function on the program's behalf (texture
// loading asks for the device's caps and creates the texture): it is tied to the one line passing
// the device to a D3DX function, named as the call's library.
// Used by the page's frame panel; the tests run it in Node.
var callSources = (function () {
    'use strict';
    var CALL = /\w+->(\w+)\(/;
    var NAMES = /\bD3D[A-Z0-9_]+\b/g;
    var LIBRARY_CALL = /\b(D3DX\w+)\(\s*(\w+)\s*[,)]/;
    var DEFINITION = /^[A-Za-z][\w:<>*& ]*\b(\w+)\([^;]*\)\s*(const\s*)?\{\s*$/;

    // The method a recorded call text names: "SetTransform(D3DTS_VIEW, ...)" gives SetTransform.
    function methodOf(text) {
        return text.slice(0, text.indexOf('('));
    }

    // What a call passes, from just after its opening parenthesis to the one that closes it (or
    // the line's end, for a call that goes on to the next line).
    function argumentsOf(rest) {
        var depth = 1;
        for (var i = 0; i < rest.length; ++i) {
            if (rest[i] === '(') ++depth;
            if (rest[i] === ')' && --depth === 0) return rest.slice(0, i);
        }
        return rest;
    }

    // The function whose body holds line index (from 0): the nearest definition above it.
    function enclosingFunction(lines, index) {
        for (var i = index; i >= 0; --i) {
            var definition = DEFINITION.exec(lines[i]);
            if (definition) return definition[1];
            if (/^\}/.test(lines[i]) && i !== index) return null;
        }
        return null;
    }

    // sources: {path: text}. Indexes every device call line, every line passing a pointer to a
    // D3DX function, and every line calling a function.
    function index(sources) {
        var calls = [];
        var library = [];
        var files = {};
        Object.keys(sources).forEach(function (path) {
            var lines = sources[path].split('\n');
            files[path] = lines;
            lines.forEach(function (line, i) {
                var passing = LIBRARY_CALL.exec(line);
                if (passing) {
                    library.push({path: path, line: i + 1, library: passing[1], pointer: passing[2],
                        inFunction: enclosingFunction(lines, i)});
                }
                var call = CALL.exec(line);
                if (!call) return;
                var passed = argumentsOf(line.slice(call.index + call[0].length));
                calls.push({path: path, line: i + 1, method: call[1], names: passed.match(NAMES) || [],
                    inFunction: enclosingFunction(lines, i)});
            });
        });
        // Of the D3DX calls, those passed a pointer the sources call methods through: a device.
        var devices = calls.map(function (entry) {
            return CALL.exec(files[entry.path][entry.line - 1])[0].split('->')[0];
        });
        library = library.filter(function (entry) {
            return devices.indexOf(entry.pointer) >= 0;
        });
        return {calls: calls, library: library, files: files};
    }

    // The one line calling name() outside its own definition, or null.
    function onlyCaller(indexed, name) {
        var found = [];
        var pattern = new RegExp('\\b' + name + '\\(');
        Object.keys(indexed.files).forEach(function (path) {
            indexed.files[path].forEach(function (line, i) {
                // A call is indented in a body; a declaration or definition starts its line.
                if (pattern.test(line) && /^\s+[^\s/]/.test(line)) {
                    found.push({path: path, line: i + 1});
                }
            });
        });
        return found.length === 1 ? found[0] : null;
    }

    // The lines that may have made the recorded call text: those with the most of its names, or
    // for a method no line calls, the lines handing the device to D3DX.
    function candidates(indexed, text) {
        var method = methodOf(text);
        var best = [];
        var most = -1;
        var called = indexed.calls.some(function (entry) {
            return entry.method === method;
        });
        if (!called) return indexed.library;
        indexed.calls.forEach(function (entry) {
            if (entry.method !== method) return;
            var all = entry.names.every(function (name) {
                return new RegExp('\\b' + name + '\\b').test(text);
            });
            if (!all) return;
            if (entry.names.length > most) {
                most = entry.names.length;
                best = [];
            }
            if (entry.names.length === most) best.push(entry);
        });
        return best;
    }

    // For each recorded call text of a frame: {path, line, via, library} where via is the one line
    // calling the function that made it ({path, line, pass} for a draw), or null when no single
    // line matches (candidates then says how many did), and library names the D3DX function that
    // made the call, if one did.
    function map(sources, texts) {
        var indexed = index(sources);
        var passes = {};
        return texts.map(function (text) {
            var found = candidates(indexed, text);
            if (found.length !== 1) return {path: null, line: 0, candidates: found.length, via: null};
            var made = found[0];
            var via = made.inFunction ? onlyCaller(indexed, made.inFunction) : null;
            if (via && methodOf(text).indexOf('Draw') === 0) {
                var key = via.path + ':' + via.line;
                passes[key] = (passes[key] || 0) + 1;
                via.pass = passes[key];
            }
            return {path: made.path, line: made.line, candidates: 1, via: via, library: made.library};
        });
    }

    return {map: map};
})();
