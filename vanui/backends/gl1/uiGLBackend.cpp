#include <vanui/uiGLBackend.h>

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "../uiGLShared.h"

#include <cstddef>

namespace {

// A program that uses buffer objects in a compatibility context may have left an array or an
// element buffer bound: the client arrays and indices would then be read as offsets into it. The
// bindings are vertex-array state, which glPushClientAttrib keeps; a GL without buffer objects
// answers 0 (and notes an error of its own).
void UnbindProgramBuffers() {
    GLint bound = 0;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
    if (bound != 0) {
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
    bound = 0;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &bound);
    if (bound != 0) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    }
}

// The client arrays from the vertex a command's indices count from.
void PointArraysAt(const uiDrawVertex* vertex) {
    const GLsizei stride = sizeof(uiDrawVertex);
    glVertexPointer(2, GL_FLOAT, stride, &vertex->x);
    glTexCoordPointer(2, GL_FLOAT, stride, &vertex->s);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, &vertex->color);
}

// Makes the GL's state the command's, touching only what differs from the state before.
void ChangeState(const uiDrawState& from, const uiDrawState& to, bool first) {
    if (first || (from.texture != 0) != (to.texture != 0)) {
        vanui::Enable(GL_TEXTURE_2D, to.texture != 0);
    }
    if (to.texture != 0 && (first || from.texture != to.texture)) {
        glBindTexture(GL_TEXTURE_2D, to.texture);
    }
    if (first || (from.stipplePattern != 0) != (to.stipplePattern != 0)) {
        vanui::Enable(GL_LINE_STIPPLE, to.stipplePattern != 0);
    }
    if (to.stipplePattern != 0 &&
        (first || from.stipplePattern != to.stipplePattern || from.stippleFactor != to.stippleFactor)) {
        glLineStipple(to.stippleFactor, to.stipplePattern);
    }
    if (first || from.blend != to.blend) {
        vanui::Enable(GL_BLEND, to.blend);
    }
}

} // namespace

void uiGLBackend::Submit(const uiDrawList& list) {
    const std::vector<uiDrawCommand>& commands = list.Commands();
    if (commands.empty()) {
        return;
    }
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_LINE_BIT | GL_COLOR_BUFFER_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    UnbindProgramBuffers();
    const uiDrawVertex* vertices = list.Vertices().data();
    const uiDrawIndex* indices = list.Indices().data();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Coverage textures modulate the vertex colours, whatever the program's environment was.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    const uiDrawCommand* previous = nullptr;
    for (const uiDrawCommand& command : commands) {
        ChangeState(previous != nullptr ? previous->state : command.state, command.state, previous == nullptr);
        if (previous == nullptr || previous->vertexOffset != command.vertexOffset) {
            PointArraysAt(vertices + command.vertexOffset);
        }
        glDrawElements(vanui::ModeOf(command.primitive), static_cast<GLsizei>(command.indexCount), GL_UNSIGNED_SHORT,
                       indices + command.firstIndex);
        previous = &command;
    }
    glPopClientAttrib();
    glPopAttrib();
}
