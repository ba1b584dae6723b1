#pragma once
// Termination requests as bytes on a pipe, so the main loop can stop the engine in an
// orderly way (unfinished outputs removed) instead of dying with half-written files.

// Ignores SIGPIPE (a write to a closed pipe then fails with EPIPE, see RequestStop)
// and follows terminal resizes. Call once at program start.
void InstallQuietSignals();

// Installs the SIGHUP, SIGINT, SIGTERM and SIGQUIT handlers: the first such signal
// writes its number to the pipe; a second one removes this process's temporary files
// at once and ends the process as the signal would. Returns the pipe's read end (-1 on
// failure).
int InstallInterruptPipe();

// Asks for the same orderly stop as `signal_number` would (e.g. SIGPIPE once standard
// output has gone away). Safe from any thread.
void RequestStop(int signal_number);

// True once after the terminal changed its size.
bool TakeWindowChange();
