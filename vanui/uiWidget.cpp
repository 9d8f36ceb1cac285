// The public face of widgets and windows: each call reads or changes the node behind it.
#include "uiRectMath.h"
#include "uiWidgetNode.h"

// ==== uiWidget ====

const std::string& uiWidget::Name() const {
    return Node(*this).name;
}

const std::string& uiWidget::Caption() const {
    return Node(*this).caption;
}

void uiWidget::SetCaption(const std::string& text) {
    Node(*this).caption = text;
}

int uiWidget::CaptionAlign() const {
    return Node(*this).captionAlign;
}

void uiWidget::SetCaptionAlign(int align) {
    Node(*this).captionAlign = align;
}

int uiWidget::ValueAlign() const {
    return Node(*this).valueAlign;
}

void uiWidget::SetValueAlign(int align) {
    Node(*this).valueAlign = align;
}

const uiRectF& uiWidget::Rect() const {
    return Node(*this).rect;
}

void uiWidget::SetRect(const uiRectF& newRect) {
    uiWidgetNode& node = Node(*this);
    node.rect = newRect;
    localBox = vanui::ToRectI(newRect);
    node.leftStuck = false;
    node.topStuck = false;
}

const uiRectI& uiWidget::ScreenBox() const {
    return Node(*this).screenBox;
}

const uiStyle& uiWidget::Style() const {
    return Node(*this).style;
}

void uiWidget::SetStyle(const uiStyle& newStyle) {
    Node(*this).style = newStyle;
}

void uiWidget::HighlightOn() {
    Node(*this).style.highlight = true;
}

void uiWidget::HighlightOff() {
    Node(*this).style.highlight = false;
}

void uiWidget::SetPressedLook() {
    Node(*this).style.Aspect = UIASPECT_SUNKEN;
}

void uiWidget::SetReleasedLook() {
    Node(*this).style.Aspect = UIASPECT_RAISED;
}

bool uiWidget::IsVisible() const {
    return Node(*this).visible;
}

void uiWidget::SetVisible(bool on) {
    Node(*this).visible = on;
}

bool uiWidget::IsClickable() const {
    return Node(*this).clickable;
}

const uiAnimation* uiWidget::Animation() const {
    return Node(*this).animation.get();
}

uiGroup* uiWidget::Parent() const {
    return Node(*this).parent;
}

bool uiWidget::SetHook(int slot, uiHook hook) {
    if (slot < 0 || slot >= HOOK_COUNT) {
        return false;
    }
    Node(*this).hooks[static_cast<size_t>(slot)] = std::move(hook);
    return true;
}

bool uiWidget::CallHook(int slot) {
    uiWidgetNode& node = Node(*this);
    if (slot < 0 || slot >= HOOK_COUNT || !node.hooks[static_cast<size_t>(slot)]) {
        return false;
    }
    node.hooks[static_cast<size_t>(slot)](this);
    return true;
}

bool uiWidget::IsPlaced() const {
    return Node(*this).placed;
}

bool uiWidget::HitTest(int x, int y) const {
    const uiWidgetNode& node = Node(*this);
    const uiRectI& box = node.screenBox;
    return node.placed && box.x1 < x && x < box.x2 && box.y1 < y && y < box.y2;
}

// ==== uiGroup ====

size_t uiGroup::ChildCount() const {
    return Node(*this).children.size();
}

uiWidget* uiGroup::Child(size_t index) const {
    const std::vector<std::unique_ptr<uiWidgetNode>>& children = Node(*this).children;
    return index < children.size() ? children[index].get() : nullptr;
}
