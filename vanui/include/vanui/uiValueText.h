// The text a widget shows inside itself. It is a plain string that input handlers edit
// directly, and it can be bound to a program variable (a 32-bit integer or real) that Refresh
// renders through a printf-style format. The variable is borrowed: the binder keeps it alive
// while bound. Nothing refreshes by itself; call Refresh after the variable changes.
#pragma once

#include <cstdint>
#include <string>

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

    uiValueText() = default;
    uiValueText(void* variable, int type);

    void BindVariable(void* variable, int type);
    void BindLike(const uiValueText& other);
    void BindInt(int32_t* variable);
    void BindReal(float* variable);
    void UnbindVariable();

    void SetFormat(const std::string& newFormat);
    void SetDefaultFormat(int type);
    void Refresh();

    void* GetVariable() const { return boundVariable; }
    int GetType() const { return valueType; }
    const std::string& GetFormat() const { return format; }

    const std::string& Text() const { return text; }
    std::string& Text() { return text; }
    void SetText(const std::string& newText) { text = newText; }

private:
    void* boundVariable = nullptr;
    int valueType = UIVALT_NONE;
    std::string format;
    std::string text;
};
