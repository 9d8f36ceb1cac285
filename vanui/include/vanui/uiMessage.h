// What the toolkit has to say: every problem and every step of progress it reports, from loading
// a UI file (the tokenizer's lexical errors included), reading fonts and running the widgets.
//
// A program gives a context (and any font or table it makes on its own) a sink that receives
// each message; without one, each message is written as one line on standard error. A message
// names the file it is about and the line where that is known. Its text is the toolkit's own,
// at most 1023 bytes; the views it holds live only for the call.
#pragma once

#include <functional>
#include <string_view>

enum class uiSeverity {
    // Progress worth a record: a table read, a font loaded.
    Info,
    // Something the program should look at; what it concerns was kept or corrected.
    Warning,
    // Bad input: a load that stopped, an item skipped, a placement pulled back, a font refused.
    Error,
    // Something essential is missing: a default font, memory.
    Critical,
};

struct uiMessage {
    uiSeverity severity = uiSeverity::Info;
    std::string_view text;
    // The UI or font file the message is about; empty when none applies.
    std::string_view file;
    // The line in that file, from 1; 0 when unknown.
    int line = 0;
    // The tokenizer's own message on what it could not read; the load's error, which says where,
    // follows it.
    bool lexical = false;
};

using uiMessageSink = std::function<void(const uiMessage&)>;
