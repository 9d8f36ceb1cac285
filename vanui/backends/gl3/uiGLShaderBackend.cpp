#include <vanui/uiGLShaderBackend.h>

#include "uiGLContextKind.h"
#include "uiGLShaderAPI.h"
#include "uiGLShaderProgram.h"
#include "uiGLStateScope.h"
#include "uiGLStippledLines.h"
#include "../uiGLShared.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

struct uiGLShaderBackend::Objects {
    uiGLContextKind kind;
    // By their UIGL_PROGRAM_ bits: plain, textured, stippled, both.
    uiGLShaderProgram programs[UIGL_PROGRAM_KINDS];
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    // 0 where the context has no vertex arrays.
    GLuint vertexArray = 0;
    // The frame's stippled lines, side by side, and (WebGL 2 only) its indices widened to 32 bits.
    std::vector<uiGLStippleVertex> stippled;
    std::vector<uint32_t> wideIndices;
    // The layout size the programs' projection was last set for; 0 by 0 before the first frame
    // of the programs Init built.
    int projectedWidth = 0;
    int projectedHeight = 0;
};

namespace {

// ==== Textures ====

// The GL 1.1 backend clamps with GL_CLAMP, which filters the transparent border into the
// sheet's outermost half texel; GL_CLAMP_TO_BORDER does the same where the context has it.
GLint WrapOf([[maybe_unused]] const uiGLContextKind& kind) {
#if defined(GL_CLAMP_TO_BORDER)
    if (kind.api == uiGLContextKind::Desktop) {
        return GL_CLAMP_TO_BORDER;
    }
#endif
    return GL_CLAMP_TO_EDGE;
}

// Coverage is one byte a pixel: red of a GL_R8 texture, or alpha where only OpenGL ES 2.0's
// unsized formats exist. The fragment shader samples the matching channel.
GLenum CoverageFormat(const uiGLContextKind& kind) {
    return kind.HasVersion3Features() ? GL_RED : GL_ALPHA;
}

GLint CoverageInternalFormat(const uiGLContextKind& kind) {
    return kind.HasVersion3Features() ? GL_R8 : GL_ALPHA;
}

// Rows are width bytes from the top with no padding, read from the pointer, whatever the
// program set for its own uploads. Unit 0 is active (uiGLStateScope).
void BindForUpload(const uiGLContextKind& kind, GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (kind.HasVersion3Features()) {
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    }
    vanui::ClearPendingErrors();
}

// ==== Drawing ====

bool IsStippledLine(const uiDrawCommand& command) {
    return command.state.stipplePattern != 0 && command.primitive != uiPrimitive::Triangles;
}

const void* ByteOffset(size_t bytes) {
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(bytes));
}

// Points the attribute arrays at vertices of the bound array buffer from byte offset base.
template <typename Vertex>
void PointAttributes(size_t base, bool withDistance) {
    const GLsizei stride = sizeof(Vertex);
    glVertexAttribPointer(UIGL_ATTRIBUTE_POSITION, 2, GL_FLOAT, GL_FALSE, stride,
                          ByteOffset(base + offsetof(uiDrawVertex, x)));
    glVertexAttribPointer(UIGL_ATTRIBUTE_TEXCOORD, 2, GL_FLOAT, GL_FALSE, stride,
                          ByteOffset(base + offsetof(uiDrawVertex, s)));
    glVertexAttribPointer(UIGL_ATTRIBUTE_COLOR, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          ByteOffset(base + offsetof(uiDrawVertex, color)));
    if (withDistance) {
        glVertexAttribPointer(UIGL_ATTRIBUTE_DISTANCE, 1, GL_FLOAT, GL_FALSE, stride,
                              ByteOffset(base + offsetof(uiGLStippleVertex, distance)));
        glEnableVertexAttribArray(UIGL_ATTRIBUTE_DISTANCE);
    } else {
        glDisableVertexAttribArray(UIGL_ATTRIBUTE_DISTANCE);
    }
}

// The projection glOrtho(0, width, height, 0, -1, 1) makes, column by column: one unit a pixel
// of the layout, y growing downwards.
void SetProjection(GLint location, int width, int height) {
    const float right = static_cast<float>(width);
    const float bottom = static_cast<float>(height);
    const float matrix[16] = {2.0f / right, 0.0f, 0.0f,  0.0f, 0.0f,  2.0f / -bottom, 0.0f, 0.0f,
                              0.0f,         0.0f, -1.0f, 0.0f, -1.0f, 1.0f,           0.0f, 1.0f};
    glUniformMatrix4fv(location, 1, GL_FALSE, matrix);
}

// The state every command is drawn in, whatever the program left.
void SetFixedState(const uiGLContextKind& kind) {
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
#if defined(GL_PRIMITIVE_RESTART)
    if (kind.HasPrimitiveRestart()) {
        glDisable(GL_PRIMITIVE_RESTART);
    }
#endif
    if (kind.HasFixedIndexRestart()) {
        glDisable(GL_PRIMITIVE_RESTART_FIXED_INDEX);
    }
#if defined(GL_POLYGON_MODE)
    if (kind.HasPolygonMode()) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
#endif
    if (kind.HasSamplerObjects()) {
        glBindSampler(0, 0);
    }
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnableVertexAttribArray(UIGL_ATTRIBUTE_POSITION);
    glEnableVertexAttribArray(UIGL_ATTRIBUTE_TEXCOORD);
    glEnableVertexAttribArray(UIGL_ATTRIBUTE_COLOR);
}

// The sides of the list's stippled lines, in the order of their commands. The counter counts
// pixels of the viewport, which the layout is scaled to.
void CollectStippledLines(const uiDrawList& list, int width, int height, std::vector<uiGLStippleVertex>& out) {
    out.clear();
    float pixelsPerUnitX = 0.0f;
    float pixelsPerUnitY = 0.0f;
    for (const uiDrawCommand& command : list.Commands()) {
        if (!IsStippledLine(command)) {
            continue;
        }
        if (pixelsPerUnitX == 0.0f) {
            GLint viewport[4] = {0, 0, width, height};
            glGetIntegerv(GL_VIEWPORT, viewport);
            pixelsPerUnitX = static_cast<float>(viewport[2]) / static_cast<float>(width);
            pixelsPerUnitY = static_cast<float>(viewport[3]) / static_cast<float>(height);
        }
        AppendStippledLines(list, command, pixelsPerUnitX, pixelsPerUnitY, out);
    }
}

// The list's vertices, then the stippled lines' sides, into the buffer; returns the byte offset
// of the sides.
size_t UploadVertices(GLuint buffer, const uiDrawList& list, const std::vector<uiGLStippleVertex>& stippled) {
    const size_t vertexBytes = list.Vertices().size() * sizeof(uiDrawVertex);
    const size_t stippledBytes = stippled.size() * sizeof(uiGLStippleVertex);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexBytes + stippledBytes), nullptr, GL_STREAM_DRAW);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(vertexBytes), list.Vertices().data());
    glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(vertexBytes), static_cast<GLsizeiptr>(stippledBytes),
                    stippled.data());
    return vertexBytes;
}

// The list's indices into the element buffer of the bound vertex array (or the context's),
// widened to 32 bits into the scratch vector when wide.
void UploadIndices(GLuint buffer, const uiDrawList& list, bool wide, std::vector<uint32_t>& scratch) {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer);
    if (wide) {
        scratch.assign(list.Indices().begin(), list.Indices().end());
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(scratch.size() * sizeof(uint32_t)),
                     scratch.data(), GL_STREAM_DRAW);
    } else {
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(list.Indices().size() * sizeof(uiDrawIndex)),
                     list.Indices().data(), GL_STREAM_DRAW);
    }
}

} // namespace

// ==== Set-up ====

uiGLShaderBackend::~uiGLShaderBackend() {
    if (objects == nullptr) {
        return;
    }
    for (uiGLShaderProgram& program : objects->programs) {
        program.Destroy();
    }
    const GLuint buffers[] = {objects->vertexBuffer, objects->indexBuffer};
    glDeleteBuffers(2, buffers);
    if (objects->vertexArray != 0) {
        glDeleteVertexArrays(1, &objects->vertexArray);
    }
    delete objects;
}

bool uiGLShaderBackend::Init(std::string& error) {
    variant.clear();
    uiGLContextKind kind;
    if (!ReadGLContextKind(reinterpret_cast<const char*>(glGetString(GL_VERSION)), kind, error)) {
        return false;
    }
    if (objects == nullptr) {
        objects = new (std::nothrow) Objects;
        if (objects == nullptr) {
            error = "out of memory";
            return false;
        }
    }
    objects->kind = kind;
    objects->projectedWidth = 0;
    objects->projectedHeight = 0;
    for (unsigned features = 0; features < UIGL_PROGRAM_KINDS; ++features) {
        if (!objects->programs[features].Build(kind, features, error)) {
            return false;
        }
    }
    if (objects->vertexBuffer == 0) {
        glGenBuffers(1, &objects->vertexBuffer);
        glGenBuffers(1, &objects->indexBuffer);
    }
    if (kind.HasVersion3Features() && objects->vertexArray == 0) {
        glGenVertexArrays(1, &objects->vertexArray);
    }
    if (objects->vertexBuffer == 0 || objects->indexBuffer == 0 ||
        (kind.HasVersion3Features() && objects->vertexArray == 0)) {
        error = "the GL made no buffer or vertex array";
        return false;
    }
    variant = kind.VariantName();
    return true;
}

// ==== Frames ====

void uiGLShaderBackend::Submit(const uiDrawList& list, int width, int height) {
    const std::vector<uiDrawCommand>& commands = list.Commands();
    if (objects == nullptr || variant.empty() || commands.empty() || width <= 0 || height <= 0) {
        return;
    }
    const uiGLContextKind& kind = objects->kind;
    const uiGLStateScope saved(kind, uiGLStateScope::TEXTURING | uiGLStateScope::DRAWING);
    CollectStippledLines(list, width, height, objects->stippled);
    if (objects->vertexArray != 0) {
        glBindVertexArray(objects->vertexArray);
    }
    const size_t vertexBytes = UploadVertices(objects->vertexBuffer, list, objects->stippled);
    // WebGL 2 would take the index 65535 for a restart: a list that can name it is drawn with
    // 32-bit indices there.
    const bool wide = kind.RestartsAlways() && list.Vertices().size() > UINT16_MAX;
    UploadIndices(objects->indexBuffer, list, wide, objects->wideIndices);
    SetFixedState(kind);
    // A program keeps its uniforms: the projection changes only with the layout size.
    if (width != objects->projectedWidth || height != objects->projectedHeight) {
        for (const uiGLShaderProgram& program : objects->programs) {
            glUseProgram(program.program);
            SetProjection(program.projection, width, height);
        }
        objects->projectedWidth = width;
        objects->projectedHeight = height;
    }

    const uiDrawCommand* previous = nullptr;
    unsigned current = UIGL_PROGRAM_KINDS;
    size_t pointedAt = SIZE_MAX;
    size_t nextStippled = 0;
    for (const uiDrawCommand& command : commands) {
        const uiDrawState& state = command.state;
        if (previous == nullptr || previous->state.blend != state.blend) {
            vanui::Enable(GL_BLEND, state.blend);
        }
        if (state.texture != 0 && (previous == nullptr || previous->state.texture != state.texture)) {
            glBindTexture(GL_TEXTURE_2D, state.texture);
        }
        previous = &command;
        const bool stippledLine = IsStippledLine(command);
        const unsigned features =
            (state.texture != 0 ? UIGL_PROGRAM_TEXTURED : 0) | (stippledLine ? UIGL_PROGRAM_STIPPLED : 0);
        const uiGLShaderProgram& program = objects->programs[features];
        if (features != current) {
            glUseProgram(program.program);
            current = features;
        }
        if (stippledLine) {
            const size_t count = StippledLineVertexCount(command);
            glUniform3f(program.stipple, static_cast<float>(state.stipplePattern & 0xFF),
                        static_cast<float>(state.stipplePattern >> 8), StippleFactor(state));
            PointAttributes<uiGLStippleVertex>(vertexBytes, true);
            glDrawArrays(GL_LINES, static_cast<GLint>(nextStippled), static_cast<GLsizei>(count));
            nextStippled += count;
            pointedAt = SIZE_MAX;
            continue;
        }
        if (pointedAt != command.vertexOffset) {
            PointAttributes<uiDrawVertex>(command.vertexOffset * sizeof(uiDrawVertex), false);
            pointedAt = command.vertexOffset;
        }
        const size_t indexSize = wide ? sizeof(uint32_t) : sizeof(uiDrawIndex);
        glDrawElements(vanui::ModeOf(command.primitive), static_cast<GLsizei>(command.indexCount),
                       wide ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT, ByteOffset(command.firstIndex * indexSize));
    }
}

// ==== Textures ====

bool uiGLShaderBackend::CurrentKind(uiGLContextKind& kind) const {
    if (objects != nullptr && !variant.empty()) {
        kind = objects->kind;
        return true;
    }
    std::string error;
    return ReadGLContextKind(reinterpret_cast<const char*>(glGetString(GL_VERSION)), kind, error);
}

uiTextureId uiGLShaderBackend::Create(const uiTextureDesc& desc, uiTextureRefusal& refusal) {
    uiGLContextKind kind;
    if (!CurrentKind(kind)) {
        refusal = uiTextureRefusal{uiTextureRefusal::Refused, static_cast<unsigned>(GL_INVALID_OPERATION)};
        return 0;
    }
    const GLuint id = vanui::NewTextureName(desc, refusal);
    if (id == 0) {
        return 0;
    }
    GLenum error = GL_NO_ERROR;
    {
        const uiGLStateScope saved(kind, uiGLStateScope::TEXTURING);
        BindForUpload(kind, id);
        error = vanui::UploadNewTexture(desc, WrapOf(kind), CoverageInternalFormat(kind), CoverageFormat(kind));
    }
    return vanui::KeepUploadedTexture(id, error, refusal);
}

bool uiGLShaderBackend::Update(uiTextureId texture, const uiTextureDesc& desc) {
    uiGLContextKind kind;
    if (texture == 0 || !CurrentKind(kind)) {
        return false;
    }
    const uiGLStateScope saved(kind, uiGLStateScope::TEXTURING);
    BindForUpload(kind, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, desc.width, desc.height, CoverageFormat(kind), GL_UNSIGNED_BYTE,
                    desc.coverage);
    return glGetError() == GL_NO_ERROR;
}

void uiGLShaderBackend::Delete(uiTextureId texture) {
    vanui::DeleteTexture(texture);
}
