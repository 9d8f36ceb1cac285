// The logger record behind the process-wide log functions of Log.h. It holds the file name
// (at most 25 characters), whether the file could be created, whether logging is enabled, the
// threshold and the line mode. It is created by InitLog and never destroyed while in use.
#pragma once

#include <cstdarg>

class Logger {
public:
    static constexpr int FILE_NAME_LENGTH = 25;
    static constexpr int MESSAGE_BUFFER_SIZE = 1024;

    Logger() = default;

    bool OpenLogFile(const char* path);
    void SetMode(int mode);
    void SetThreshold(int type);
    void Enable() { enabled = true; }
    void Write(int type, const char* format, va_list args);
    void Write(int type, const char* format, ...) __attribute__((format(printf, 3, 4)));

    const char* FileName() const { return fileName; }
    bool IsReady() const { return ready; }
    int Mode() const { return mode; }
    int Threshold() const { return threshold; }

private:
    bool CreateFile(const char* path);

    char fileName[FILE_NAME_LENGTH + 1] = {};
    bool ready = false;
    bool enabled = false;
    int threshold = 3;
    int mode = 0;
};
