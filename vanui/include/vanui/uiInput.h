// Input in the toolkit's own terms: what a platform layer (GLUT's, GLFW's, a browser's) turns its
// events into before it hands them to a context (uiContext's input calls). Positions are picture
// pixels, the units the context lays its widgets out in.
#pragma once

#include <cstdint>

enum class uiMouseButton : uint8_t { Left, Middle, Right, Other };

enum class uiButtonAction : uint8_t { Press, Release };

// The keys the toolkit treats specially; every other key arrives as the character it types.
enum class uiKey : uint8_t { Backspace, Delete, Escape, Tab, Enter };

// Modifier bits held with a key.
enum uiModifier : unsigned {
    UIMOD_NONE = 0,
    UIMOD_SHIFT = 1,
    UIMOD_CTRL = 2,
    UIMOD_ALT = 4,
};
