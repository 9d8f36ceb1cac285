// The UI file loader: reads a UI description file into a context, section by section. A section
// is a uiFontTable or uiColorTable hash, or a widget item (type name, item name, parent name and
// a hash of settings with Style and Animation blocks). Every problem is logged once, with the
// file name and, for what the tokenizer reads, the line; the first error ends the load, keeps
// what was built before it and is kept as the context's load error.
//
// The section readers are members so that the tests of each section can call them on a hash.
#pragma once

#include <vanui/uiContext.h>

#include <iosfwd>
#include <string>

namespace drev {
class Hash;
}

class uiLoader {
public:
    explicit uiLoader(uiContext& context) : context(context) {}

    // Reads the named file. True when the whole file was read without error.
    bool LoadFile(const std::string& fileName);
    // The section loop over an open stream; fileName names the input in messages only.
    bool Parse(std::istream& input, const std::string& fileName);

    // The code of a section's first token: UITYPE_COLORTABLE, UITYPE_FONTTABLE, a widget type
    // code, or UITYPE_NONE for any other text (compared exactly).
    static int TypeCode(const std::string& typeName);

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

    // Logs the error that stops the load and keeps it, with its line and cause, as the
    // context's load error.
    void FailLoad(int line, const std::string& message, const std::string& cause);

    // The cause kept for the load's error so far: a parent that was not found.
    const std::string& Cause() const { return context.loadError.cause; }

private:
    void SetUpWidget(uiWidget& widget, const std::string& itemName, const uiRectF& placement);
    void SetItemStyle(uiWidget& widget, const drev::Hash& settings);
    void SetItemAnimation(uiWidget& widget, const drev::Hash& settings);

    uiContext& context;
};
