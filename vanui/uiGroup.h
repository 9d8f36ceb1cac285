// A top-level window: a widget that owns child widgets and keeps them in the order they were
// added, which is the order of updating, drawing and hit testing. Children cannot have
// children of their own. A window's placement is absolute; its children's are relative to it.
#pragma once

#include "uiWidget.h"

#include <memory>
#include <vector>

class uiGroup : public uiWidget {
public:
    // Runs the widget step on the window itself, then on every visible child in order, all
    // with the given clock: a window animates like any widget, and its children keep their
    // own animations.
    void Update(const double& clock) override;

    // Takes the child, makes this window its parent and appends it; returns the child.
    uiWidget* AddChild(std::unique_ptr<uiWidget> child);

    std::vector<std::unique_ptr<uiWidget>> children;
};
