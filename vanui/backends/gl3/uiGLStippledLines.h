// Stippled lines for a GL without line stipple. The GL 1.1 stipple counts the pixels a line
// covers along its major axis: a line loop's counter runs on from side to side and restarts with
// each loop, a separate line's restarts with each line, and each side adds its length rounded up.
// The backend draws every stippled side as a line of its own whose two vertices carry the
// counter at its ends; the fragment shader keeps the pixels whose pattern bit is set.
#pragma once

#include <vanui/uiDrawList.h>

#include <vector>

struct uiGLStippleVertex {
    uiDrawVertex vertex;
    // The stipple counter at the vertex, in pixels of the viewport.
    float distance = 0.0f;
};

// The factor as the GL 1.1 stipple takes it: clamped to 1 to 256.
inline float StippleFactor(const uiDrawState& state) {
    return state.stippleFactor < 1 ? 1.0f : state.stippleFactor > 256 ? 256.0f : static_cast<float>(state.stippleFactor);
}

// The vertices AppendStippledLines appends for the command: two a side.
size_t StippledLineVertexCount(const uiDrawCommand& command);

// Appends the sides of a Lines or LineLoop command, two vertices each, with the counter at both
// ends. pixelsPerUnitX and Y scale the layout to the viewport, whose pixels the counter counts.
// The counter at a side's start is kept below one repetition of the pattern (16 x factor), so
// the shader's floats count exactly however long the loop.
void AppendStippledLines(const uiDrawList& list, const uiDrawCommand& command, float pixelsPerUnitX,
                         float pixelsPerUnitY, std::vector<uiGLStippleVertex>& out);
