// The per-frame step of a widget: placement, animation and drawing. The runtime corrects rather
// than rejects: a placement that sticks out is pulled back and reported once, an animation type
// it does not know is reset and reported once.
#include "uiWidgetNode.h"

#include "uiRectMath.h"
#include "uiReport.h"
#include "uiWidgetDrawing.h"

using vanui::FormatMessage;

namespace {

// How far a far edge, moved by origin, sticks out past limit; 0 when it does not. The edges
// and the origin are whole numbers, so the difference is too, and in doubles it cannot wrap.
int Overflow(int32_t farEdge, double origin, int32_t limit) {
    const double over = static_cast<double>(farEdge) + origin - static_cast<double>(limit);
    return over > 0.0 ? vanui::TruncateToInt(over) : 0;
}

uiRectI Moved(const uiRectI& box, double ox, double oy) {
    return uiRectI{vanui::TruncateToInt(box.x1 + ox), vanui::TruncateToInt(box.y1 + oy),
                   vanui::TruncateToInt(box.x2 + ox), vanui::TruncateToInt(box.y2 + oy)};
}

} // namespace

uiWidgetNode* vanui::FindWindow(const std::vector<std::unique_ptr<uiWidgetNode>>& windows,
                                const std::string& windowName) {
    for (const std::unique_ptr<uiWidgetNode>& window : windows) {
        if (window->name == windowName) {
            return window.get();
        }
    }
    return nullptr;
}

uiWidgetNode::uiWidgetNode(const std::string& itemName, bool isClickable)
    : name(itemName), clickable(isClickable), caption(itemName) {
    valueText.SetOwner(&name, nullptr);
}

uiWidgetNode* uiWidgetNode::AddChild(std::unique_ptr<uiWidgetNode> child) {
    child->parent = this;
    if (context != nullptr) {
        child->Adopt(*context);
    }
    children.push_back(std::move(child));
    return children.back().get();
}

void uiWidgetNode::Adopt(uiContextState& owner) {
    context = &owner;
    valueText.SetOwner(&name, owner.Messages());
    for (const std::unique_ptr<uiWidgetNode>& child : children) {
        child->Adopt(owner);
    }
}

// ==== Update ====

void uiWidgetNode::Update(double clock) {
    Step(clock);
    for (const std::unique_ptr<uiWidgetNode>& child : children) {
        if (child->visible) {
            child->Step(clock);
        }
    }
}

void uiWidgetNode::Step(double clock) {
    if (!visible || context == nullptr) {
        return;
    }
    // A top-level window's localBox is absolute, so it is its children's origin.
    const double ox = parent != nullptr ? parent->localBox.x1 : 0.0;
    const double oy = parent != nullptr ? parent->localBox.y1 : 0.0;
    KeepInside(ox, oy);
    if (!animation) {
        DrawInPlace(ox, oy);
        return;
    }
    Animate(clock, ox, oy);
}

// ==== Placement ====

void uiWidgetNode::ReportCorrection(const std::string& text) {
    vanui::Deliver(context->Messages(), uiMessage{uiSeverity::Error, text, context->fileName, sourceLine, false});
}

// Only the right and bottom edges are pulled back; a negative Left or Top stays.
void uiWidgetNode::KeepInside(double ox, double oy) {
    const int32_t right = parent != nullptr ? parent->localBox.x2 : context->screenWidth;
    const int32_t bottom = parent != nullptr ? parent->localBox.y2 : context->screenHeight;

    const int dx = Overflow(localBox.x2, ox, right);
    if (dx > 0) {
        if (!leftStuck && parent != nullptr) {
            ReportCorrection(FormatMessage("Left of [%s] places it outside of parent [%s]. Left forced by [-%d].",
                                           name.c_str(), parent->name.c_str(), dx));
        } else if (!leftStuck) {
            ReportCorrection(
                FormatMessage("Left of [%s] places it outside of window. Left forced by [-%d].", name.c_str(), dx));
        }
        rect.Left -= static_cast<float>(dx);
        localBox = vanui::ToRectI(rect);
        leftStuck = Overflow(localBox.x2, ox, right) > 0;
    }

    const int dy = Overflow(localBox.y2, oy, bottom);
    if (dy > 0) {
        if (!topStuck && parent != nullptr) {
            ReportCorrection(FormatMessage("Top of [%s] places it outside of parent [%s]. Top forced by [-%d].",
                                           name.c_str(), parent->name.c_str(), dy));
        } else if (!topStuck) {
            ReportCorrection(
                FormatMessage("Top of [%s] places it outside of window. Top forced by [-%d].", name.c_str(), dy));
        }
        rect.Top -= static_cast<float>(dy);
        localBox = vanui::ToRectI(rect);
        topStuck = Overflow(localBox.y2, oy, bottom) > 0;
    }
}

// The normal look: full colours, the widget at its place, its texts. Hit tests may use the
// new screenBox from now on.
void uiWidgetNode::DrawInPlace(double ox, double oy) {
    context->workColors.Refresh(context->colorTable, style, 1.0f);
    if (context->drawList != nullptr) {
        vanui::Draw(*context->drawList, rect, static_cast<float>(ox), static_cast<float>(oy), style,
                    context->workColors);
    }
    screenBox = Moved(vanui::ToRectI(rect), ox, oy);
    placed = true;
    DrawTexts();
}

// ==== Animation ====

void uiWidgetNode::Animate(double clock, double ox, double oy) {
    if (!animStarted) {
        StartAnimation(clock);
    } else {
        animTime = clock - animStart;
    }
    if (!(animTime > animation->Wait)) {
        placed = false;
        return;
    }
    // A Duration of 0 or less ends the animation as soon as the wait does, so the running
    // phase below always has a positive Duration to divide by.
    if (animTime > static_cast<double>(animation->Wait) + animation->Duration) {
        DrawInPlace(ox, oy);
        return;
    }
    placed = false;
    RunAnimation(ox, oy);
}

void uiWidgetNode::StartAnimation(double clock) {
    animStarted = true;
    animStart = clock;
    animTime = 0.0;
    animLast = 0.0;
    animProgress = 0.0f;
    fade = 0.0f;
    localBox = vanui::ToRectI(rect);
    pathDX = static_cast<float>(localBox.x1) - animation->StartX;
    pathDY = static_cast<float>(localBox.y1) - animation->StartY;
    extentX = 0.0f;
    extentY = 0.0f;
}

// Progress adds up the frame-to-frame times, so the first running frame moves nothing and a
// replay after the clock restarts rises again from about 0.
void uiWidgetNode::RunAnimation(double ox, double oy) {
    if (animLast == 0.0) {
        animLast = animTime;
    }
    const double speed = (animTime - animLast) / animation->Duration;
    animLast = animTime;
    animProgress += static_cast<float>(speed);
    if (animation->DoFade) {
        fade += static_cast<float>(speed);
    } else {
        fade = 1.0f;
    }
    context->workColors.Refresh(context->colorTable, style, fade);

    if (animation->DoPath) {
        ox -= pathDX - pathDX * animProgress;
        oy -= pathDY - pathDY * animProgress;
    }
    SetExtents();

    if (context->drawList == nullptr) {
        return;
    }
    uiDrawList& list = *context->drawList;
    const float x = static_cast<float>(ox);
    const float y = static_cast<float>(oy);
    switch (animation->Type) {
    case UIANIMT_ROLLX:
    case UIANIMT_ROLLY:
    case UIANIMT_ROLLXY:
        vanui::DrawRoll(list, rect, x, y, extentX, extentY, style, context->workColors);
        break;
    case UIANIMT_STRETCHX:
    case UIANIMT_STRETCHY:
    case UIANIMT_STRETCHXY:
        vanui::DrawStretch(list, rect, x, y, extentX, extentY, style, context->workColors);
        break;
    default:
        vanui::Draw(list, rect, x, y, style, context->workColors);
        break;
    }
}

// A Type outside the table is reset in the animation record, so it is reported once.
void uiWidgetNode::SetExtents() {
    switch (animation->Type) {
    case UIANIMT_NONE:
        break;
    case UIANIMT_ROLLX:
    case UIANIMT_STRETCHX:
        extentX = animProgress;
        extentY = 1.0f;
        break;
    case UIANIMT_ROLLY:
    case UIANIMT_STRETCHY:
        extentX = 1.0f;
        extentY = animProgress;
        break;
    case UIANIMT_ROLLXY:
    case UIANIMT_STRETCHXY:
        extentX = animProgress;
        extentY = animProgress;
        break;
    default:
        ReportCorrection(FormatMessage("[%s]: Wrong animation type [%d]. Forced to UIANIMT_NONE [0]", name.c_str(),
                                       animation->Type));
        animation->Type = UIANIMT_NONE;
        break;
    }
}

// ==== Drawing ====

void uiWidgetNode::DrawTexts() {
    if (context->drawList == nullptr) {
        return;
    }
    const uiColor& text = context->workColors.GetEntry(UICOLOR_TEXT);
    vanui::DrawCaptionText(*context->drawList, context->fonts.Slot(UIFONT_LABEL), caption, screenBox, captionAlign,
                           text);
    vanui::DrawValueTextAligned(*context->drawList, context->fonts.Slot(UIFONT_TEXT), valueText.Text(), screenBox,
                                valueAlign, text);
}
