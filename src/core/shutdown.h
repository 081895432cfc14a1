#pragma once

#include <QString>

// The system's shut-down command line for the platform the program runs on.
QString shutDownCommand();

// Starts the shut-down command as a detached process, without waiting for it
// or checking its result: the application keeps running until the system
// ends it.
void shutDownComputer();
