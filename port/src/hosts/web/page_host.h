// The page's side of the browser host, written in JavaScript (page_host.js): the window's elements,
// the keys the page has seen, the message box, the program's path.
#pragma once

extern "C" {

// Makes a window's elements (a caption bar with the title and a close button over a canvas of
// width x height) and sets the document's title; returns the window's number, from 1.
int port_web_create_window(const char* title, int width, int height);
void port_web_show_window(int window, int visible);
int port_web_window_visible(int window);
// The number of a window whose close button was pressed since the last call, or 0.
int port_web_take_close_request();
// Whether the page has seen the virtual key go down and not yet up.
int port_web_key_down(int virtualKey);
// Shows a modal box with the caption, the text and an OK button.
void port_web_open_message_box(const char* caption, const char* text);
// Whether the box is still open: it closes when OK is pressed.
int port_web_message_box_open();
// Copies the program's path in the virtual file system (the page's thisProgram) into buffer,
// cut to size - 1 bytes; returns its full length.
int port_web_program_path(char* buffer, int size);
}
