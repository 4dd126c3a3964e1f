#pragma once

class QObject;

// The data half of the start-up: signal names, the parameter store, the data
// provider with the controller connection, the online decision, the two
// controller switches and the first parameter set (from the unit online,
// from the default file offline). True when that set is the master data.
bool InitializeSAFM(QObject* parent = nullptr);

// The whole program: process set-up, start-up window, data, main window,
// robot model, event loop. Returns the process exit code.
int runApplication(int argc, char* argv[]);
