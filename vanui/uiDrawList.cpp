#include <vanui/uiDrawList.h>

void uiDrawList::Clear() {
    vertices.Clear();
    indices.Clear();
    commands.clear();
    state = uiDrawState();
    current = uiDrawColor();
    currentSetAt = 0;
}

void uiDrawList::SetLineStipple(uint16_t factor, uint16_t pattern) {
    state.stippleFactor = factor;
    state.stipplePattern = pattern;
}

void uiDrawList::SetCurrentColor(const uiDrawColor& color) {
    current = color;
    currentSetAt = vertices.size();
}

void uiDrawList::StartCommand(uiPrimitive primitive, uint32_t indexCount, uint32_t vertexOffset) {
    uiDrawCommand command;
    command.primitive = primitive;
    command.state = state;
    command.vertexOffset = vertexOffset;
    command.firstIndex = static_cast<uint32_t>(indices.size());
    command.indexCount = indexCount;
    commands.push_back(command);
}

uiDrawVertex* uiDrawList::AddQuads(uint32_t count) {
    const uiDrawIndex base = Extend(uiPrimitive::Triangles, 4 * count, 6 * count, true);
    uiDrawIndex* index = indices.Append(6 * size_t{count});
    for (uint32_t quad = 0; quad < count; ++quad) {
        WriteQuadIndices(index + 6 * quad, static_cast<uiDrawIndex>(base + 4 * quad));
    }
    return vertices.Append(4 * size_t{count});
}

void uiDrawList::AddTriangle(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2) {
    const uiDrawIndex base = Extend(uiPrimitive::Triangles, 3, 3, true);
    uiDrawVertex* v = vertices.Append(3);
    v[0] = v0;
    v[1] = v1;
    v[2] = v2;
    AppendIndices(base, 3);
}

void uiDrawList::AddLine(const uiDrawVertex& from, const uiDrawVertex& to) {
    const uiDrawIndex base = Extend(uiPrimitive::Lines, 2, 2, true);
    uiDrawVertex* v = vertices.Append(2);
    v[0] = from;
    v[1] = to;
    AppendIndices(base, 2);
}

void uiDrawList::AddLineLoop(const uiDrawVertex* loop, size_t count) {
    const uint32_t kept = static_cast<uint32_t>(count < MAX_COMMAND_VERTICES ? count : MAX_COMMAND_VERTICES);
    const uiDrawIndex base = Extend(uiPrimitive::LineLoop, kept, kept, false);
    std::copy(loop, loop + kept, vertices.Append(kept));
    AppendIndices(base, kept);
}

// Consecutive indices from base for the count vertices just appended.
void uiDrawList::AppendIndices(uiDrawIndex base, uint32_t count) {
    uiDrawIndex* index = indices.Append(count);
    for (uint32_t i = 0; i < count; ++i) {
        index[i] = static_cast<uiDrawIndex>(base + i);
    }
}
