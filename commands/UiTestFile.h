// A UI file in a fresh context, loaded exactly as the UI test window loads it (the whole file
// through LoadUiFile, or from the text an editor holds, the input echoes on, a drawing area of
// 800 x 600, the focus on "Label6"), but with the fonts it names and "default.krf" looked up in
// the file's own folder and then in DREV's shipped fonts, lexical errors kept for the
// diagnostics instead of written raw, and a clock the caller moves. The problems the load and
// the later frames report are collected; the error that stopped the load is kept apart, with its
// line and cause. Fonts make their textures through the texture interface given (with its GL
// context current); without one they only measure, which is all the diagnostics need.
#pragma once

#include "UiDiagnostic.h"
#include "VirtualTimer.h"
#include <vanui/uiContext.h>

#include <memory>
#include <string>
#include <vector>

class UiTestFile {
public:
    // With text, the file's text is that instead of what the file holds; fileName still names
    // it in messages and places its fonts.
    explicit UiTestFile(const std::string& fileName, uiTextures* textures = nullptr,
                        const std::string* text = nullptr);
    UiTestFile(const UiTestFile&) = delete;
    UiTestFile& operator=(const UiTestFile&) = delete;

    // True when the whole file was read without error.
    bool Loaded() const { return loaded; }
    uiContext& Context() { return context; }
    // Makes the context's clock read the given moment at its next Tick.
    void SetClock(double milliseconds);
    // The UI test window's sample font, "default.krf", found as the file's fonts are; null
    // once its failure has been logged.
    std::unique_ptr<uiFont> OpenSampleFont();

    // "FILE:LINE: error: MESSAGE (cause)" for the error that stopped the load; empty when the
    // whole file was read.
    std::string ErrorLine() const;
    // The problems collected so far, in order: the load's warnings (unless errorsOnly), its
    // error in its place with the cause in parentheses, then the warnings of the frames.
    std::vector<UiDiagnostic> TakeDiagnostics(bool errorsOnly);
    // Prints TakeDiagnostics on standard error; true when the load had an error.
    bool PrintDiagnostics(bool errorsOnly);

private:
    std::string ErrorMessage() const;

    std::string fileName;
    uiContext context;
    VirtualTimer* clock = nullptr;
    bool loaded = false;
    std::vector<std::string> loadProblems;
};
