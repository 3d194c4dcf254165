// The frame panel of a program page, beside the program: Pause holds the program inside the next
// frame's Present and lists that frame's Direct3D 9 calls, recorded by the stand-in (the web
// host's frame_inspector.cpp asks window.framePanel which frames to record, hands over a picture
// after each clear and draw, then the record, and waits for the panel to let it go on). ?pause=N
// in the address holds frame N. Next frame records and holds the next one; Resume lets the
// program run on; Escape in the program's window while it is held lets it run on too, so that
// the program sees the key, and so does a click or tap on the window's close button, so that the
// program sees its window closed and ends at once. The page's status line hears of each hold and
// each going on ('programheld' with the frame's number, 'programresumed'). The calls are grouped: setup, the clears, one group per draw (the
// calls since the previous draw, and the draw), and what follows the last draw (Present). A
// chosen call shows the picture after the latest clear or draw up to it, with the box round the
// pixels that draw changed; the state in force then; the GLSL with the program's #defines
// marked; the uniforms; the GL calls it became; and links that open the source panel at the line
// that made it, and at the line that called the function holding it (a draw names its pass
// through that line). The list is a list box: the arrow keys, Home and End move through it.
(function () {
    'use strict';
    var settings = window.programSettings;
    var MAX_FRAME = 1000000;
    var study = document.querySelector('.study');
    var pauseAt = 0;
    var pauseNext = false;
    var release = null;
    var pictures = {};
    var record = null;
    var mapped = [];
    var chosen = -1;
    var sourceTexts = null;

    function element(tag, className, text) {
        var made = document.createElement(tag);
        if (className) made.className = className;
        if (text !== undefined) made.textContent = text;
        return made;
    }

    function button(id, text, onClick) {
        var made = element('button', '', text);
        made.id = id;
        made.type = 'button';
        made.addEventListener('click', onClick);
        return made;
    }

    var panel = element('section', 'frame');
    panel.id = 'frame';
    panel.setAttribute('aria-label', 'The frame\'s calls');
    var controls = element('div', 'controls');
    var pauseButton = button('frame-pause', 'Pause', function () {
        pauseNext = true;
        showStatus('Pausing on the next frame…');
    });
    var nextButton = button('frame-next', 'Next frame', function () {
        pauseNext = true;
        goOn('Recording the next frame…');
    });
    var resumeButton = button('frame-resume', 'Resume', function () {
        goOn('Running.');
    });
    var statusLine = element('p', 'frame-status');
    statusLine.setAttribute('role', 'status');
    controls.append(pauseButton, nextButton, resumeButton);
    var list = element('div', 'calls');
    list.id = 'frame-calls';
    list.setAttribute('role', 'listbox');
    list.setAttribute('aria-label', 'The held frame\'s calls');
    list.tabIndex = 0;
    var details = element('div', 'call-details');
    details.id = 'frame-call-details';
    details.setAttribute('aria-live', 'polite');
    panel.append(controls, statusLine, list, details);
    study.insertBefore(panel, document.getElementById('source'));

    function showStatus(text) {
        statusLine.textContent = text;
    }

    function showButtons() {
        pauseButton.disabled = release !== null;
        nextButton.disabled = release === null;
        resumeButton.disabled = release === null;
    }

    function goOn(text) {
        if (!release) return;
        var held = release;
        release = null;
        showButtons();
        showStatus(text);
        document.dispatchEvent(new CustomEvent('programresumed'));
        held();
    }

    var query = new URLSearchParams(location.search);
    if (query.has('pause')) {
        var asked = query.get('pause');
        var frame = /^[0-9]+$/.test(asked) ? Number(asked) : 0;
        if (frame >= 1 && frame <= MAX_FRAME) {
            pauseAt = frame;
            showStatus('Pausing at frame ' + frame + '…');
        } else {
            showStatus('?pause=' + asked + ' is refused: give a frame number from 1 to ' + MAX_FRAME +
                '. The program runs without pausing.');
        }
    }
    showButtons();

    // The page's own sources, fetched once, to tie the calls to their lines.
    function fetchSources() {
        if (!sourceTexts) {
            sourceTexts = Promise.all(settings.sources.map(function (path) {
                return fetch('source/' + path).then(function (response) {
                    return response.ok ? response.text() : '';
                }, function () {
                    return '';
                });
            })).then(function (texts) {
                var sources = {};
                settings.sources.forEach(function (path, i) {
                    sources[path] = texts[i];
                });
                return sources;
            });
        }
        return sourceTexts;
    }

    // Setup, the clears, a group per draw, and the rest.
    function groupsOf(calls) {
        var groups = [];
        var pending = [];
        var draws = 0;
        calls.forEach(function (call, index) {
            pending.push(index);
            if (call.call.indexOf('Clear(') === 0) {
                var last = groups[groups.length - 1];
                if (last && last.name === 'Clears') {
                    last.calls = last.calls.concat(pending);
                } else {
                    if (pending.length > 1) groups.push({name: 'Setup', calls: pending.slice(0, -1)});
                    groups.push({name: 'Clears', calls: [index]});
                }
                pending = [];
            } else if (call.call.indexOf('Draw') === 0) {
                draws += 1;
                groups.push({name: 'Draw ' + draws, calls: pending});
                pending = [];
            }
        });
        if (pending.length > 0) groups.push({name: groups.length === 0 ? 'Setup' : 'Present', calls: pending});
        return groups;
    }

    function showList() {
        list.textContent = '';
        groupsOf(record.calls).forEach(function (group, groupIndex) {
            var box = element('div', 'group');
            box.setAttribute('role', 'group');
            var heading = element('div', 'group-name', group.name);
            heading.id = 'frame-group-' + groupIndex;
            box.setAttribute('aria-labelledby', heading.id);
            box.appendChild(heading);
            group.calls.forEach(function (index) {
                var call = record.calls[index];
                var option = element('div', 'call', call.number + '  ' + call.call);
                option.id = 'frame-call-' + index;
                option.setAttribute('role', 'option');
                option.setAttribute('aria-selected', 'false');
                if (call.result !== 'D3D_OK') option.classList.add('failed');
                option.addEventListener('click', function () {
                    choose(index);
                });
                box.appendChild(option);
            });
            list.appendChild(box);
        });
    }

    // The latest call up to index with a picture, and the one with a picture before it.
    function picturesUpTo(index) {
        var found = [];
        for (var i = index; i >= 0 && found.length < 2; --i) {
            if (pictures[record.calls[i].number]) found.push(pictures[record.calls[i].number]);
        }
        return found;
    }

    // The box round the pixels that differ between two pictures, or null.
    function changedBox(after, before) {
        var box = null;
        for (var y = 0; y < after.height; ++y) {
            for (var x = 0; x < after.width; ++x) {
                var i = (y * after.width + x) * 4;
                if (after.data[i] === before.data[i] && after.data[i + 1] === before.data[i + 1] &&
                    after.data[i + 2] === before.data[i + 2]) continue;
                if (!box) box = {left: x, top: y, right: x, bottom: y};
                box.left = Math.min(box.left, x);
                box.right = Math.max(box.right, x);
                box.top = Math.min(box.top, y);
                box.bottom = Math.max(box.bottom, y);
            }
        }
        return box;
    }

    function pictureOf(index) {
        var found = picturesUpTo(index);
        if (found.length === 0) return element('p', '', 'No clear or draw yet in this frame.');
        var canvas = element('canvas', 'picture');
        canvas.width = found[0].width;
        canvas.height = found[0].height;
        canvas.setAttribute('role', 'img');
        var context = canvas.getContext('2d');
        context.putImageData(found[0], 0, 0);
        var box = found.length > 1 ? changedBox(found[0], found[1]) : null;
        var said = 'The back buffer after the latest clear or draw';
        if (box) {
            context.strokeStyle = '#ff00ff';
            context.lineWidth = 2;
            context.strokeRect(box.left - 1, box.top - 1, box.right - box.left + 3, box.bottom - box.top + 3);
            said += ', the pixels it changed boxed in magenta';
        }
        canvas.setAttribute('aria-label', said + '.');
        return canvas;
    }

    function sourceLink(where, text) {
        var link = element('a', 'source-link', text);
        link.href = '#source';
        link.addEventListener('click', function (event) {
            event.preventDefault();
            if (window.sourcePanel) window.sourcePanel.showLine(where.path, where.line);
        });
        return link;
    }

    function section(title, content) {
        var box = element('details');
        box.appendChild(element('summary', '', title));
        box.appendChild(content);
        return box;
    }

    // The state of the latest clear or draw up to index, or the frame's start.
    function stateTable(index) {
        var state = record.startState;
        for (var i = index; i >= 0; --i) {
            if (record.calls[i].drew) {
                state = record.calls[i].drew.state;
                break;
            }
        }
        var table = element('table', 'state');
        state.forEach(function (entry) {
            var row = element('tr', entry.default ? '' : 'changed');
            row.append(element('th', '', entry.name), element('td', '', entry.value),
                element('td', '', (entry.default ? '' : 'not the default; ') +
                    (entry.setBy ? 'set by call ' + entry.setBy : 'set before this frame')));
            table.appendChild(row);
        });
        return table;
    }

    // The GLSL with the lines of the program's #defines marked.
    function glsl(text, defines) {
        var marked = defines.split('\n').filter(Boolean);
        var code = element('pre', 'glsl');
        text.split('\n').forEach(function (line) {
            code.appendChild(marked.indexOf(line.trim()) >= 0 ? element('mark', '', line) : document.createTextNode(line));
            code.appendChild(document.createTextNode('\n'));
        });
        return code;
    }

    function glCalls(call) {
        var lines = element('ul', 'gl-calls');
        call.gl.forEach(function (gl) {
            var line = element('li', gl.made ? 'made' : 'skipped',
                (gl.part ? gl.part + ': ' : '') + gl.function + '(' + gl.arguments + ') — ' +
                (gl.made ? 'made' : 'skipped: the context already holds it'));
            lines.appendChild(line);
        });
        if (call.gl.length === 0) lines.appendChild(element('li', '', 'No GL calls.'));
        return lines;
    }

    function showDetails(index) {
        var call = record.calls[index];
        var where = mapped[index];
        details.textContent = '';
        details.appendChild(element('p', 'call-text', call.call));
        details.appendChild(element('p', '', call.result + (call.effect ? '; ' + call.effect : '')));
        var links = element('p', 'links');
        if (where && where.path) {
            links.append(where.library ? 'Made by ' + where.library + ' at ' : 'Made at ',
                sourceLink(where, where.path + ':' + where.line));
            if (where.via) {
                links.append(', called from ', sourceLink(where.via, where.via.path + ':' + where.via.line +
                    (where.via.pass ? ', pass ' + where.via.pass : '')));
            }
        } else {
            links.textContent = 'Its line in the sources is not known.';
        }
        details.appendChild(links);
        details.appendChild(pictureOf(index));
        details.appendChild(section('State in force', stateTable(index)));
        if (call.drew && call.drew.vertexShader) {
            var program = element('div');
            program.append(element('p', '', 'Vertex shader'), glsl(call.drew.vertexShader, call.drew.programDefines),
                element('p', '', 'Fragment shader'), glsl(call.drew.fragmentShader, call.drew.programDefines));
            details.appendChild(section('GLSL', program));
            var uniforms = element('ul');
            call.drew.uniforms.forEach(function (uniform) {
                uniforms.appendChild(element('li', '', uniform.name + ' = ' + uniform.values));
            });
            details.appendChild(section('Uniforms', uniforms));
        }
        var gl = section('GL calls (' + call.gl.filter(function (each) {
            return each.made;
        }).length + ' made, ' + call.gl.filter(function (each) {
            return !each.made;
        }).length + ' skipped)', glCalls(call));
        gl.open = true;
        details.appendChild(gl);
    }

    function choose(index) {
        if (!record || index < 0 || index >= record.calls.length) return;
        if (chosen >= 0) document.getElementById('frame-call-' + chosen).setAttribute('aria-selected', 'false');
        chosen = index;
        var option = document.getElementById('frame-call-' + index);
        option.setAttribute('aria-selected', 'true');
        list.setAttribute('aria-activedescendant', option.id);
        option.scrollIntoView({block: 'nearest'});
        showDetails(index);
    }

    list.addEventListener('keydown', function (event) {
        if (!record) return;
        var last = record.calls.length - 1;
        var moves = {ArrowDown: chosen + 1, ArrowUp: chosen - 1, Home: 0, End: last};
        if (!(event.key in moves)) return;
        event.preventDefault();
        choose(Math.max(0, Math.min(last, moves[event.key])));
    });

    // Escape in the program's window lets a held program run on, so that it sees the key.
    document.addEventListener('keydown', function (event) {
        if (event.key === 'Escape' && release && event.target.closest && event.target.closest('.window')) {
            goOn('Running.');
        }
    }, true);

    // The close button has asked for WM_CLOSE by the time the click reaches the document.
    document.addEventListener('click', function (event) {
        if (release && event.target.closest && event.target.closest('.window .close')) {
            goOn('Its window was closed: the program ends.');
        }
    });

    // An ended program has no frames to hold.
    new MutationObserver(function () {
        if (!document.body.classList.contains('ended')) return;
        pauseButton.disabled = true;
        pauseNext = false;
        pauseAt = 0;
        showStatus('The program has ended.');
    }).observe(document.body, {attributes: true, attributeFilter: ['class']});

    window.framePanel = {
        wanted: function (frame) {
            var wanted = pauseNext || frame === pauseAt;
            if (wanted) {
                pauseNext = false;
                pictures = {};
            }
            return wanted;
        },
        picture: function (call, rgb, width, height) {
            var image = new ImageData(width, height);
            for (var i = 0, j = 0; i < rgb.length; i += 3, j += 4) {
                image.data[j] = rgb[i];
                image.data[j + 1] = rgb[i + 1];
                image.data[j + 2] = rgb[i + 2];
                image.data[j + 3] = 255;
            }
            pictures[call] = image;
        },
        held: function (frame, json) {
            record = JSON.parse(json);
            chosen = -1;
            mapped = [];
            showList();
            showStatus('Paused at frame ' + frame + ': ' + record.calls.length + ' calls.');
            document.dispatchEvent(new CustomEvent('programheld', {detail: {frame: frame}}));
            var texts = record.calls.map(function (call) {
                return call.call;
            });
            var shown = record;
            fetchSources().then(function (sources) {
                if (record !== shown) return;
                mapped = callSources.map(sources, texts);
                if (chosen >= 0) showDetails(chosen);
            });
            choose(0);
            return new Promise(function (resolve) {
                release = resolve;
                showButtons();
            });
        },
    };
})();
