// The program's sources beside it: a tab for each file its build compiled (copied under source/
// beside the page), and the chosen file's text with its line numbers. A file is fetched from the
// site when it is first shown; until it has arrived the panel says it is loading, and one that
// has not arrived within 20 s, or fails, is named with the reason (a later choice of its tab asks
// again). The tabs are a tab list: the arrow keys, Home and End move between them. A page without
// sources (a capture page) keeps the panel hidden. window.sourcePanel.showLine(path, line) shows a
// file with one line marked and scrolled into view (the frame panel's links).
(function () {
    'use strict';
    var sources = window.programSettings.sources;
    var panel = document.getElementById('source');
    if (!panel || sources.length === 0) return;
    var FETCH_TIMEOUT_MS = 20000;
    var tabs = panel.querySelector('.tabs');
    var listing = panel.querySelector('.listing');
    var lines = panel.querySelector('.lines');
    var code = panel.querySelector('.code');
    var texts = {};
    var chosen = null;

    function fetchText(path) {
        if (!texts[path]) {
            var controller = new AbortController();
            var timer = setTimeout(function () {
                controller.abort();
            }, FETCH_TIMEOUT_MS);
            texts[path] = fetch('source/' + path, {signal: controller.signal}).then(function (response) {
                if (!response.ok) throw new Error('answered with HTTP ' + response.status);
                return response.text();
            }).catch(function (error) {
                delete texts[path];
                throw controller.signal.aborted
                    ? new Error('no answer within ' + FETCH_TIMEOUT_MS / 1000 + ' s') : error;
            }).finally(function () {
                clearTimeout(timer);
            });
        }
        return texts[path];
    }

    function numbers(text) {
        var count = text === '' ? 0 : text.split('\n').length - (text.endsWith('\n') ? 1 : 0);
        var made = [];
        for (var i = 1; i <= count; ++i) made.push(i);
        return made.join('\n');
    }

    // What the panel shows, and for which file (none while it loads or has failed).
    function showText(text, numbered, path) {
        code.textContent = text;
        lines.textContent = numbered;
        code.dataset.path = path;
    }

    function show(path) {
        chosen = path;
        Array.prototype.forEach.call(tabs.children, function (tab) {
            var selected = tab.dataset.path === path;
            tab.setAttribute('aria-selected', selected ? 'true' : 'false');
            tab.tabIndex = selected ? 0 : -1;
            if (selected) listing.setAttribute('aria-labelledby', tab.id);
        });
        showText('Loading ' + path + '…', '', '');
        return fetchText(path).then(function (text) {
            if (chosen === path) showText(text, numbers(text), path);
        }, function (error) {
            if (chosen === path) showText(path + ' could not be loaded: ' + error.message.replace(/\.$/, '') + '.', '', '');
        });
    }

    function showLine(path, line) {
        show(path).then(function () {
            if (chosen !== path || code.dataset.path !== path) return;
            var text = code.textContent.split('\n');
            var mark = document.createElement('mark');
            mark.textContent = text[line - 1];
            code.textContent = text.slice(0, line - 1).map(function (each) {
                return each + '\n';
            }).join('');
            code.append(mark, '\n' + text.slice(line).join('\n'));
            mark.scrollIntoView({block: 'center'});
        });
    }

    // The arrows step to the next or previous tab, round the ends; Home and End go to the ends.
    function keyTarget(key, index) {
        var count = tabs.children.length;
        var steps = {ArrowRight: index + 1, ArrowDown: index + 1, ArrowLeft: index - 1, ArrowUp: index - 1,
            Home: 0, End: count - 1};
        return key in steps ? tabs.children[(steps[key] + count) % count] : null;
    }

    sources.forEach(function (path, index) {
        var tab = document.createElement('button');
        tab.type = 'button';
        tab.id = 'source-tab-' + index;
        tab.setAttribute('role', 'tab');
        tab.setAttribute('aria-controls', listing.id);
        tab.dataset.path = path;
        tab.textContent = path;
        tab.addEventListener('click', function () {
            show(path);
        });
        tab.addEventListener('keydown', function (event) {
            var next = keyTarget(event.key, index);
            if (!next) return;
            event.preventDefault();
            next.focus();
            show(next.dataset.path);
        });
        tabs.appendChild(tab);
    });
    panel.hidden = false;
    show(sources[0]);
    window.sourcePanel = {showLine: showLine};
})();
