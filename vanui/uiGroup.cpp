#include <vanui/uiGroup.h>

void uiGroup::Update(const double& clock) {
    uiWidget::Update(clock);
    for (const std::unique_ptr<uiWidget>& child : children) {
        if (child->visible) {
            child->Update(clock);
        }
    }
}

uiWidget* uiGroup::AddChild(std::unique_ptr<uiWidget> child) {
    child->parent = this;
    children.push_back(std::move(child));
    return children.back().get();
}
