#include "StopSignal.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace drev {

namespace {

const int STOP_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t caughtSignal = 0;
// Read end and write end. Both are non-blocking: the handler must never wait on a full pipe,
// and nothing ever reads the pipe, so that it stays readable once a signal has come.
int wakePipe[2] = {-1, -1};

// Only async-signal-safe work here: an assignment to a sig_atomic_t and a write(2).
extern "C" void NoteStopSignal(int number) {
    const int savedErrno = errno;
    if (caughtSignal == 0) {
        caughtSignal = number;
    }
    if (wakePipe[1] >= 0) {
        const char wake = 1;
        if (write(wakePipe[1], &wake, 1) < 0) {
            // A full pipe is already readable: nothing is lost.
        }
    }
    errno = savedErrno;
}

} // namespace

void InstallStopSignals() {
    if (wakePipe[0] < 0 && pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        wakePipe[0] = wakePipe[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    for (int number : STOP_SIGNALS) {
        sigaddset(&action.sa_mask, number);
    }
    // No SA_RESTART: a read blocked when a stop signal comes returns EINTR.
    action.sa_flags = 0;
    for (int number : STOP_SIGNALS) {
        sigaction(number, &action, nullptr);
    }
}

int StopSignalNumber() {
    return caughtSignal;
}

int StopSignalDescriptor() {
    return wakePipe[0];
}

} // namespace drev
