// Message boxes through SDL's; when SDL cannot show the box, the call still returns at once. A
// termination request (SIGINT, SIGTERM, SIGHUP, SIGQUIT) while a box is up ends the program with
// exit code 1, as dismissing any box here does. The process that shows the box (SDL forks one on
// X11) ends with the program however the program ends, SIGKILL included: it holds the program's
// connection to the X server, so while it lived the program's window stayed on the screen too.
#include "../../win32/host_message_box.h"
#include "sdl_window.h"
#include "video.h"

#include <SDL.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace {

const int TERMINATION_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
const int TERMINATION_SIGNAL_COUNT = sizeof(TERMINATION_SIGNALS) / sizeof(TERMINATION_SIGNALS[0]);

// The program's process id while a box is being shown, else 0: the processes forked meanwhile are
// the box's.
std::atomic<pid_t> g_boxParent{0};

// Runs in every child forked by the program, at once: a child forked while a box is shown asks to
// be killed when the program ends, and ends at once if the program has already ended.
void EndWithProgram() {
    const pid_t parent = g_boxParent.load();
    if (parent == 0) {
        return;
    }
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) {
        _exit(1);
    }
}

// While it lives, the processes forked by this thread end with the program.
class BoxProcessEndsWithProgram {
  public:
    BoxProcessEndsWithProgram() {
        static const bool registered = pthread_atfork(nullptr, nullptr, EndWithProgram) == 0;
        if (!registered) {
            std::fprintf(stderr, "The message box's process may outlive the program\n");
        }
        g_boxParent.store(getpid());
    }
    ~BoxProcessEndsWithProgram() { g_boxParent.store(0); }
    BoxProcessEndsWithProgram(const BoxProcessEndsWithProgram&) = delete;
    BoxProcessEndsWithProgram& operator=(const BoxProcessEndsWithProgram&) = delete;
};

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
        for (int k = 0; k < TERMINATION_SIGNAL_COUNT; ++k) {
            sigaction(TERMINATION_SIGNALS[k], nullptr, &previous_[k]);
            if (previous_[k].sa_handler != SIG_IGN) {
                sigaction(TERMINATION_SIGNALS[k], &action, nullptr);
            }
        }
    }
    ~TerminationDuringBox() {
        for (int k = 0; k < TERMINATION_SIGNAL_COUNT; ++k) {
            sigaction(TERMINATION_SIGNALS[k], &previous_[k], nullptr);
        }
    }
    TerminationDuringBox(const TerminationDuringBox&) = delete;
    TerminationDuringBox& operator=(const TerminationDuringBox&) = delete;

  private:
    struct sigaction previous_[TERMINATION_SIGNAL_COUNT];
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
    box.window = SdlWindowOf(owner);
    box.title = caption.c_str();
    box.message = text.c_str();
    box.numbuttons = 1;
    box.buttons = &button;
    // With video started, SDL shows the box through the driver its windows use.
    int pressed = IDOK;
    const bool videoStarted = StartVideo();
    const TerminationDuringBox termination;
    const BoxProcessEndsWithProgram boxProcess;
    if (videoStarted && SDL_ShowMessageBox(&box, &pressed) != 0) {
        std::fprintf(stderr, "The message box could not be shown: %s\n", SDL_GetError());
    }
}
