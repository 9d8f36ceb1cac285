// The UI context: everything one UI description file builds, and the state the widget runtime
// keeps between frames. Construction makes the colour table and the working colour set with
// their default colours, a performance timer and the font table (which loads "default.krf",
// so a GL context must be current). LoadUiFile then reads a UI file into it, section by
// section; the first error stops the load and what was built before it stays.
//
// The context owns its windows (and through them every widget), both colour tables, the
// timer and the font table. Widgets borrow the context and the tables.
#pragma once

#include "Timer.h"
#include "uiColorTable.h"
#include "uiFontTable.h"
#include "uiGroup.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace drev {
class Hash;
}

// How a context finds its fonts and reports lexical errors. The defaults are the console
// bench's: font files opened by their names in the working directory, lexical errors written
// to standard error.
struct uiContextSettings {
    // Folders searched in order for relative font names, "default.krf" included.
    std::vector<std::string> fontFolders;
    // Lexical errors are then only kept, as the cause of the load's error.
    bool quietLexicalErrors = false;
};

// What stopped the last load. The message is the loader's, as logged; line is where the load
// stopped (0 when no line applies, as for a file that can't be opened); cause is what lies
// behind the message where it is known: the Tokenizer's lexical reason, or the message logged
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
    // Forgets the hovered and pressed widgets if they belong to this context's tree.
    ~uiContext();
    uiContext(const uiContext&) = delete;
    uiContext& operator=(const uiContext&) = delete;

    // Reads the named UI file. True when the whole file was read without error.
    bool LoadUiFile(const std::string& fileName);
    // The section loop over an open stream; fileName names the input in messages only.
    bool Parse(std::istream& input, const std::string& fileName);
    // Why the last LoadUiFile or Parse stopped.
    const uiLoadError& LoadError() const { return loadError; }
    // Logs the error that stops the load and keeps it, with its line and cause, as the load's
    // error (the section readers' own use).
    void FailLoad(int line, const std::string& message, const std::string& cause);
    // The code of a section's first token: UITYPE_COLORTABLE, UITYPE_FONTTABLE, a widget type
    // code, or UITYPE_NONE for any other text (compared exactly).
    static int TypeCode(const std::string& typeName);

    // Section readers, called by Parse.
    // Applies the fourteen colour entries in index order up to the first missing or bad one.
    // Returns 14 when the table was complete, else 0 (the entries before the bad one stay).
    int FillColorTable(const drev::Hash& table);
    // Tries all five font entries; count receives the number of fonts loaded. True when all
    // five were present and loaded.
    bool FillFontTable(const drev::Hash& table, int& count);
    // Makes the item's widget and links it under its parent. False only when the parent is
    // not a top-level window; an item that makes no widget is logged and skipped.
    bool ParseItem(const std::string& typeName, const std::string& itemName, const std::string& parentName,
                   const drev::Hash& settings);
    // Copies the keys of a Style block over the widget's style. Always true.
    static bool ApplyStyle(uiWidget& widget, const drev::Hash& block);
    // Gives the widget a new animation record filled from an Animation block. False when the
    // record could not be allocated; the widget then keeps no animation.
    static bool ApplyAnimation(uiWidget& widget, const drev::Hash& block);

    // The first top-level window with the name (case-sensitive), or null.
    uiGroup* FindWindow(const std::string& windowName) const;
    // The first child of a visible top-level window with the name, or null; windows
    // themselves are not matched.
    uiWidget* FindWidget(const std::string& widgetName) const;

    // Replaces the animation clock's timer (tests use a controllable one).
    void SetTimer(std::unique_ptr<drev::Timer> newTimer);

    // Once per frame: advances the animation clock (0 on the first tick after a start or a
    // ResetClock, then milliseconds of the timer) and updates, and so draws, every visible
    // top-level window in order. Needs a current GL context.
    void Tick();
    // Makes the next Tick restart the clock at 0, so that every animation waits and plays again.
    void ResetClock();

    // Input from the window's event callbacks. Positions are window pixels.
    // The clickable child under the point of the first visible window that contains it, or
    // null; windows themselves are never returned.
    uiWidget* FindClickable(int x, int y) const;
    // Mouse moved with no button held: moves the hover highlight and shows the position in
    // the hovered widget's value text.
    void MouseMoved(int x, int y);
    // Mouse moved with a button held: only records the position.
    void MouseDragged(int x, int y);
    // Button 0 is the left button; state 0 is down, any other state up. A press sinks the
    // clickable widget under the mouse; a release over that same widget raises it and gives
    // it the focus (focus hooks: slot 1 of the old focus, then slots 0 and 5 of the new one).
    void MouseButton(int button, int state, int x, int y);
    // Edits the focus widget's value text; modifiers are GLUT's bits (1 is Shift).
    void KeyPressed(int key, int modifiers);

    // The hovered and the pressed widget are held once per process, for the one window there
    // is; null when there is none.
    static uiWidget* HoveredWidget();
    static uiWidget* PressedWidget();
    // Forgets both (tests start each case from a clean state).
    static void ResetInputTargets();

    std::vector<std::unique_ptr<uiGroup>> windows;
    uiColorTable colorTable;
    uiColorTable workColors;
    std::unique_ptr<drev::Timer> timer;
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
    uiWidget* focus = nullptr;

private:
    bool Holds(const uiWidget* widget) const;

    bool quietLexicalErrors = false;
    uiLoadError loadError;
};
