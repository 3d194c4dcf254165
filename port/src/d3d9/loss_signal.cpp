// SIGUSR1, which makes the next device that asks lost, as the simulated loss of port_test.h does.
#include "loss_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_lossRequested = 0;

void OnLossSignal(int) {
    g_lossRequested = 1;
}

} // namespace

// Before main: a SIGUSR1 that comes before any device exists must not end the process, whichever
// entry point it has (the programs' or a tool's own main).
__attribute__((constructor)) void InstallLossSignal() {
    struct sigaction action = {};
    action.sa_handler = OnLossSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGUSR1, &action, nullptr);
}

bool TakeLossSignal() {
    if (g_lossRequested == 0) {
        return false;
    }
    g_lossRequested = 0;
    return true;
}
