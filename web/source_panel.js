// The program's sources beside it: a tab for each file its build compiled (copied under source/
// beside the page), and the chosen file's text with its line numbers. A file is fetched from the
// site when it is first shown; a page without sources (a capture page) keeps the panel hidden.
(function () {
    'use strict';
    var sources = window.programSettings.sources;
    var panel = document.getElementById('source');
    if (!panel || sources.length === 0) return;
    var tabs = panel.querySelector('.tabs');
    var lines = panel.querySelector('.lines');
    var code = panel.querySelector('.code');
    var texts = {};
    var chosen = null;

    function fetchText(path) {
        if (!texts[path]) {
            texts[path] = fetch('source/' + path).then(function (response) {
                if (!response.ok) throw new Error('answered with HTTP ' + response.status);
                return response.text();
            }).catch(function (error) {
                delete texts[path];
                throw error;
            });
        }
        return texts[path];
    }

    function numbers(text) {
        var count = text.split('\n').length - (text.endsWith('\n') ? 1 : 0);
        var made = [];
        for (var i = 1; i <= count; ++i) made.push(i);
        return made.join('\n');
    }

    function show(path) {
        chosen = path;
        Array.prototype.forEach.call(tabs.children, function (tab) {
            tab.setAttribute('aria-selected', tab.dataset.path === path ? 'true' : 'false');
        });
        fetchText(path).then(function (text) {
            if (chosen !== path) return;
            code.textContent = text;
            lines.textContent = numbers(text);
            code.dataset.path = path;
        }, function (error) {
            if (chosen !== path) return;
            code.textContent = path + ' could not be loaded: ' + error.message + '.';
            lines.textContent = '';
            code.dataset.path = '';
        });
    }

    sources.forEach(function (path) {
        var tab = document.createElement('button');
        tab.type = 'button';
        tab.setAttribute('role', 'tab');
        tab.dataset.path = path;
        tab.textContent = path;
        tab.addEventListener('click', function () {
            show(path);
        });
        tabs.appendChild(tab);
    });
    panel.hidden = false;
    show(sources[0]);
})();
