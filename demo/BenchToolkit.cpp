#include "BenchToolkit.h"

#include "Log.h"

#include <cstdio>

using namespace drev;

namespace {

int LogTypeOf(uiSeverity severity) {
    switch (severity) {
    case uiSeverity::Info:
    case uiSeverity::Warning:
        return LOG_TYPE_RECORD;
    case uiSeverity::Error:
        break;
    case uiSeverity::Critical:
        return LOG_TYPE_CRITICAL;
    }
    return LOG_TYPE_ERROR;
}

void WriteToLog(const uiMessage& message) {
    Log(LogTypeOf(message.severity), "%.*s", static_cast<int>(message.text.size()), message.text.data());
}

} // namespace

const uiMessageSink& ToolkitLog() {
    static const uiMessageSink sink = [](const uiMessage& message) {
        if (message.lexical) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(message.text.size()), message.text.data());
        } else {
            WriteToLog(message);
        }
    };
    return sink;
}

const uiMessageSink& QuietToolkitLog() {
    static const uiMessageSink sink = [](const uiMessage& message) {
        if (!message.lexical) {
            WriteToLog(message);
        }
    };
    return sink;
}

uiContextSettings BenchContextSettings(uiTextures* textures) {
    uiContextSettings settings;
    settings.textures = textures;
    settings.messages = ToolkitLog();
    settings.echoInput = true;
    return settings;
}
