#include "uiWidget.h"

void uiWidget::HighlightOn() {
    style.highlight = true;
}

void uiWidget::HighlightOff() {
    style.highlight = false;
}

bool uiWidget::CallHook(int slot) {
    if (slot < 0 || slot >= HOOK_COUNT || !hooks[slot]) {
        return false;
    }
    hooks[slot](this);
    return true;
}

void uiWidget::SetRect(const uiRectF& newRect) {
    rect = newRect;
    localBox = ToRectI(rect);
    leftStuck = false;
    topStuck = false;
}

std::unique_ptr<uiWidget> CreateWidget(int typeCode) {
    switch (typeCode) {
    case UITYPE_WINDOW:
    case UITYPE_BEVEL:
    case UITYPE_LABEL:
    case UITYPE_BUTTON: {
        auto widget = std::make_unique<uiWidget>();
        widget->clickable = typeCode == UITYPE_BUTTON;
        return widget;
    }
    default:
        return nullptr;
    }
}
