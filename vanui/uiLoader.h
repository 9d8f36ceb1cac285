// The UI file loader: reads a UI description file section by section into the parts of a
// context it is given (its list of top-level windows, its colour table and its font table). A
// section is a uiFontTable or uiColorTable hash, or a widget item (type name, item name, parent
// name and a hash of settings with Style and Animation blocks). Every problem is reported once to
// the sink, with the file name and, where it is known, the line; the first error ends the load,
// keeps what was built before it and is kept as the load's error. The widgets it makes have no
// context yet: whoever asked for the load adopts them (uiWidgetNode::Adopt).
//
// The section readers are members so that the tests of each section can call them on a hash.
#pragma once

#include "uiWidgetNode.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace drev {
class Hash;
}

// The code of an item's type name, as the UI file's first token of a section gives it.
enum uiTypeCode {
    UITYPE_NONE = 0,
    UITYPE_COLORTABLE = 4,
    UITYPE_FONTTABLE = 5,
    UITYPE_WINDOW = 7,
    UITYPE_BEVEL = 8,
    UITYPE_LABEL = 9,
    UITYPE_BUTTON = 10,
    UITYPE_TEXT = 15,
};

// What a load fills: borrowed parts of one context.
struct uiLoadTarget {
    std::vector<std::unique_ptr<uiWidgetNode>>& windows;
    uiColorTable& colors;
    uiFontTable& fonts;
    const uiMessageSink* messages;
    // The value texts start as "<name>::val".
    bool echoInput;
};

class uiLoader {
public:
    explicit uiLoader(const uiLoadTarget& target) : target(target) {}

    // Reads the named file. True when the whole file was read without error.
    bool LoadFile(const std::string& fileName);
    // The section loop over an open stream; fileName names the input in messages only.
    bool Parse(std::istream& input, const std::string& fileName);
    // What stopped the load; an empty message when it read the whole input.
    const uiLoadError& Error() const { return error; }

    // The code of a section's first token: UITYPE_COLORTABLE, UITYPE_FONTTABLE, a widget type
    // code, or UITYPE_NONE for any other text (compared exactly).
    static int TypeCode(const std::string& typeName);

    // Applies the fourteen colour entries in index order up to the first missing or bad one.
    // Returns 14 when the table was complete, else 0 (the entries before the bad one stay).
    int FillColorTable(const drev::Hash& table);
    // Tries all five font entries; count receives the number of fonts loaded. True when all
    // five were present and loaded.
    bool FillFontTable(const drev::Hash& table, int& count);
    // Makes the item's widget and links it under its parent; line is where the item starts. False
    // only when the parent is not a top-level window; an item that makes no widget is reported
    // and skipped.
    bool ParseItem(const std::string& typeName, const std::string& itemName, const std::string& parentName,
                   const drev::Hash& settings, int line = 0);
    // Copies the keys of a Style block over the widget's style.
    static void ApplyStyle(uiWidgetNode& widget, const drev::Hash& block);
    // Gives the widget a new animation record filled from an Animation block. False when the
    // record could not be allocated; the widget then keeps no animation.
    bool ApplyAnimation(uiWidgetNode& widget, const drev::Hash& block);

    // Reports the error that stops the load and keeps it, with its line and cause.
    void FailLoad(int line, const std::string& message, const std::string& cause);
    // The cause kept for the load's error so far: a parent that was not found.
    const std::string& Cause() const { return error.cause; }
    // A message about the file being read, at the line (0: the file as a whole).
    void Report(uiSeverity severity, int line, const std::string& text) const;

private:
    void SetItemStyle(uiWidgetNode& widget, const drev::Hash& settings, int line);
    void SetItemAnimation(uiWidgetNode& widget, const drev::Hash& settings, int line);

    uiLoadTarget target;
    std::string fileName;
    uiLoadError error;
};
