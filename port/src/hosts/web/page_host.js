// The page's side of the web host: the windows' elements, the keys, the message box. Windows go
// into the element with id "desktop" (the body when there is none); the page's stylesheet styles
// the classes used here. Keys reach the program only while one of its windows (the canvas, or
// anything in its frame) has the focus, as a Windows program gets keys only while it is active;
// the rest of the page keeps its own. Once the program has ended (the page sets
// Module.programEnded) no key reaches it any more. A window's canvas is named after its title; a
// message box keeps the focus inside itself while it is up.
mergeInto(LibraryManager.library, {
    // The library's objects are written into the program's script as literals, so the set of keys
    // is made when the script runs.
    $portWeb__postset: 'portWeb.keysDown = new Set(); portWeb.listenToKeys();',
    $portWeb: {
        windows: [],
        closeRequests: [],
        keysDown: null,
        messageBoxOpen: false,
        listenToKeys: function () {
            if (typeof window === 'undefined') return;
            window.addEventListener('keydown', function (event) {
                var inWindow = portWeb.windows.some(function (frame) {
                    return frame.contains(event.target);
                });
                if (Module.programEnded || portWeb.messageBoxOpen || !inWindow) return;
                portWeb.keysDown.add(event.keyCode);
                // The arrows and space would otherwise scroll the page under the program.
                if (event.keyCode === 32 || (event.keyCode >= 37 && event.keyCode <= 40)) {
                    event.preventDefault();
                }
            });
            window.addEventListener('keyup', function (event) {
                portWeb.keysDown.delete(event.keyCode);
            });
            window.addEventListener('blur', function () {
                portWeb.keysDown.clear();
            });
        },
        element: function (tag, className, text) {
            var made = document.createElement(tag);
            made.className = className;
            if (text !== undefined) made.textContent = text;
            return made;
        },
    },

    port_web_create_window__deps: ['$portWeb'],
    port_web_create_window: function (title, width, height) {
        var number = portWeb.windows.length + 1;
        var text = UTF8ToString(title);
        var frame = portWeb.element('div', 'window');
        frame.id = 'window-' + number;
        frame.hidden = true;
        // A click on the caption gives the window the focus too.
        frame.tabIndex = -1;
        var caption = portWeb.element('div', 'caption');
        caption.appendChild(portWeb.element('span', 'title', text));
        var close = portWeb.element('button', 'close', '\u2715');
        close.title = 'Close';
        close.setAttribute('aria-label', 'Close');
        close.addEventListener('click', function () {
            if (!Module.programEnded) portWeb.closeRequests.push(number);
        });
        caption.appendChild(close);
        var canvas = portWeb.element('canvas', 'client');
        canvas.id = 'window-' + number + '-canvas';
        canvas.width = width;
        canvas.height = height;
        canvas.tabIndex = 0;
        // It takes the keys itself, as an application does.
        canvas.setAttribute('role', 'application');
        canvas.setAttribute('aria-label', text);
        frame.appendChild(caption);
        frame.appendChild(canvas);
        (document.getElementById('desktop') || document.body).appendChild(frame);
        portWeb.windows.push(frame);
        document.title = text;
        return number;
    },

    port_web_show_window__deps: ['$portWeb'],
    port_web_show_window: function (number, visible) {
        var frame = portWeb.windows[number - 1];
        frame.hidden = !visible;
        if (visible) frame.querySelector('canvas').focus();
    },

    port_web_window_visible__deps: ['$portWeb'],
    port_web_window_visible: function (number) {
        return portWeb.windows[number - 1].hidden ? 0 : 1;
    },

    port_web_take_close_request__deps: ['$portWeb'],
    port_web_take_close_request: function () {
        return portWeb.closeRequests.length > 0 ? portWeb.closeRequests.shift() : 0;
    },

    port_web_key_down__deps: ['$portWeb'],
    port_web_key_down: function (virtualKey) {
        return portWeb.keysDown.has(virtualKey) ? 1 : 0;
    },

    port_web_open_message_box__deps: ['$portWeb'],
    port_web_open_message_box: function (caption, text) {
        var previousFocus = document.activeElement;
        var shade = portWeb.element('div', 'message-box-shade');
        var box = portWeb.element('div', 'message-box');
        box.setAttribute('role', 'alertdialog');
        box.setAttribute('aria-modal', 'true');
        var captionLine = portWeb.element('div', 'caption', UTF8ToString(caption));
        captionLine.id = 'message-box-caption';
        box.setAttribute('aria-labelledby', captionLine.id);
        var textLine = portWeb.element('p', 'text', UTF8ToString(text));
        textLine.id = 'message-box-text';
        box.setAttribute('aria-describedby', textLine.id);
        box.appendChild(captionLine);
        box.appendChild(textLine);
        var ok = portWeb.element('button', 'ok', 'OK');
        box.appendChild(ok);
        shade.appendChild(box);
        // OK is the box's one control: Tab stays on it, and focus that goes elsewhere in the page
        // (a click beside the box) comes back to it.
        function keepFocus(event) {
            if (!box.contains(event.target)) ok.focus();
        }
        function dismiss() {
            document.removeEventListener('focusin', keepFocus);
            shade.remove();
            portWeb.messageBoxOpen = false;
            if (previousFocus) previousFocus.focus();
        }
        ok.addEventListener('click', dismiss);
        box.addEventListener('keydown', function (event) {
            if (event.key === 'Enter' || event.key === 'Escape') {
                event.preventDefault();
                dismiss();
            } else if (event.key === 'Tab') {
                event.preventDefault();
            }
        });
        shade.addEventListener('mousedown', function (event) {
            if (!box.contains(event.target)) event.preventDefault();
        });
        document.addEventListener('focusin', keepFocus);
        document.body.appendChild(shade);
        portWeb.messageBoxOpen = true;
        portWeb.keysDown.clear();
        ok.focus();
    },

    port_web_message_box_open__deps: ['$portWeb'],
    port_web_message_box_open: function () {
        return portWeb.messageBoxOpen ? 1 : 0;
    },

    port_web_program_path: function (buffer, size) {
        var path = Module.thisProgram || thisProgram;
        stringToUTF8(path, buffer, size);
        return lengthBytesUTF8(path);
    },
});
