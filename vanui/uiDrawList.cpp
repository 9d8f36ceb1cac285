#include <vanui/uiDrawList.h>

void uiDrawList::Clear() {
    vertices.clear();
    commands.clear();
    state = uiDrawState();
    current = uiDrawColor();
}

void uiDrawList::SetLineStipple(uint16_t factor, uint16_t pattern) {
    state.stippleFactor = factor;
    state.stipplePattern = pattern;
}

void uiDrawList::SetCurrentColor(float r, float g, float b, float a) {
    current = uiDrawColor{r, g, b, a};
}

void uiDrawList::StartCommand(uiPrimitive primitive, uint32_t count) {
    uiDrawCommand command;
    command.primitive = primitive;
    command.state = state;
    command.firstVertex = static_cast<uint32_t>(vertices.size());
    command.vertexCount = count;
    commands.push_back(command);
}

void uiDrawList::Append(const uiDrawVertex& vertex) {
    vertices.push_back(vertex);
    current = uiDrawColor{vertex.r, vertex.g, vertex.b, vertex.a};
}

void uiDrawList::AddTriangle(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2) {
    Extend(uiPrimitive::Triangles, 3, true);
    Append(v0);
    Append(v1);
    Append(v2);
}

void uiDrawList::AddLine(const uiDrawVertex& from, const uiDrawVertex& to) {
    Extend(uiPrimitive::Lines, 2, true);
    Append(from);
    Append(to);
}

void uiDrawList::AddLineLoop(const uiDrawVertex* loop, size_t count) {
    Extend(uiPrimitive::LineLoop, static_cast<uint32_t>(count), false);
    for (size_t i = 0; i < count; ++i) {
        Append(loop[i]);
    }
}
