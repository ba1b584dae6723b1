#pragma once
// Ctrl-C and termination requests as bytes on a pipe, so the main loop can stop the
// engine in an orderly way instead of dying with half-written files.

// Installs SIGINT and SIGTERM handlers; returns the pipe's read end (-1 on failure).
int InstallInterruptPipe();
