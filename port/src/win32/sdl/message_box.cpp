// Message boxes through SDL's; when SDL cannot show the box, the call still returns at once. A
// termination request (SIGINT, SIGTERM) while a box is up ends the program with exit code 1, as
// dismissing any box here does, and ends the process that shows the box with it.
#include "../../host_window.h"
#include "../host_message_box.h"
#include "video.h"

#include <SDL.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

const int TERMINATION_SIGNALS[] = {SIGINT, SIGTERM};

// The file that lists the child processes of the thread showing the box: SDL shows it from one.
char g_boxChildrenPath[64];

// Kills every child process the file lists, and ends the program. Only async-signal-safe calls.
void OnTerminationDuringBox(int) {
    const int file = open(g_boxChildrenPath, O_RDONLY | O_CLOEXEC);
    if (file >= 0) {
        char text[256];
        const ssize_t length = read(file, text, sizeof(text));
        close(file);
        pid_t child = 0;
        for (ssize_t i = 0; i < length; ++i) {
            if (text[i] >= '0' && text[i] <= '9') {
                child = child * 10 + (text[i] - '0');
            } else {
                if (child > 0) {
                    kill(child, SIGKILL);
                }
                child = 0;
            }
        }
    }
    _exit(1);
}

// Handles the termination signals that are not ignored with OnTerminationDuringBox while it lives,
// and puts back the handlers it found when it goes.
class TerminationDuringBox {
  public:
    TerminationDuringBox() {
        std::snprintf(g_boxChildrenPath, sizeof(g_boxChildrenPath), "/proc/self/task/%ld/children",
                      (long)syscall(SYS_gettid));
        struct sigaction action = {};
        action.sa_handler = OnTerminationDuringBox;
        sigemptyset(&action.sa_mask);
        for (int k = 0; k < 2; ++k) {
            sigaction(TERMINATION_SIGNALS[k], nullptr, &previous_[k]);
            if (previous_[k].sa_handler != SIG_IGN) {
                sigaction(TERMINATION_SIGNALS[k], &action, nullptr);
            }
        }
    }
    ~TerminationDuringBox() {
        for (int k = 0; k < 2; ++k) {
            sigaction(TERMINATION_SIGNALS[k], &previous_[k], nullptr);
        }
    }
    TerminationDuringBox(const TerminationDuringBox&) = delete;
    TerminationDuringBox& operator=(const TerminationDuringBox&) = delete;

  private:
    struct sigaction previous_[2];
};

} // namespace

void ShowHostMessageBox(HWND owner, const std::string& text, const std::string& caption) {
    SDL_MessageBoxButtonData button = {};
    button.flags =
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    button.buttonid = IDOK;
    button.text = "OK";
    SDL_MessageBoxData box = {};
    box.flags = SDL_MESSAGEBOX_WARNING;
    box.window = HostWindowOf(owner);
    box.title = caption.c_str();
    box.message = text.c_str();
    box.numbuttons = 1;
    box.buttons = &button;
    // With video started, SDL shows the box through the driver its windows use.
    int pressed = IDOK;
    const bool videoStarted = StartVideo();
    const TerminationDuringBox termination;
    if (videoStarted && SDL_ShowMessageBox(&box, &pressed) != 0) {
        std::fprintf(stderr, "The message box could not be shown: %s\n", SDL_GetError());
    }
}
