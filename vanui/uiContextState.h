// What a uiContext holds, for the toolkit's parts to read and write: the tree, the colour tables,
// the fonts, the clock, the input state and the list a Tick draws into. The context's public
// calls and the widgets' per-frame steps work on it directly.
#pragma once

#include "uiColorSet.h"
#include <vanui/uiContext.h>

#include <memory>
#include <string>
#include <vector>

class uiWidgetNode;

struct uiContextState {
    explicit uiContextState(uiContextSettings settings);

    // The sink the context's parts report to; null when messages go to standard error.
    const uiMessageSink* Messages() const { return messages ? &messages : nullptr; }

    // First, so that the tables and fonts below can borrow it.
    uiMessageSink messages;
    bool echoInput;
    std::vector<std::unique_ptr<uiWidgetNode>> windows;
    uiColorTable colorTable;
    // The colours of the widget being drawn (uiColorSet.h).
    uiColorSet workColors;
    std::unique_ptr<uiClock> clock;
    double clockMs = 0.0;
    double clockStart = 0.0;
    bool clockStarted = false;
    uiFontTable fonts;
    // The UI file last loaded, named in the messages of its widgets.
    std::string fileName;
    int screenWidth = 0;
    int screenHeight = 0;
    int mouseX = 0;
    int mouseY = 0;
    bool buttonDown = false;
    unsigned modifiers = 0;
    uiWidgetNode* hovered = nullptr;
    uiWidgetNode* pressed = nullptr;
    uiWidgetNode* focus = nullptr;
    uiLoadError loadError;
    // The list the widgets draw into during a Tick; null between frames.
    uiDrawList* drawList = nullptr;
};

// The state behind a context, for the toolkit's parts that are not the context's own calls.
inline uiContextState& StateOf(uiContext& context) {
    // A pointer to the protected member, named through a class derived from the context.
    struct Access : uiContext {
        static std::unique_ptr<uiContextState> uiContext::*Member() { return &Access::state; }
    };
    return *(context.*Access::Member());
}
inline const uiContextState& StateOf(const uiContext& context) {
    return StateOf(const_cast<uiContext&>(context));
}
