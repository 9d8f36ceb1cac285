// The application log: one process-wide logger that every part of the program reports to.
// InitLog creates it (once, at start-up); Log formats a message printf-style and appends one
// line to the log file, opening and closing the file for every message so that nothing written
// is lost if the program stops abruptly. Messages below the threshold, and every message of a
// negative type (the per-frame traces), are dropped without touching the file.
#pragma once

#include <functional>

namespace drev {

enum LogType {
    LOG_TYPE_DEBUG = 0,
    LOG_TYPE_RECORD = 1,
    LOG_TYPE_ERROR = 2,
    LOG_TYPE_CRITICAL = 3,
    LOG_TYPE_INTERNAL = 4,
};

enum LogMode {
    LOG_MODE_NORMAL = 0,
    LOG_MODE_VERBOSE = 1,
    LOG_MODE_DETAILED = 2,
};

// Creates the logger for fileName ("app.log" when null), empties the file and enables logging.
// Calling it again replaces the previous logger.
void InitLog(const char* fileName = nullptr);
// Receives each message that passes the threshold: its type and its text as formatted, without
// the date, time or label that the mode puts in front of it in the file.
using LogListener = std::function<void(int type, const char* message)>;

// Starts a logger for a program that reports on its own terms: every message that passes the
// threshold goes to the listener, and also to the file at path when path is not null. Unlike
// InitLog, the whole path is used and nothing falls back to "app.log": when the file can't be
// created no logger is started, the previous one stays, and the result is false with errno
// telling why. Without a path no file is ever written.
bool InitLogWithListener(const char* path, LogListener listener);
bool OpenLogFile(const char* path);
void SetLogMode(int mode);
void SetLogThreshold(int type);
void Log(int type, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The names of modes and types, or null for values outside their tables.
const char* LogModeName(int mode);
const char* LogTypeName(int type);

} // namespace drev
