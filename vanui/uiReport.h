// How the toolkit's parts deliver their messages (uiMessage.h): formatted printf-style, cut at
// the length a message may have, and handed to the sink the part was given, or written as one
// line on standard error when it has none.
#pragma once

#include <vanui/uiMessage.h>

#include <string>
#include <string_view>

namespace vanui {

// The longest message text, terminator included.
inline constexpr int MESSAGE_BUFFER_SIZE = 1024;

// The text a format gives, cut as a message is.
std::string FormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

void Deliver(const uiMessageSink* sink, const uiMessage& message);

// A message about no file in particular.
void Report(const uiMessageSink* sink, uiSeverity severity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// A message about a place in a file (line 0: the file as a whole).
void ReportAt(const uiMessageSink* sink, uiSeverity severity, std::string_view file, int line,
              const char* format, ...) __attribute__((format(printf, 5, 6)));

} // namespace vanui
