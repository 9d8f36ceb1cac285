#include "uiGLStippledLines.h"

#include <algorithm>
#include <cmath>

namespace {

const float PATTERN_BITS = 16.0f;

// The loop closes back to its first vertex; separate lines are index pairs.
size_t SideCount(const uiDrawCommand& command) {
    if (command.primitive == uiPrimitive::LineLoop) {
        return command.indexCount >= 2 ? command.indexCount : 0;
    }
    return command.primitive == uiPrimitive::Lines ? command.indexCount / 2 : 0;
}

} // namespace

size_t StippledLineVertexCount(const uiDrawCommand& command) {
    return 2 * SideCount(command);
}

void AppendStippledLines(const uiDrawList& list, const uiDrawCommand& command, float pixelsPerUnitX,
                         float pixelsPerUnitY, std::vector<uiGLStippleVertex>& out) {
    const uiDrawVertex* vertices = list.Vertices().data() + command.vertexOffset;
    const uiDrawIndex* indices = list.Indices().data() + command.firstIndex;
    const bool loop = command.primitive == uiPrimitive::LineLoop;
    const float repetition = PATTERN_BITS * StippleFactor(command.state);
    const size_t sides = SideCount(command);
    float counter = 0.0f;
    for (size_t side = 0; side < sides; ++side) {
        const size_t first = loop ? side : 2 * side;
        const size_t second = loop ? (side + 1) % command.indexCount : first + 1;
        const uiDrawVertex& from = vertices[indices[first]];
        const uiDrawVertex& to = vertices[indices[second]];
        const float length = std::max(std::fabs(to.x - from.x) * pixelsPerUnitX,
                                      std::fabs(to.y - from.y) * pixelsPerUnitY);
        if (!loop) {
            counter = 0.0f;
        }
        out.push_back(uiGLStippleVertex{from, counter});
        out.push_back(uiGLStippleVertex{to, counter + length});
        // A side of no finite length adds nothing, as in the GL.
        const float advance = std::isfinite(length) ? std::ceil(length) : 0.0f;
        counter = std::fmod(counter + advance, repetition);
    }
}
