// The signals that end a run early: SIGINT, SIGTERM and SIGHUP. Once InstallStopSignals has
// caught them, a stop signal never ends the process by itself: the handler only notes which one
// came and writes a byte to a pipe, and the program finishes on its own thread. Whatever waits
// checks StopSignalNumber(): the console, which waits for input and for StopSignalDescriptor()
// together, and the test windows, once a frame. The shell then restores the terminal, writes its
// settings, logs the end of the run and exits with status 128 + StopSignalNumber().
//
// The handlers are installed without SA_RESTART, so a call blocked in the kernel returns EINTR
// when a stop signal comes. The terminal's interrupt key sends SIGINT only while the terminal is
// in its usual mode; the key test turns that off, and Ctrl-C is then a key like any other.
#pragma once

namespace drev {

// Catches the stop signals from now on. Without a pipe (none could be made) the signals are still
// caught; StopSignalDescriptor() is then -1 and waits notice a signal through EINTR only.
void InstallStopSignals();

// 0 until a stop signal has come, then the number of the first one; it stays set for the run.
int StopSignalNumber();

// A descriptor that becomes readable when a stop signal comes and stays readable for the rest of
// the run, to wait on together with other descriptors (poll); -1 before InstallStopSignals.
int StopSignalDescriptor();

} // namespace drev
