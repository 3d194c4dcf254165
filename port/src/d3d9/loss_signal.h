// Device loss asked for from outside a running program: SIGUSR1, whose handler is installed as
// the process starts.
#pragma once

// True once after each SIGUSR1: the device that asks first becomes lost.
bool TakeLossSignal();
