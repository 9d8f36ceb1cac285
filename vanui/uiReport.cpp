#include "uiReport.h"

#include <cstdarg>
#include <cstdio>

namespace vanui {

namespace {

const char* SeverityName(uiSeverity severity) {
    switch (severity) {
    case uiSeverity::Info:
        return "info";
    case uiSeverity::Warning:
        return "warning";
    case uiSeverity::Error:
        break;
    case uiSeverity::Critical:
        return "critical";
    }
    return "error";
}

// "FILE:LINE: error: TEXT", as compilers write theirs; "vanui: error: TEXT" about no file.
void WriteToStandardError(const uiMessage& message) {
    const std::string place = message.file.empty()    ? std::string("vanui")
                              : message.line > 0 ? std::string(message.file) + ":" + std::to_string(message.line)
                                                 : std::string(message.file);
    std::fprintf(stderr, "%s: %s: %.*s\n", place.c_str(), SeverityName(message.severity),
                 static_cast<int>(message.text.size()), message.text.data());
}

std::string FormatList(const char* format, va_list args) {
    char text[MESSAGE_BUFFER_SIZE];
    std::vsnprintf(text, sizeof text, format, args);
    return text;
}

} // namespace

std::string FormatMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatList(format, args);
    va_end(args);
    return text;
}

void Deliver(const uiMessageSink* sink, const uiMessage& message) {
    if (sink != nullptr && *sink) {
        (*sink)(message);
    } else {
        WriteToStandardError(message);
    }
}

void Report(const uiMessageSink* sink, uiSeverity severity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatList(format, args);
    va_end(args);
    Deliver(sink, uiMessage{severity, text, {}, 0, false});
}

void ReportAt(const uiMessageSink* sink, uiSeverity severity, std::string_view file, int line,
              const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatList(format, args);
    va_end(args);
    Deliver(sink, uiMessage{severity, text, file, line, false});
}

} // namespace vanui
