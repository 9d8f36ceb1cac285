#include "RecordingGL.h"

#include <cstring>
#include <set>

namespace {

struct State {
    std::vector<RecordingGL::Call> calls;
    std::vector<RecordingGL::Batch> batches;
    bool inBatch = false;
    float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float s = 0.0f;
    float t = 0.0f;
    std::set<GLenum> enabled;
    GLint unpackAlignment = 4;
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

void SetColor(float r, float g, float b, float a) {
    State& gl = Gl();
    gl.color[0] = r;
    gl.color[1] = g;
    gl.color[2] = b;
    gl.color[3] = a;
}

void AddVertex(float x, float y, float z) {
    State& gl = Gl();
    if (gl.discard || !gl.inBatch) {
        return;
    }
    RecordingGL::Vertex vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.z = z;
    std::memcpy(vertex.color, gl.color, sizeof vertex.color);
    vertex.s = gl.s;
    vertex.t = gl.t;
    gl.batches.back().vertices.push_back(vertex);
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
    const size_t alignment = static_cast<size_t>(Gl().unpackAlignment);
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

const float* CurrentColor() {
    return Gl().color;
}

} // namespace RecordingGL

extern "C" {

void glBegin(GLenum mode) {
    Record("glBegin", mode);
    State& gl = Gl();
    gl.inBatch = true;
    if (!gl.discard) {
        gl.batches.push_back({mode, {}});
    }
}

void glEnd(void) {
    Record("glEnd");
    Gl().inBatch = false;
}

void glVertex2f(GLfloat x, GLfloat y) {
    Record("glVertex2f", x, y);
    AddVertex(x, y, 0.0f);
}

void glVertex2i(GLint x, GLint y) {
    Record("glVertex2i", x, y);
    AddVertex(static_cast<float>(x), static_cast<float>(y), 0.0f);
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    Record("glVertex3f", x, y, z);
    AddVertex(x, y, z);
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    Record("glTexCoord2f", s, t);
    Gl().s = s;
    Gl().t = t;
}

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    Record("glColor3f", red, green, blue);
    SetColor(red, green, blue, 1.0f);
}

void glColor3ub(GLubyte red, GLubyte green, GLubyte blue) {
    Record("glColor3ub", red, green, blue);
    SetColor(red / 255.0f, green / 255.0f, blue / 255.0f, 1.0f);
}

void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    Record("glColor4f", red, green, blue, alpha);
    SetColor(red, green, blue, alpha);
}

void glColor4fv(const GLfloat* v) {
    Record("glColor4fv", v[0], v[1], v[2], v[3]);
    SetColor(v[0], v[1], v[2], v[3]);
}

void glEnable(GLenum cap) {
    Record("glEnable", cap);
    Gl().enabled.insert(cap);
}

void glDisable(GLenum cap) {
    Record("glDisable", cap);
    Gl().enabled.erase(cap);
}

void glBindTexture(GLenum target, GLuint texture) {
    Record("glBindTexture", target, texture);
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
}

void glPixelStorei(GLenum pname, GLint param) {
    Record("glPixelStorei", pname, param);
    if (pname == GL_UNPACK_ALIGNMENT) {
        Gl().unpackAlignment = param;
    }
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

void glGetIntegerv(GLenum pname, GLint* params) {
    *params = pname == GL_MAX_TEXTURE_SIZE ? Gl().maxTextureSize : 0;
}

GLenum glGetError() {
    const GLenum error = Gl().error;
    Gl().error = GL_NO_ERROR;
    return error;
}

void glShadeModel(GLenum mode) {
    Record("glShadeModel", mode);
}

void glLineStipple(GLint factor, GLushort pattern) {
    Record("glLineStipple", factor, pattern);
}

void glLineWidth(GLfloat width) {
    Record("glLineWidth", width);
}

void glRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
    Record("glRecti", x1, y1, x2, y2);
}

void glRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    Record("glRectf", x1, y1, x2, y2);
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
