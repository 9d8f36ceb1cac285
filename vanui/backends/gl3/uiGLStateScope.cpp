#include "uiGLStateScope.h"

#include "../uiGLShared.h"

namespace {

GLuint Name(GLint saved) {
    return static_cast<GLuint>(saved);
}

GLenum Enum(GLint saved) {
    return static_cast<GLenum>(saved);
}

} // namespace

uiGLStateScope::uiGLStateScope(const uiGLContextKind& kind, unsigned parts) : kind(kind), parts(parts) {
    if ((parts & TEXTURING) != 0) {
        SaveTexturing();
    }
    if ((parts & DRAWING) != 0) {
        SaveDrawing();
    }
}

uiGLStateScope::~uiGLStateScope() {
    if ((parts & DRAWING) != 0) {
        RestoreDrawing();
    }
    if ((parts & TEXTURING) != 0) {
        RestoreTexturing();
    }
}

// Leaves unit 0 active: the unit the backend works on.
void uiGLStateScope::SaveTexturing() {
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment);
    if (kind.HasVersion3Features()) {
        glGetIntegerv(GL_UNPACK_ROW_LENGTH, &unpackRowLength);
        glGetIntegerv(GL_UNPACK_SKIP_ROWS, &unpackSkipRows);
        glGetIntegerv(GL_UNPACK_SKIP_PIXELS, &unpackSkipPixels);
        glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &unpackBuffer);
    }
}

void uiGLStateScope::RestoreTexturing() const {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, Name(texture));
    glActiveTexture(Enum(activeTexture));
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
    if (kind.HasVersion3Features()) {
        glPixelStorei(GL_UNPACK_ROW_LENGTH, unpackRowLength);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, unpackSkipRows);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, unpackSkipPixels);
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, Name(unpackBuffer));
    }
}

void uiGLStateScope::SaveDrawing() {
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer);
    if (kind.HasVersion3Features()) {
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    } else {
        glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
        for (GLuint index = 0; index < UIGL_ATTRIBUTE_COUNT; ++index) {
            AttributeArray& saved = attributes[index];
            glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &saved.enabled);
            glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_SIZE, &saved.size);
            glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_TYPE, &saved.type);
            glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED, &saved.normalized);
            glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &saved.stride);
            glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &saved.buffer);
            glGetVertexAttribPointerv(index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &saved.pointer);
        }
    }
    if (kind.HasSamplerObjects()) {
        glGetIntegerv(GL_SAMPLER_BINDING, &sampler);
    }
    blend = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_BLEND_SRC_RGB, &blendSourceRgb);
    glGetIntegerv(GL_BLEND_DST_RGB, &blendDestinationRgb);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &blendSourceAlpha);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &blendDestinationAlpha);
    glGetIntegerv(GL_BLEND_EQUATION_RGB, &blendEquationRgb);
    glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &blendEquationAlpha);
    cullFace = glIsEnabled(GL_CULL_FACE);
    depthTest = glIsEnabled(GL_DEPTH_TEST);
    stencilTest = glIsEnabled(GL_STENCIL_TEST);
#if defined(GL_PRIMITIVE_RESTART)
    if (kind.HasPrimitiveRestart()) {
        primitiveRestart = glIsEnabled(GL_PRIMITIVE_RESTART);
    }
#endif
    if (kind.HasFixedIndexRestart()) {
        fixedIndexRestart = glIsEnabled(GL_PRIMITIVE_RESTART_FIXED_INDEX);
    }
#if defined(GL_POLYGON_MODE)
    if (kind.HasPolygonMode()) {
        glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    }
#endif
}

void uiGLStateScope::RestoreDrawing() const {
    glUseProgram(Name(program));
    if (kind.HasVersion3Features()) {
        glBindVertexArray(Name(vertexArray));
    } else {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, Name(elementBuffer));
        for (GLuint index = 0; index < UIGL_ATTRIBUTE_COUNT; ++index) {
            const AttributeArray& saved = attributes[index];
            glBindBuffer(GL_ARRAY_BUFFER, Name(saved.buffer));
            glVertexAttribPointer(index, saved.size, Enum(saved.type), static_cast<GLboolean>(saved.normalized),
                                  saved.stride, saved.pointer);
            if (saved.enabled != 0) {
                glEnableVertexAttribArray(index);
            } else {
                glDisableVertexAttribArray(index);
            }
        }
    }
    glBindBuffer(GL_ARRAY_BUFFER, Name(arrayBuffer));
    if (kind.HasSamplerObjects()) {
        glBindSampler(0, Name(sampler));
    }
    vanui::Enable(GL_BLEND, blend);
    glBlendFuncSeparate(Enum(blendSourceRgb), Enum(blendDestinationRgb), Enum(blendSourceAlpha),
                        Enum(blendDestinationAlpha));
    glBlendEquationSeparate(Enum(blendEquationRgb), Enum(blendEquationAlpha));
    vanui::Enable(GL_CULL_FACE, cullFace);
    vanui::Enable(GL_DEPTH_TEST, depthTest);
    vanui::Enable(GL_STENCIL_TEST, stencilTest);
#if defined(GL_PRIMITIVE_RESTART)
    if (kind.HasPrimitiveRestart()) {
        vanui::Enable(GL_PRIMITIVE_RESTART, primitiveRestart);
    }
#endif
    if (kind.HasFixedIndexRestart()) {
        vanui::Enable(GL_PRIMITIVE_RESTART_FIXED_INDEX, fixedIndexRestart);
    }
#if defined(GL_POLYGON_MODE)
    if (kind.HasPolygonMode()) {
        if (polygonMode[1] == 0 || polygonMode[0] == polygonMode[1]) {
            glPolygonMode(GL_FRONT_AND_BACK, Enum(polygonMode[0]));
        } else {
            // Only a compatibility context can hold two modes.
            glPolygonMode(GL_FRONT, Enum(polygonMode[0]));
            glPolygonMode(GL_BACK, Enum(polygonMode[1]));
        }
    }
#endif
}
