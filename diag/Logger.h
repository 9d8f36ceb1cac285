// The logger record behind the process-wide log functions of Log.h. It holds the file name
// (at most 25 characters, unless the whole path was asked for), whether the file could be
// created, whether logging is enabled, the threshold, the line mode and the listener, if any.
// It is created by InitLog or InitLogWithListener and never destroyed while in use.
#pragma once

#include "Log.h"

#include <cstdarg>
#include <string>

namespace drev {

class Logger {
public:
    static constexpr int FILE_NAME_LENGTH = 25;
    static constexpr int MESSAGE_BUFFER_SIZE = 1024;

    Logger() = default;

    bool OpenLogFile(const char* path);
    // Uses the whole path and never falls back to "app.log": false, with errno telling why, when
    // the file can't be created.
    bool OpenWholePath(const char* path);
    // Messages then go to the listener only; no file is written or created.
    void WriteNoFile() { writesFile = false; }
    void SetListener(LogListener newListener) { listener = std::move(newListener); }
    void SetMode(int mode);
    void SetThreshold(int type);
    void Enable() { enabled = true; }
    void Write(int type, const char* format, va_list args);
    void Write(int type, const char* format, ...) __attribute__((format(printf, 3, 4)));

    const char* FileName() const { return fileName.c_str(); }
    bool IsReady() const { return ready; }
    int Mode() const { return mode; }
    int Threshold() const { return threshold; }

private:
    bool CreateFile(const char* path);

    bool CreateNamedFile(const std::string& name);

    std::string fileName;
    bool ready = false;
    bool writesFile = true;
    LogListener listener;
    bool enabled = false;
    int threshold = 3;
    int mode = 0;
};

} // namespace drev
