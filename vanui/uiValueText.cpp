#include <vanui/uiValueText.h>

#include "uiReport.h"

#include <cstdio>
#include <cstring>

namespace {

// The conversions that suit each kind of variable.
const char* ConversionsOf(int type) {
    switch (type) {
    case UIVALT_INT:
        return "diouxXc";
    case UIVALT_REAL:
        return "fFeEgGaA";
    case UIVALT_STRING:
        return "s";
    default:
        return nullptr;
    }
}

const char* KindName(int type) {
    switch (type) {
    case UIVALT_INT:
        return "integer";
    case UIVALT_REAL:
        return "real";
    default:
        return "text";
    }
}

// At most this many digits of width or precision, so no format asks for a huge field.
const size_t MAX_FIELD_DIGITS = 3;

size_t SkipDigits(const std::string& format, size_t at, bool& tooLong) {
    const size_t start = at;
    while (at < format.size() && format[at] >= '0' && format[at] <= '9') {
        ++at;
    }
    tooLong = tooLong || at - start > MAX_FIELD_DIGITS;
    return at;
}

// One conversion of the variable's kind, with flags, width and precision in digits; "%%"
// anywhere. No length modifier, no '*', no "%n", no positional argument.
bool FormatSuits(const std::string& format, int type) {
    const char* conversions = ConversionsOf(type);
    if (conversions == nullptr) {
        return false;
    }
    int count = 0;
    for (size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            continue;
        }
        ++at;
        if (at < format.size() && format[at] == '%') {
            continue;
        }
        while (at < format.size() && std::strchr("-+ #0'", format[at]) != nullptr) {
            ++at;
        }
        bool tooLong = false;
        at = SkipDigits(format, at, tooLong);
        if (at < format.size() && format[at] == '.') {
            at = SkipDigits(format, at + 1, tooLong);
        }
        if (tooLong || at >= format.size() || std::strchr(conversions, format[at]) == nullptr) {
            return false;
        }
        ++count;
    }
    return count == 1;
}

} // namespace

void uiValueText::Bind(const void* variable, int type) {
    text.clear();
    boundVariable = variable;
    valueType = variable != nullptr ? type : UIVALT_NONE;
    SetDefaultFormat(valueType);
    Refresh();
}

void uiValueText::BindInt(const int32_t* variable) {
    Bind(variable, UIVALT_INT);
}

void uiValueText::BindReal(const float* variable) {
    Bind(variable, UIVALT_REAL);
}

void uiValueText::BindText(const std::string* variable) {
    Bind(variable, UIVALT_STRING);
}

void uiValueText::BindLike(const uiValueText& other) {
    Bind(other.boundVariable, other.valueType);
}

void uiValueText::UnbindVariable() {
    boundVariable = nullptr;
    valueType = UIVALT_NONE;
    formatSuits = false;
    text.clear();
}

// A text bound to nothing takes any format: binding a variable sets the default of its kind.
bool uiValueText::SetFormat(const std::string& newFormat) {
    const bool suits = FormatSuits(newFormat, valueType);
    if (!suits && boundVariable != nullptr) {
        vanui::Report(messages, uiSeverity::Error,
                      "Format [%s] does not suit the %s variable of the value text of widget [%s]; format kept",
                      newFormat.c_str(), KindName(valueType), owner != nullptr ? owner->c_str() : "");
        return false;
    }
    format = newFormat;
    formatSuits = suits;
    Refresh();
    return true;
}

void uiValueText::SetDefaultFormat(int type) {
    switch (type) {
    case UIVALT_INT:
        format = "%d";
        break;
    case UIVALT_REAL:
        format = "%f";
        break;
    case UIVALT_STRING:
        format = "%s";
        break;
    default:
        format.clear();
        break;
    }
    formatSuits = FormatSuits(format, valueType);
}

// snprintf cuts a number longer than its buffer, so a long format or a large real shows only its
// first characters; a text takes the room it needs.
void uiValueText::Refresh() {
    if (boundVariable == nullptr || !formatSuits) {
        return;
    }
    if (valueType == UIVALT_INT) {
        char buffer[INT_BUFFER_SIZE];
        std::snprintf(buffer, sizeof buffer, format.c_str(), *static_cast<const int32_t*>(boundVariable));
        text = buffer;
    } else if (valueType == UIVALT_REAL) {
        char buffer[REAL_BUFFER_SIZE];
        std::snprintf(buffer, sizeof buffer, format.c_str(),
                      static_cast<double>(*static_cast<const float*>(boundVariable)));
        text = buffer;
    } else if (valueType == UIVALT_STRING) {
        const char* variable = static_cast<const std::string*>(boundVariable)->c_str();
        const int length = std::snprintf(nullptr, 0, format.c_str(), variable);
        if (length >= 0) {
            text.assign(static_cast<size_t>(length) + 1, '\0');
            std::snprintf(&text[0], text.size(), format.c_str(), variable);
            text.pop_back();
        }
    }
}

void uiValueText::SetOwner(const std::string* ownerName, const uiMessageSink* sink) {
    owner = ownerName;
    messages = sink;
}
