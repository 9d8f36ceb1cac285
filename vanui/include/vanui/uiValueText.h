// The text a widget shows inside itself. It is a plain string that the context's input edits
// directly, and it can be bound to a program variable (a 32-bit integer, a real or a string) that
// Refresh renders through a printf-style format. The variable is borrowed: the binder keeps it
// alive while bound. Nothing refreshes by itself; call Refresh after the variable changes.
//
// A format must suit the variable: exactly one conversion of its kind (d i o u x X c for an
// integer, f F e E g G a A for a real, s for a string), with flags, width and precision as
// digits; "%%" anywhere. SetFormat refuses any other format (false, one message naming the
// widget and the format) and keeps the one it had.
#pragma once

#include <vanui/uiMessage.h>

#include <cstdint>
#include <string>

// The kind of variable a value text is bound to.
enum uiValueType {
    UIVALT_NONE = 0,
    UIVALT_EMPTY = 1,
    UIVALT_INT = 2,
    UIVALT_REAL = 3,
    UIVALT_STRING = 4,
};

class uiValueText {
public:
    // Formatting buffers, terminator included: a longer result is cut to fit.
    static constexpr int INT_BUFFER_SIZE = 12;
    static constexpr int REAL_BUFFER_SIZE = 20;

    // Each clears the text, binds the variable with its default format ("%d", "%f", "%s") and
    // refreshes. A null variable unbinds.
    void BindInt(const int32_t* variable);
    void BindReal(const float* variable);
    void BindText(const std::string* variable);
    // Binds the same variable as other, with the default format of its kind.
    void BindLike(const uiValueText& other);
    void UnbindVariable();

    bool SetFormat(const std::string& newFormat);
    // The default format of a type: "%d", "%f", "%s", or empty for no value.
    void SetDefaultFormat(int type);
    void Refresh();

    const void* GetVariable() const { return boundVariable; }
    int GetType() const { return valueType; }
    const std::string& GetFormat() const { return format; }

    const std::string& Text() const { return text; }
    std::string& Text() { return text; }
    void SetText(const std::string& newText) { text = newText; }

    // Who the text belongs to, for the message of a refused format: the widget that holds it
    // sets its name and its context's sink (both borrowed; null for a text of its own).
    void SetOwner(const std::string* ownerName, const uiMessageSink* messages);

private:
    void Bind(const void* variable, int type);

    const void* boundVariable = nullptr;
    int valueType = UIVALT_NONE;
    std::string format;
    // Whether format suits the bound variable; Refresh formats nothing otherwise.
    bool formatSuits = false;
    std::string text;
    const std::string* owner = nullptr;
    const uiMessageSink* messages = nullptr;
};
