// A top-level window: a widget that owns child widgets and keeps them in the order they were
// added, which is the order of updating, drawing and hit testing. Children cannot have
// children of their own. A window's placement is absolute; its children's are relative to it.
// The context's loader builds windows and their children; a program reads them here.
#pragma once

#include <vanui/uiWidget.h>

#include <cstddef>

class uiGroup : public uiWidget {
public:
    size_t ChildCount() const;
    // The child at the index, in file order; null past the last one.
    uiWidget* Child(size_t index) const;

protected:
    uiGroup() = default;
    ~uiGroup() = default;
};
