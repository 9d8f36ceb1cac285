// A widget of the two-level tree: its accessors and hooks, the per-frame step (keep it inside its
// parent or the drawing area, advance its animation through wait, run and finish, draw it with
// the working colour set refreshed for it) and the looks the context's input gives it. The
// animation steps leave traces at a log type below LOG_TYPE_DEBUG, which the log drops.
#include <vanui/uiContext.h>
#include <vanui/uiWidget.h>

#include "Log.h"
#include "uiWidgetDrawing.h"

using namespace drev;

namespace {

constexpr int PRESSED_ASPECT = 4;
constexpr int RELEASED_ASPECT = 3;

// Per-frame traces: one below LOG_TYPE_DEBUG, so never written.
constexpr int TRACE_TYPE = LOG_TYPE_DEBUG - 1;

// How far a far edge, moved by origin, sticks out past limit; 0 when it does not. The edges
// and the origin are whole numbers, so the difference is too, and in doubles it cannot wrap.
int Overflow(int32_t farEdge, double origin, int32_t limit) {
    const double over = static_cast<double>(farEdge) + origin - static_cast<double>(limit);
    return over > 0.0 ? vanui::TruncateToInt(over) : 0;
}

uiRectI Moved(const uiRectI& box, double ox, double oy) {
    return uiRectI{vanui::TruncateToInt(box.x1 + ox), vanui::TruncateToInt(box.y1 + oy), vanui::TruncateToInt(box.x2 + ox),
                   vanui::TruncateToInt(box.y2 + oy)};
}

} // namespace

// ---- Accessors and hooks ----

void uiWidget::SetRect(const uiRectF& newRect) {
    rect = newRect;
    localBox = vanui::ToRectI(rect);
    leftStuck = false;
    topStuck = false;
}

void uiWidget::HighlightOn() {
    style.highlight = true;
}

void uiWidget::HighlightOff() {
    style.highlight = false;
}

void uiWidget::SetHook(int slot, uiHook hook) {
    if (slot >= 0 && slot < HOOK_COUNT) {
        hooks[static_cast<size_t>(slot)] = std::move(hook);
    }
}

bool uiWidget::CallHook(int slot) {
    if (slot < 0 || slot >= HOOK_COUNT || !hooks[static_cast<size_t>(slot)]) {
        return false;
    }
    hooks[static_cast<size_t>(slot)](this);
    return true;
}

// ---- Input ----

bool uiWidget::HitTest(int x, int y) const {
    return placed && screenBox.x1 < x && x < screenBox.x2 && screenBox.y1 < y && y < screenBox.y2;
}

void uiWidget::SetPressedLook() {
    style.Aspect = PRESSED_ASPECT;
}

void uiWidget::SetReleasedLook() {
    style.Aspect = RELEASED_ASPECT;
}

// ---- Update ----

void uiWidget::Update(const double& clock) {
    if (!visible || context == nullptr || colorTable == nullptr || workColors == nullptr) {
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

// ---- Placement ----

// Only the right and bottom edges are pulled back; a negative Left or Top stays.
void uiWidget::KeepInside(double ox, double oy) {
    const int32_t right = parent != nullptr ? parent->localBox.x2 : context->screenWidth;
    const int32_t bottom = parent != nullptr ? parent->localBox.y2 : context->screenHeight;

    const int dx = Overflow(localBox.x2, ox, right);
    if (dx > 0) {
        if (!leftStuck && parent != nullptr) {
            Log(LOG_TYPE_ERROR, "Left of [%s] places it outside of parent [%s]. Left forced by [-%d].",
                name.c_str(), parent->name.c_str(), dx);
        } else if (!leftStuck) {
            Log(LOG_TYPE_ERROR, "Left of [%s] places it outside of window. Left forced by [-%d].",
                name.c_str(), dx);
        }
        rect.Left -= static_cast<float>(dx);
        localBox = vanui::ToRectI(rect);
        leftStuck = Overflow(localBox.x2, ox, right) > 0;
    }

    const int dy = Overflow(localBox.y2, oy, bottom);
    if (dy > 0) {
        if (!topStuck && parent != nullptr) {
            Log(LOG_TYPE_ERROR, "Top of [%s] places it outside of parent [%s]. Top forced by [-%d].",
                name.c_str(), parent->name.c_str(), dy);
        } else if (!topStuck) {
            Log(LOG_TYPE_ERROR, "Top of [%s] places it outside of window. Top forced by [-%d].", name.c_str(),
                dy);
        }
        rect.Top -= static_cast<float>(dy);
        localBox = vanui::ToRectI(rect);
        topStuck = Overflow(localBox.y2, oy, bottom) > 0;
    }
}

// The normal look: full colours, the widget at its place, its texts. Hit tests may use the
// new screenBox from now on.
void uiWidget::DrawInPlace(double ox, double oy) {
    uiColorTable::RefreshWorkingSet(*workColors, style, *colorTable, 1.0f);
    Draw(static_cast<float>(ox), static_cast<float>(oy));
    screenBox = Moved(vanui::ToRectI(rect), ox, oy);
    placed = true;
    DrawCaption();
    DrawValueText();
}

// ---- Animation ----

void uiWidget::Animate(const double& clock, double ox, double oy) {
    if (!animStarted) {
        StartAnimation(clock, ox, oy);
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

void uiWidget::StartAnimation(const double& clock, double ox, double oy) {
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
    Log(TRACE_TYPE, "[%s]Animation: X[%4.2f] Y[%4.2f] ar.ix[%4.2f] ar.iy[%4.2f] stX[%4.2f] stY[%4.2f]",
        name.c_str(), ox, oy, static_cast<double>(localBox.x1), static_cast<double>(localBox.y1),
        static_cast<double>(animation->StartX), static_cast<double>(animation->StartY));
    Log(TRACE_TYPE, "[%s]Anim.path: dtX[%4.2f] dtY[%4.2f]", name.c_str(), static_cast<double>(pathDX),
        static_cast<double>(pathDY));
}

// Progress adds up the frame-to-frame times, so the first running frame moves nothing and a
// replay after the clock restarts rises again from about 0.
void uiWidget::RunAnimation(double ox, double oy) {
    if (animLast == 0.0) {
        animLast = animTime;
    }
    const double speed = (animTime - animLast) / animation->Duration;
    animLast = animTime;
    animProgress += static_cast<float>(speed);
    Log(TRACE_TYPE, "[%s]Anim.: time[%6.2f] speed[%4.5f] progr.[%4.3f]", name.c_str(), animTime, speed,
        static_cast<double>(animProgress));
    if (animation->DoFade) {
        fade += static_cast<float>(speed);
        Log(TRACE_TYPE, "[%s]Anim.: fade[%4.2f] speed[%4.5f] progr.[%4.3f]", name.c_str(),
            static_cast<double>(fade), speed, static_cast<double>(animProgress));
    } else {
        fade = 1.0f;
    }
    uiColorTable::RefreshWorkingSet(*workColors, style, *colorTable, fade);

    if (animation->DoPath) {
        ox -= pathDX - pathDX * animProgress;
        oy -= pathDY - pathDY * animProgress;
        Log(TRACE_TYPE, "[%s]Anim.path.par: X[%4.2f] Y[%4.2f] dtaX[%4.2f] dtaY[%4.2f] progr.[%4.2f]",
            name.c_str(), ox, oy, static_cast<double>(pathDX), static_cast<double>(pathDY),
            static_cast<double>(animProgress));
    }
    SetExtents();

    const float x = static_cast<float>(ox);
    const float y = static_cast<float>(oy);
    switch (animation->Type) {
    case UIANIMT_ROLLX:
    case UIANIMT_ROLLY:
    case UIANIMT_ROLLXY:
        Log(TRACE_TYPE, "[%s]DrawRoll: x[%4.2f] y[%4.2f] ex[%4.3f] ey[%4.3f]", name.c_str(), ox, oy,
            static_cast<double>(extentX), static_cast<double>(extentY));
        DrawRoll(x, y, extentX, extentY);
        break;
    case UIANIMT_STRETCHX:
    case UIANIMT_STRETCHY:
    case UIANIMT_STRETCHXY:
        Log(TRACE_TYPE, "[%s]DrawStretch: x[%4.2f] y[%4.2f] ex[%4.3f] ey[%4.3f]", name.c_str(), ox, oy,
            static_cast<double>(extentX), static_cast<double>(extentY));
        DrawStretch(x, y, extentX, extentY);
        break;
    default:
        Draw(x, y);
        break;
    }
}

// A Type outside the table is reset in the animation record, so it is reported once.
void uiWidget::SetExtents() {
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
        Log(LOG_TYPE_ERROR, "[%s]: Wrong animation type [%d]. Forced to UIANIMT_NONE [0]", name.c_str(),
            animation->Type);
        animation->Type = UIANIMT_NONE;
        break;
    }
}

// ---- Drawing ----
// Into the list of the frame the context is ticking; a widget updated outside a frame draws
// nothing.

void uiWidget::Draw(float ox, float oy) {
    if (workColors != nullptr && context->drawList != nullptr) {
        vanui::Draw(*context->drawList, rect, ox, oy, style, *workColors);
    }
}

void uiWidget::DrawStretch(float ox, float oy, float ex, float ey) {
    if (workColors != nullptr && context->drawList != nullptr) {
        vanui::DrawStretch(*context->drawList, rect, ox, oy, ex, ey, style, *workColors);
    }
}

void uiWidget::DrawRoll(float ox, float oy, float ex, float ey) {
    if (workColors != nullptr && context->drawList != nullptr) {
        vanui::DrawRoll(*context->drawList, rect, ox, oy, ex, ey, style, *workColors);
    }
}

void uiWidget::DrawCaption() {
    if (workColors != nullptr && context->drawList != nullptr) {
        vanui::DrawCaptionText(*context->drawList, context->fonts.Slot(1), caption, screenBox, captionAlign,
                               workColors->GetEntry(UICOLOR_TEXT));
    }
}

void uiWidget::DrawValueText() {
    if (workColors != nullptr && context->drawList != nullptr) {
        vanui::DrawValueTextAligned(*context->drawList, context->fonts.Slot(2), valueText.Text(), screenBox,
                                    valueAlign, workColors->GetEntry(UICOLOR_TEXT));
    }
}
