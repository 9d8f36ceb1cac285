#include "RecordingGL.h"

#include <cstring>
#include <map>
#include <set>

namespace {

// A client array as glVertexPointer, glTexCoordPointer or glColorPointer set it: floats, or
// unsigned bytes for colours, which is all the toolkit's backend sends.
struct ClientArray {
    GLint size = 0;
    GLenum type = GL_FLOAT;
    GLsizei stride = 0;
    const GLvoid* pointer = nullptr;

    const char* Element(GLint index) const {
        const size_t component = type == GL_UNSIGNED_BYTE ? 1 : sizeof(float);
        const size_t step = stride != 0 ? static_cast<size_t>(stride) : static_cast<size_t>(size) * component;
        return static_cast<const char*>(pointer) + step * static_cast<size_t>(index);
    }
    const float* At(GLint index) const { return reinterpret_cast<const float*>(Element(index)); }
    // Component k of element index as the GL takes it: a byte c as c / 255.
    float Component(GLint index, int k) const {
        if (type == GL_UNSIGNED_BYTE) {
            return static_cast<float>(reinterpret_cast<const unsigned char*>(Element(index))[k]) / 255.0f;
        }
        return At(index)[k];
    }
};

// What glPushAttrib keeps of the recorded state.
struct SavedState {
    std::set<GLenum> enabled;
    GLuint texture = 0;
    GLint textureEnvMode = GL_MODULATE;
};

// What glPushClientAttrib keeps.
struct SavedClientState {
    std::set<GLenum> clientArrays;
    std::map<GLenum, GLint> pixelStore;
};

struct State {
    std::vector<RecordingGL::Call> calls;
    std::vector<RecordingGL::Batch> batches;
    std::set<GLenum> enabled;
    std::set<GLenum> clientArrays;
    ClientArray vertexArray;
    ClientArray texCoordArray;
    ClientArray colorArray;
    GLuint boundTexture = 0;
    std::vector<SavedState> savedAttributes;
    std::vector<SavedClientState> savedClientStates;
    GLint textureEnvMode = GL_MODULATE;
    // Pixel-store settings that differ from their defaults (GL_UNPACK_ALIGNMENT is 4, the rest 0).
    std::map<GLenum, GLint> pixelStore;
    GLuint nextTexture = 1;
    bool textureNameZero = false;
    bool discard = false;
    GLint maxTextureSize = RecordingGL::DEFAULT_MAX_TEXTURE_SIZE;
    GLenum error = GL_NO_ERROR;
    GLenum uploadError = GL_NO_ERROR;
};

State& Gl() {
    static State state;
    return state;
}

template <typename... Args> void Record(const char* name, Args... args) {
    if (!Gl().discard) {
        Gl().calls.push_back({name, {static_cast<double>(args)...}, {}});
    }
}

// Vertices per primitive of a mode whose primitives stand apart; 0 for one primitive of all the
// vertices (strips, loops, fans, polygons).
GLsizei VerticesPerPrimitive(GLenum mode) {
    switch (mode) {
    case GL_POINTS:
        return 1;
    case GL_LINES:
        return 2;
    case GL_TRIANGLES:
        return 3;
    case GL_QUADS:
        return 4;
    default:
        return 0;
    }
}

RecordingGL::Vertex ArrayVertex(const State& gl, GLint index) {
    RecordingGL::Vertex vertex;
    const float* position = gl.vertexArray.At(index);
    vertex.x = position[0];
    vertex.y = position[1];
    vertex.z = gl.vertexArray.size > 2 ? position[2] : 0.0f;
    if (gl.clientArrays.count(GL_COLOR_ARRAY) != 0) {
        for (int k = 0; k < 4; ++k) {
            vertex.color[k] = gl.colorArray.Component(index, k);
        }
    }
    if (gl.clientArrays.count(GL_TEXTURE_COORD_ARRAY) != 0) {
        vertex.s = gl.texCoordArray.At(index)[0];
        vertex.t = gl.texCoordArray.At(index)[1];
    }
    return vertex;
}

size_t BytesPerPixel(GLenum format) {
    switch (format) {
    case GL_LUMINANCE_ALPHA:
        return 2;
    case GL_RGB:
        return 3;
    case GL_RGBA:
        return 4;
    default:
        return 1;
    }
}

// As much memory as the GL reads for an upload of unsigned bytes: every row but the last
// padded to the unpack alignment.
size_t UploadSize(GLsizei width, GLsizei height, GLenum format) {
    if (width <= 0 || height <= 0) {
        return 0;
    }
    const size_t alignment = static_cast<size_t>(RecordingGL::PixelStore(GL_UNPACK_ALIGNMENT));
    const size_t row = static_cast<size_t>(width) * BytesPerPixel(format);
    const size_t stride = (row + alignment - 1) / alignment * alignment;
    return stride * static_cast<size_t>(height - 1) + row;
}

} // namespace

namespace RecordingGL {

void Reset() {
    Gl() = State();
}

void SetDiscard(bool on) {
    Gl().discard = on;
}

void SetTextureNameZero(bool on) {
    Gl().textureNameZero = on;
}

void SetMaxTextureSize(int size) {
    Gl().maxTextureSize = size;
}

void SetPendingError(GLenum error) {
    Gl().error = error;
}

void FailNextUpload(GLenum error) {
    Gl().uploadError = error;
}

const std::vector<Call>& Calls() {
    return Gl().calls;
}

std::vector<std::string> CallNames() {
    std::vector<std::string> names;
    for (const Call& call : Gl().calls) {
        names.push_back(call.name);
    }
    return names;
}

std::vector<Call> CallsNamed(const std::string& name) {
    std::vector<Call> found;
    for (const Call& call : Gl().calls) {
        if (call.name == name) {
            found.push_back(call);
        }
    }
    return found;
}

const std::vector<Batch>& Batches() {
    return Gl().batches;
}

bool IsEnabled(GLenum capability) {
    return Gl().enabled.count(capability) != 0;
}

bool IsClientArrayEnabled(GLenum array) {
    return Gl().clientArrays.count(array) != 0;
}

GLint PixelStore(GLenum pname) {
    const auto found = Gl().pixelStore.find(pname);
    if (found != Gl().pixelStore.end()) {
        return found->second;
    }
    return pname == GL_UNPACK_ALIGNMENT || pname == GL_PACK_ALIGNMENT ? 4 : 0;
}

GLint TextureEnvMode() {
    return Gl().textureEnvMode;
}

GLuint BoundTexture() {
    return Gl().boundTexture;
}

} // namespace RecordingGL

extern "C" {











void glEnable(GLenum cap) {
    Record("glEnable", cap);
    if (!Gl().discard) {
        Gl().enabled.insert(cap);
    }
}

void glDisable(GLenum cap) {
    Record("glDisable", cap);
    if (!Gl().discard) {
        Gl().enabled.erase(cap);
    }
}

void glBindTexture(GLenum target, GLuint texture) {
    Record("glBindTexture", target, texture);
    Gl().boundTexture = texture;
}

void glEnableClientState(GLenum array) {
    Record("glEnableClientState", array);
    if (!Gl().discard) {
        Gl().clientArrays.insert(array);
    }
}

void glDisableClientState(GLenum array) {
    Record("glDisableClientState", array);
    if (!Gl().discard) {
        Gl().clientArrays.erase(array);
    }
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Record("glVertexPointer", size, type, stride);
    Gl().vertexArray = {size, type, stride, pointer};
}

void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Record("glTexCoordPointer", size, type, stride);
    Gl().texCoordArray = {size, type, stride, pointer};
}

void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Record("glColorPointer", size, type, stride);
    Gl().colorArray = {size, type, stride, pointer};
}

// Recorded as the primitives it draws, each with the texture and stipple it is drawn with. Two
// triangles (a, b, c) and (a, c, d) in a row are the quad (a, b, c, d) that the toolkit split
// into them, and are recorded as that quad (GL_QUADS).
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    Record("glDrawElements", mode, count, type);
    State& gl = Gl();
    if (gl.discard || gl.clientArrays.count(GL_VERTEX_ARRAY) == 0 || type != GL_UNSIGNED_SHORT) {
        return;
    }
    const GLushort* index = static_cast<const GLushort*>(indices);
    const GLsizei each = VerticesPerPrimitive(mode);
    const GLsizei size = each != 0 ? each : count;
    for (GLsizei start = 0; size > 0 && start + size <= count; start += size) {
        RecordingGL::Batch batch;
        batch.mode = mode;
        batch.texture = gl.enabled.count(GL_TEXTURE_2D) != 0 ? gl.boundTexture : 0;
        batch.stippled = gl.enabled.count(GL_LINE_STIPPLE) != 0;
        std::vector<GLushort> used(index + start, index + start + size);
        const GLushort* next = index + start + size;
        if (mode == GL_TRIANGLES && start + 2 * size <= count && next[0] == used[0] && next[1] == used[2]) {
            batch.mode = GL_QUADS;
            used.push_back(next[2]);
            start += size;
        }
        for (const GLushort i : used) {
            batch.vertices.push_back(ArrayVertex(gl, i));
        }
        gl.batches.push_back(batch);
    }
}

void glPushAttrib(GLbitfield mask) {
    Record("glPushAttrib", mask);
    if (!Gl().discard) {
        Gl().savedAttributes.push_back({Gl().enabled, Gl().boundTexture, Gl().textureEnvMode});
    }
}

void glPopAttrib(void) {
    Record("glPopAttrib");
    State& gl = Gl();
    if (!gl.savedAttributes.empty()) {
        gl.enabled = gl.savedAttributes.back().enabled;
        gl.boundTexture = gl.savedAttributes.back().texture;
        gl.textureEnvMode = gl.savedAttributes.back().textureEnvMode;
        gl.savedAttributes.pop_back();
    }
}

void glPushClientAttrib(GLbitfield mask) {
    Record("glPushClientAttrib", mask);
    if (!Gl().discard) {
        Gl().savedClientStates.push_back({Gl().clientArrays, Gl().pixelStore});
    }
}

void glPopClientAttrib(void) {
    Record("glPopClientAttrib");
    State& gl = Gl();
    if (!gl.savedClientStates.empty()) {
        gl.clientArrays = gl.savedClientStates.back().clientArrays;
        gl.pixelStore = gl.savedClientStates.back().pixelStore;
        gl.savedClientStates.pop_back();
    }
}

// Records the count and the first name handed out.
void glGenTextures(GLsizei n, GLuint* textures) {
    State& gl = Gl();
    for (GLsizei i = 0; i < n; ++i) {
        textures[i] = gl.textureNameZero ? 0 : gl.nextTexture++;
    }
    Record("glGenTextures", n, n > 0 ? textures[0] : 0.0);
}

void glDeleteTextures(GLsizei n, const GLuint* textures) {
    Record("glDeleteTextures", n, n > 0 ? textures[0] : 0.0);
}

void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    Record("glTexParameteri", target, pname, param);
}

void glTexEnvi(GLenum target, GLenum pname, GLint param) {
    Record("glTexEnvi", target, pname, param);
    if (pname == GL_TEXTURE_ENV_MODE) {
        Gl().textureEnvMode = param;
    }
}

void glPixelStorei(GLenum pname, GLint param) {
    Record("glPixelStorei", pname, param);
    Gl().pixelStore[pname] = param;
}

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    Record("glTexImage2D", target, level, internalFormat, width, height, border, format, type);
    State& gl = Gl();
    if (width > gl.maxTextureSize || height > gl.maxTextureSize) {
        gl.error = GL_INVALID_VALUE;
        return;
    }
    if (gl.uploadError != GL_NO_ERROR) {
        gl.error = gl.uploadError;
        gl.uploadError = GL_NO_ERROR;
        return;
    }
    if (gl.discard || pixels == nullptr) {
        return;
    }
    const unsigned char* bytes = static_cast<const unsigned char*>(pixels);
    gl.calls.back().pixels.assign(bytes, bytes + UploadSize(width, height, format));
}

void glBindBuffer(GLenum target, GLuint buffer) {
    Record("glBindBuffer", target, buffer);
}

void glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                     GLenum type, const GLvoid*) {
    Record("glTexSubImage2D", target, level, x, y, width, height, format, type);
}

void glGetIntegerv(GLenum pname, GLint* params) {
    switch (pname) {
    case GL_MAX_TEXTURE_SIZE:
        *params = Gl().maxTextureSize;
        break;
    case GL_TEXTURE_BINDING_2D:
        *params = static_cast<GLint>(Gl().boundTexture);
        break;
    default:
        *params = RecordingGL::PixelStore(pname);
        break;
    }
}

GLenum glGetError() {
    const GLenum error = Gl().error;
    Gl().error = GL_NO_ERROR;
    return error;
}


void glLineStipple(GLint factor, GLushort pattern) {
    Record("glLineStipple", factor, pattern);
}




void glClear(GLbitfield mask) {
    Record("glClear", mask);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    Record("glClearColor", red, green, blue, alpha);
}

void glMatrixMode(GLenum mode) {
    Record("glMatrixMode", mode);
}

void glLoadIdentity(void) {
    Record("glLoadIdentity");
}

void glBlendFunc(GLenum sfactor, GLenum dfactor) {
    Record("glBlendFunc", sfactor, dfactor);
}

void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    Record("glOrtho", left, right, bottom, top, zNear, zFar);
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    Record("glViewport", x, y, width, height);
}

} // extern "C"
