// A top-level window: a widget that owns child widgets and keeps them in the order they were
// added, which is the order of updating, drawing and hit testing. Children cannot have
// children of their own. A window's placement is absolute; its children's are relative to it.
// The context's loader builds windows and their children; a program reads them here.
#pragma once

#include <vanui/uiWidget.h>

#include <memory>
#include <vector>

class uiGroup : public uiWidget {
public:
    const std::vector<std::unique_ptr<uiWidget>>& Children() const { return children; }

protected:
    // Runs the widget step on the window itself, then on every visible child in order, all
    // with the given clock: a window animates like any widget, and its children keep their
    // own animations.
    void Update(const double& clock) override;

private:
    friend class uiContext;
    friend class uiLoader;
    friend struct uiWidgetInternals;

    // Takes the child, makes this window its parent and appends it; returns the child.
    uiWidget* AddChild(std::unique_ptr<uiWidget> child);

    std::vector<std::unique_ptr<uiWidget>> children;
};
