#include "cli/CliSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "engine/convert/AtomicOutputFile.h"

namespace {

int g_writeEnd = -1;
std::atomic<bool> g_stopRequested{false};
std::atomic<bool> g_windowChanged{false};

void OnStopSignal(int signal_number) {
  if (g_stopRequested.exchange(true)) {
    // Asked twice: the orderly stop takes too long for the user. Leave nothing behind.
    convert::RemoveLiveTemporaryFiles();
    ::signal(signal_number, SIG_DFL);
    ::raise(signal_number);
    return;
  }
  const int saved = errno;
  const char byte = static_cast<char>(signal_number);
  if (g_writeEnd >= 0) [[maybe_unused]]
    ssize_t n = write(g_writeEnd, &byte, 1);
  errno = saved;
}

void OnWindowChange(int) { g_windowChanged = true; }

}  // namespace

void InstallQuietSignals() {
  ::signal(SIGPIPE, SIG_IGN);
  struct sigaction action {};
  action.sa_handler = OnWindowChange;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGWINCH, &action, nullptr);
}

int InstallInterruptPipe() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  g_writeEnd = fds[1];
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal_number : {SIGHUP, SIGINT, SIGTERM, SIGQUIT})
    sigaction(signal_number, &action, nullptr);
  return fds[0];
}

void RequestStop(int signal_number) {
  if (g_stopRequested.exchange(true)) return;
  const char byte = static_cast<char>(signal_number);
  if (g_writeEnd >= 0) [[maybe_unused]]
    ssize_t n = write(g_writeEnd, &byte, 1);
}

bool TakeWindowChange() { return g_windowChanged.exchange(false); }
