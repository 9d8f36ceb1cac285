// The UI context: everything one UI description file builds (a two-level tree of windows and
// widgets, a colour table, a font table) and the state the widget runtime keeps between frames
// (the animation clock, the mouse, the hovered, pressed and focused widgets).
//
// Ownership: the context owns its windows (and through them every widget), its colour table,
// its clock and its font table. Widget pointers it hands out stay valid until it is destroyed.
// It borrows the texture interface of its settings, which must outlive it.
//
// Order of calls:
//   1. Construct with the backend's texture interface (the font table loads "default.krf" and
//      makes its texture as the context is constructed; a GL backend needs its context current).
//   2. LoadUiFile once (a failed load keeps what was built before the error; LoadError says why
//      it stopped, and every message went to the settings' sink).
//   3. SetDrawingArea to the area the picture is laid out for (the widgets are kept inside it).
//   4. Every frame: Tick into the frame's draw list, which advances the clock and appends every
//      visible widget in painting order; then submit the list with a backend.
//   5. Between frames, pass the window's mouse and keyboard events, in picture coordinates and
//      the toolkit's own codes (uiInput.h).
//   6. Destroy the context before the texture interface (fonts delete their textures).
// One thread: everything above happens on one thread (the one that owns the graphics context).
#pragma once

#include <vanui/uiColorTable.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiFontTable.h>
#include <vanui/uiGroup.h>
#include <vanui/uiInput.h>
#include <vanui/uiMessage.h>
#include <vanui/uiTexture.h>

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

struct uiContextState;

// Where the animation clock reads the time: seconds since any fixed moment. The context reads
// the machine's monotonic clock unless it is given another one (a program that draws frames at
// chosen moments, or a test).
class uiClock {
public:
    virtual ~uiClock() = default;
    virtual double Seconds() = 0;
};

struct uiContextSettings {
    // Folders searched in order for relative font names, "default.krf" included; without any,
    // names are opened relative to the working directory.
    std::vector<std::string> fontFolders;
    // The backend's texture interface; without one, fonts are read and measure text but draw
    // nothing.
    uiTextures* textures = nullptr;
    // Receives every message; without one, each is written as one line on standard error.
    uiMessageSink messages;
    // The value texts echo the input, as a test bench shows it: each starts as "<name>::val",
    // shows the mouse position while hovered, "HIT" while pressed and "ESC" after Escape.
    // Off, they start empty and show only what the program binds or the user types.
    bool echoInput = false;
};

// What stopped the last load. The message is the loader's, as reported; line is where the load
// stopped (0 when no line applies, as for a file that can't be opened); cause is what lies
// behind the message where it is known: the tokenizer's lexical reason, or the message reported
// just before it (a parent that was not found). An empty message: the load read the whole file.
struct uiLoadError {
    std::string message;
    int line = 0;
    std::string cause;
};

class uiContext {
public:
    explicit uiContext(uiContextSettings settings = uiContextSettings());
    ~uiContext();
    uiContext(const uiContext&) = delete;
    uiContext& operator=(const uiContext&) = delete;

    // ---- Loading ----
    // Reads the named UI file; true when the whole file was read without error.
    bool LoadUiFile(const std::string& fileName);
    // The same from an open stream; fileName names the input in messages only.
    bool Parse(std::istream& input, const std::string& fileName);
    const uiLoadError& LoadError() const;

    // ---- The tree and its tables ----
    size_t WindowCount() const;
    // The top-level window at the index, in file order; null past the last one.
    uiGroup* Window(size_t index) const;
    // The first top-level window with the name (case-sensitive), or null.
    uiGroup* FindWindow(const std::string& windowName) const;
    // The first child of a visible top-level window with the name, or null; windows themselves
    // are not matched.
    uiWidget* FindWidget(const std::string& widgetName) const;
    // The colours the UI file set; changes show from the next frame.
    uiColorTable& Colors();
    const uiColorTable& Colors() const;
    uiFontTable& Fonts();

    // ---- Frames ----
    // The area, in pixels from the top left, that top-level windows are kept inside.
    void SetDrawingArea(int width, int height);
    int DrawingWidth() const;
    int DrawingHeight() const;
    // Replaces the clock (null: the clock stays at 0).
    void SetClock(std::unique_ptr<uiClock> newClock);
    // Advances the animation clock (0 on the first tick after construction or ResetClock, then
    // the milliseconds since) and updates every visible top-level window in order, appending
    // what they draw to the list.
    void Tick(uiDrawList& list);
    // Makes the next Tick restart the clock at 0, so that every animation waits and plays again.
    void ResetClock();
    // The animation time of the last Tick, in milliseconds.
    double ClockMs() const;

    // ---- Input ----
    // Positions are picture pixels. A widget answers only once it is drawn in its place.
    // The clickable child under the point of the first visible window that contains it, or null.
    uiWidget* FindClickable(int x, int y) const;
    // Mouse moved with no button held: moves the hover highlight.
    void MouseMoved(int x, int y);
    // Mouse moved with a button held: only records the position.
    void MouseDragged(int x, int y);
    // Only the left button acts. A press sinks the clickable widget under the mouse; a release
    // over that same widget raises it and gives it the focus (UIHOOK_LOSE_FOCUS of the old focus,
    // then UIHOOK_TAKE_FOCUS and UIHOOK_AFTER_FOCUS of the new one).
    void MouseButton(uiMouseButton button, uiButtonAction action, int x, int y);
    // Edits the focus widget's value text: Backspace removes a character, Delete clears, Tab and
    // Enter add a tab or a line feed when Shift is held (modifiers are uiModifier bits).
    void KeyPressed(uiKey key, unsigned modifiers);
    // Adds a typed character (a Unicode code point) to the focus widget's value text, in the
    // text's own form: a text of UTF-8 takes it as UTF-8, a Latin-1 text (pure ASCII included)
    // takes a code up to 255 as its byte and becomes UTF-8 for any other. Codes that are no
    // character (surrogates, above U+10FFFF) change nothing.
    void CharacterTyped(uint32_t codePoint, unsigned modifiers);
    // The widgets this context's input has reached: under the mouse, last pressed, focused.
    uiWidget* Hovered() const;
    uiWidget* Pressed() const;
    uiWidget* Focus() const;
    // Gives the widget the focus without calling hooks; null clears it. False (focus kept) for a
    // widget that is not one of this context's.
    bool SetFocus(uiWidget* widget);
    int MouseX() const;
    int MouseY() const;
    bool ButtonDown() const;
    unsigned Modifiers() const;

protected:
    // What the context holds; the toolkit's parts reach it (uiContextState.h).
    std::unique_ptr<uiContextState> state;
};
