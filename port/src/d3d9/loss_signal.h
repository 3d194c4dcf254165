// Device loss asked for from outside a running program: SIGUSR1.
#pragma once

// Installs the SIGUSR1 handler once per process.
void InstallLossSignal();

// True once after each SIGUSR1: the device that asks first becomes lost.
bool TakeLossSignal();
