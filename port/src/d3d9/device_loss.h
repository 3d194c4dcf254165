// Simulated device loss: PortSimulateDeviceLoss for tests, SIGUSR1 for a running program.
#pragma once

// Installs the SIGUSR1 handler once per process.
void InstallLossSignal();

// True once after each SIGUSR1: the device that asks first becomes lost.
bool TakeLossSignal();
