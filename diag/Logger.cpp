#include "Logger.h"

#include "Log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>

namespace drev {

namespace {

const char* const TYPE_LABELS[] = {"DEBUG   ", "RECORD  ", "ERROR   ", "CRITICAL", "INTERNAL"};
const char* const TYPE_NAMES[] = {"LOG_TYPE_DEBUG", "LOG_TYPE_RECORD", "LOG_TYPE_ERROR", "LOG_TYPE_CRITICAL",
                                  "LOG_TYPE_INTERNAL"};
const char* const MODE_NAMES[] = {"LOG_MODE_NORMAL", "LOG_MODE_VERBOSE", "LOG_MODE_DETAILED"};
const char* const DEFAULT_FILE = "app.log";

const char* TypeLabel(int type) {
    return (type >= LOG_TYPE_DEBUG && type <= LOG_TYPE_INTERNAL) ? TYPE_LABELS[type] : "UNKNOWN";
}

int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

Logger* processLogger = nullptr;

} // namespace

bool Logger::CreateFile(const char* path) {
    size_t length = std::strlen(path);
    const char* kept = length > FILE_NAME_LENGTH ? path + (length - FILE_NAME_LENGTH) : path;
    return CreateNamedFile(kept);
}

bool Logger::CreateNamedFile(const std::string& name) {
    fileName = name;
    FILE* file = std::fopen(fileName.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    ready = true;
    return true;
}

// Falls back to "app.log" once when the file can't be created; should that fail too, the
// logger stays not ready and messages are dropped.
bool Logger::OpenLogFile(const char* path) {
    if (CreateFile(path)) {
        return true;
    }
    CreateFile(DEFAULT_FILE);
    Write(LOG_TYPE_ERROR, "Error opening '%s' file\n", path);
    return false;
}

bool Logger::OpenWholePath(const char* path) {
    return CreateNamedFile(path);
}

void Logger::SetMode(int newMode) {
    if (newMode == mode) {
        return;
    }
    mode = Clamp(newMode, LOG_MODE_NORMAL, LOG_MODE_DETAILED);
    Write(LOG_TYPE_INTERNAL, "Logger Log Mode changed to [%s]", LogModeName(mode));
}

void Logger::SetThreshold(int type) {
    if (type == threshold) {
        return;
    }
    threshold = Clamp(type, LOG_TYPE_DEBUG, LOG_TYPE_CRITICAL);
    Write(LOG_TYPE_INTERNAL, "Logger Type Mode changed to [%s]", LogTypeName(threshold));
}

void Logger::Write(int type, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Write(type, format, args);
    va_end(args);
}

void Logger::Write(int type, const char* format, va_list args) {
    if (!enabled || type < threshold) {
        return;
    }
    if (writesFile && !ready) {
        CreateFile(DEFAULT_FILE);
    }
    char message[MESSAGE_BUFFER_SIZE];
    std::vsnprintf(message, sizeof message, format, args);
    if (listener) {
        listener(type, message);
    }
    if (!writesFile) {
        return;
    }

    FILE* file = std::fopen(fileName.c_str(), "a");
    if (file == nullptr) {
        return;
    }
    if (mode == LOG_MODE_NORMAL) {
        std::fprintf(file, "%s\n", message);
    } else if (mode == LOG_MODE_VERBOSE) {
        std::fprintf(file, "%s: %s\n", TypeLabel(type), message);
    } else {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char date[16];
        char time[16];
        std::strftime(date, sizeof date, "%m/%d/%y", &local);
        std::strftime(time, sizeof time, "%H:%M:%S", &local);
        std::fprintf(file, "%s %s - %s: %s\n", date, time, TypeLabel(type), message);
    }
    std::fclose(file);
}

void InitLog(const char* fileName) {
    Logger* logger = new (std::nothrow) Logger();
    if (logger == nullptr) {
        return;
    }
    logger->OpenLogFile(fileName != nullptr ? fileName : DEFAULT_FILE);
    delete processLogger;
    processLogger = logger;
    logger->Enable();
    logger->Write(LOG_TYPE_INTERNAL, "Logger inited correctly for file [%s]", logger->FileName());
}

bool InitLogWithListener(const char* path, LogListener listener) {
    Logger* logger = new (std::nothrow) Logger();
    if (logger == nullptr) {
        return false;
    }
    if (path == nullptr) {
        logger->WriteNoFile();
    } else if (!logger->OpenWholePath(path)) {
        const int reason = errno;
        delete logger;
        errno = reason;
        return false;
    }
    logger->SetListener(std::move(listener));
    delete processLogger;
    processLogger = logger;
    logger->Enable();
    logger->Write(LOG_TYPE_INTERNAL, "Logger inited correctly for file [%s]", logger->FileName());
    return true;
}

bool OpenLogFile(const char* path) {
    return processLogger != nullptr && processLogger->OpenLogFile(path);
}

void SetLogMode(int mode) {
    if (processLogger != nullptr) {
        processLogger->SetMode(mode);
    }
}

void SetLogThreshold(int type) {
    if (processLogger != nullptr) {
        processLogger->SetThreshold(type);
    }
}

void Log(int type, const char* format, ...) {
    if (processLogger == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    processLogger->Write(type, format, args);
    va_end(args);
}

const char* LogModeName(int mode) {
    return (mode >= LOG_MODE_NORMAL && mode <= LOG_MODE_DETAILED) ? MODE_NAMES[mode] : nullptr;
}

const char* LogTypeName(int type) {
    return (type >= LOG_TYPE_DEBUG && type <= LOG_TYPE_INTERNAL) ? TYPE_NAMES[type] : nullptr;
}

} // namespace drev
