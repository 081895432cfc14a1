#pragma once

// A system shutdown or a plain `kill` sends SIGTERM, a closed terminal
// SIGHUP, Ctrl+C SIGINT. Each ends the application as its exit button does,
// so that a running recording is completed before the process goes. Called
// once, with the application object made.
void quitOnTerminationSignals();
