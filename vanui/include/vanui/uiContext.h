// The UI context: everything one UI description file builds (a two-level tree of windows and
// widgets, a colour table, a font table) and the state the widget runtime keeps between frames
// (the animation clock, the mouse, the hovered, pressed and focused widgets).
//
// Ownership: the context owns its windows (and through them every widget), its colour tables,
// its clock and its font table. Widget pointers it hands out stay valid until it is destroyed.
//
// Order of calls:
//   1. Make a GL context current: the font table loads "default.krf" into a texture as the
//      context is constructed, and every font of the UI file makes one as it loads.
//   2. Construct, then LoadUiFile once (a failed load keeps what was built before the error;
//      LoadError says why it stopped).
//   3. SetDrawingArea to the area the picture is laid out for (the widgets are kept inside it).
//   4. Every frame: Tick into the frame's draw list, which advances the clock and appends every
//      visible widget in painting order; then submit the list (uiGLBackend::Submit) with a
//      projection of one unit a pixel and y growing downwards.
//   5. Between frames, pass the window's mouse and keyboard events, in picture coordinates.
//   6. Destroy the context while the GL context is still current (fonts delete their textures).
// One thread: everything above happens on the thread that owns the GL context.
#pragma once

#include <vanui/uiColorTable.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiFontTable.h>
#include <vanui/uiGroup.h>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// Where the animation clock reads the time: seconds since any fixed moment. The context reads
// the machine's monotonic clock unless it is given another one (a program that draws frames at
// chosen moments, or a test).
class uiClock {
public:
    virtual ~uiClock() = default;
    virtual double Seconds() = 0;
};

// How a context finds its fonts and reports lexical errors. The defaults: font files opened by
// their names relative to the working directory, lexical errors written to standard error.
struct uiContextSettings {
    // Folders searched in order for relative font names, "default.krf" included.
    std::vector<std::string> fontFolders;
    // Lexical errors are then only kept, as the cause of the load's error.
    bool quietLexicalErrors = false;
};

// What stopped the last load. The message is the loader's, as logged; line is where the load
// stopped (0 when no line applies, as for a file that can't be opened); cause is what lies
// behind the message where it is known: the tokenizer's lexical reason, or the message logged
// just before it (a parent that was not found). An empty message: the load read the whole file.
struct uiLoadError {
    std::string message;
    int line = 0;
    std::string cause;
};

class uiContext {
public:
    uiContext();
    explicit uiContext(uiContextSettings settings);
    ~uiContext();
    uiContext(const uiContext&) = delete;
    uiContext& operator=(const uiContext&) = delete;

    // ---- Loading ----
    // Reads the named UI file; true when the whole file was read without error.
    bool LoadUiFile(const std::string& fileName);
    // The same from an open stream; fileName names the input in messages only.
    bool Parse(std::istream& input, const std::string& fileName);
    const uiLoadError& LoadError() const { return loadError; }

    // ---- The tree and its tables ----
    const std::vector<std::unique_ptr<uiGroup>>& Windows() const { return windows; }
    // The first top-level window with the name (case-sensitive), or null.
    uiGroup* FindWindow(const std::string& windowName) const;
    // The first child of a visible top-level window with the name, or null; windows themselves
    // are not matched.
    uiWidget* FindWidget(const std::string& widgetName) const;
    // The colours the UI file set; changes show from the next frame.
    uiColorTable& Colors() { return colorTable; }
    const uiColorTable& Colors() const { return colorTable; }
    uiFontTable& Fonts() { return fonts; }

    // ---- Frames ----
    // The area, in pixels from the top left, that top-level windows are kept inside.
    void SetDrawingArea(int width, int height);
    int DrawingWidth() const { return screenWidth; }
    int DrawingHeight() const { return screenHeight; }
    // Replaces the clock (null: the clock stays at 0).
    void SetClock(std::unique_ptr<uiClock> newClock);
    // Advances the animation clock (0 on the first tick after construction or ResetClock, then
    // the milliseconds since) and updates every visible top-level window in order, appending
    // what they draw to the list.
    void Tick(uiDrawList& list);
    // Makes the next Tick restart the clock at 0, so that every animation waits and plays again.
    void ResetClock();
    // The animation time of the last Tick, in milliseconds.
    double ClockMs() const { return clockMs; }

    // ---- Input ----
    // Positions are picture pixels. A widget answers only once it is drawn in its place.
    // The clickable child under the point of the first visible window that contains it, or null.
    uiWidget* FindClickable(int x, int y) const;
    // Mouse moved with no button held: moves the hover highlight and shows the position in the
    // hovered widget's value text.
    void MouseMoved(int x, int y);
    // Mouse moved with a button held: only records the position.
    void MouseDragged(int x, int y);
    // Button 0 is the left button; state 0 is down, any other state up. A press sinks the
    // clickable widget under the mouse; a release over that same widget raises it and gives it
    // the focus (focus hooks: slot 1 of the old focus, then slots 0 and 5 of the new one).
    void MouseButton(int button, int state, int x, int y);
    // Edits the focus widget's value text; modifiers are GLUT's bits (1 is Shift). Backspace
    // removes a character, Delete clears, Escape writes "ESC", Shift+Tab and Shift+Enter add a
    // tab or a line feed; other codes 0 to 255 are Latin-1 characters, added to a UTF-8 text
    // as UTF-8 and to any other text as the byte, so the text keeps showing what was typed.
    void KeyPressed(int key, int modifiers);
    // The widgets this context's input has reached: under the mouse, last pressed, focused.
    uiWidget* Hovered() const { return hovered; }
    uiWidget* Pressed() const { return pressed; }
    uiWidget* Focus() const { return focus; }
    void SetFocus(uiWidget* widget) { focus = widget; }
    int MouseX() const { return mouseX; }
    int MouseY() const { return mouseY; }
    bool ButtonDown() const { return buttonDown; }
    int Modifiers() const { return modifiers; }

private:
    // The loader builds the tree and fills the tables; widgets read the tables and the fonts.
    friend class uiLoader;
    friend class uiWidget;
    friend struct uiWidgetInternals;

    std::vector<std::unique_ptr<uiGroup>> windows;
    uiColorTable colorTable;
    uiColorTable workColors;
    std::unique_ptr<uiClock> clock;
    double clockMs = 0.0;
    double clockStart = 0.0;
    bool clockStarted = false;
    uiFontTable fonts;
    int screenWidth = 0;
    int screenHeight = 0;
    int mouseX = 0;
    int mouseY = 0;
    bool buttonDown = false;
    int modifiers = 0;
    uiWidget* hovered = nullptr;
    uiWidget* pressed = nullptr;
    uiWidget* focus = nullptr;
    bool quietLexicalErrors = false;
    uiLoadError loadError;
    // The list the widgets draw into during a Tick; null between frames.
    uiDrawList* drawList = nullptr;
};
