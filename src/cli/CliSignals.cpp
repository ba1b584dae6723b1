#include "cli/CliSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

int g_writeEnd = -1;

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  if (g_writeEnd >= 0) [[maybe_unused]] ssize_t n = write(g_writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

int InstallInterruptPipe() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  g_writeEnd = fds[1];
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  return fds[0];
}
