#include <vanui/uiDrawList.h>

void uiDrawList::Clear() {
    vertices.clear();
    commands.clear();
    state = uiDrawState();
    current = uiDrawColor();
    currentSetAt = 0;
}

void uiDrawList::SetLineStipple(uint16_t factor, uint16_t pattern) {
    state.stippleFactor = factor;
    state.stipplePattern = pattern;
}

void uiDrawList::SetCurrentColor(float r, float g, float b, float a) {
    current = uiDrawColor{r, g, b, a};
    currentSetAt = vertices.size();
}

void uiDrawList::StartCommand(uiPrimitive primitive, uint32_t count) {
    uiDrawCommand command;
    command.primitive = primitive;
    command.state = state;
    command.firstVertex = static_cast<uint32_t>(vertices.size());
    command.vertexCount = count;
    commands.push_back(command);
}

void uiDrawList::AddTriangle(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2) {
    Extend(uiPrimitive::Triangles, 3, true);
    vertices.push_back(v0);
    vertices.push_back(v1);
    vertices.push_back(v2);
}

void uiDrawList::AddLine(const uiDrawVertex& from, const uiDrawVertex& to) {
    Extend(uiPrimitive::Lines, 2, true);
    vertices.push_back(from);
    vertices.push_back(to);
}

void uiDrawList::AddLineLoop(const uiDrawVertex* loop, size_t count) {
    Extend(uiPrimitive::LineLoop, static_cast<uint32_t>(count), false);
    vertices.insert(vertices.end(), loop, loop + count);
}
