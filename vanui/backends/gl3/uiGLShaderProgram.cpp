#include "uiGLShaderProgram.h"

#include <vector>

namespace {

// ==== Sources ====
// One body per stage; a prelude per variant names the keywords that differ, and the features
// of the program are defined before the body.

const char* const VERTEX_PRELUDE_GL3 = "#version 150\n#define ATTRIBUTE in\n#define VARYING out\n";
const char* const VERTEX_PRELUDE_ES2 = "#version 100\n#define ATTRIBUTE attribute\n#define VARYING varying\n";
const char* const VERTEX_PRELUDE_ES3 = "#version 300 es\n#define ATTRIBUTE in\n#define VARYING out\n";

const char* const VERTEX_BODY = R"(
uniform mat4 uProjection;
ATTRIBUTE vec2 aPosition;
ATTRIBUTE vec2 aTexCoord;
ATTRIBUTE vec4 aColor;
ATTRIBUTE float aDistance;
VARYING vec2 vTexCoord;
VARYING vec4 vColor;
VARYING float vDistance;
void main() {
    vTexCoord = aTexCoord;
    vColor = aColor;
    vDistance = aDistance;
    gl_Position = uProjection * vec4(aPosition, 0.0, 1.0);
}
)";

// GL_R8 coverage is sampled from red, GL_ALPHA coverage (OpenGL ES 2.0, WebGL 1) from alpha.
const char* const FRAGMENT_PRELUDE_GL3 =
    "#version 150\n#define VARYING in\n#define TEXTURE texture\n#define COVERAGE r\nout vec4 fragColor;\n";
const char* const FRAGMENT_PRELUDE_ES2 = "#version 100\n"
                                         "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\nprecision highp sampler2D;\n"
                                         "#else\nprecision mediump float;\n#endif\n"
                                         "#define VARYING varying\n#define TEXTURE texture2D\n#define COVERAGE a\n"
                                         "#define fragColor gl_FragColor\n";
const char* const FRAGMENT_PRELUDE_ES3 = "#version 300 es\nprecision highp float;\n"
                                         "#define VARYING in\n#define TEXTURE texture\n#define COVERAGE r\n"
                                         "out vec4 fragColor;\n";

// A stippled fragment is kept when the pattern's bit for its counter is set, as the GL 1.1
// stipple keeps it: bit (counter / factor) mod 16, counted in whole pixels along the line. GLSL
// 1.00 has no integer bit operations, so the bit is taken from the pattern's bytes with floats,
// which hold every value here exactly.
const char* const FRAGMENT_BODY = R"(
uniform sampler2D uTexture;
uniform vec3 uStipple;
VARYING vec2 vTexCoord;
VARYING vec4 vColor;
VARYING float vDistance;
void main() {
#ifdef STIPPLED
    float bit = mod(floor(floor(vDistance) / uStipple.z), 16.0);
    float patternByte = bit < 8.0 ? uStipple.x : uStipple.y;
    if (mod(floor(patternByte / exp2(mod(bit, 8.0))), 2.0) < 1.0) {
        discard;
    }
#endif
#ifdef TEXTURED
    fragColor = vec4(vColor.rgb, vColor.a * TEXTURE(uTexture, vTexCoord).COVERAGE);
#else
    fragColor = vColor;
#endif
}
)";

const char* FeatureDefines(unsigned features) {
    static const char* const DEFINES[UIGL_PROGRAM_KINDS] = {
        "", "#define TEXTURED 1\n", "#define STIPPLED 1\n", "#define TEXTURED 1\n#define STIPPLED 1\n"};
    return DEFINES[features % UIGL_PROGRAM_KINDS];
}

// ==== Building ====

std::string InfoLog(GLuint object, bool isProgram) {
    GLint length = 0;
    if (isProgram) {
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    } else {
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    }
    if (length <= 1) {
        return "no log";
    }
    std::vector<char> text(static_cast<size_t>(length), '\0');
    if (isProgram) {
        glGetProgramInfoLog(object, length, nullptr, text.data());
    } else {
        glGetShaderInfoLog(object, length, nullptr, text.data());
    }
    std::string log(text.data());
    while (!log.empty() && (log.back() == '\n' || log.back() == ' ')) {
        log.pop_back();
    }
    return log;
}

// The compiled shader, or 0 with the compiler's log in error.
GLuint Compile(GLenum stage, const char* prelude, const char* defines, const char* body, const char* stageName,
               std::string& error) {
    const GLuint shader = glCreateShader(stage);
    if (shader == 0) {
        error = std::string("the GL made no ") + stageName + " shader";
        return 0;
    }
    const char* const sources[] = {prelude, defines, body};
    glShaderSource(shader, 3, sources, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        error = std::string("the ") + stageName + " shader does not compile: " + InfoLog(shader, false);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

bool uiGLShaderProgram::Build(const uiGLContextKind& kind, unsigned features, std::string& error) {
    Destroy();
    const bool es2 = kind.api == uiGLContextKind::ES2;
    const bool es3 = kind.api == uiGLContextKind::ES3;
    const char* vertexPrelude = es2 ? VERTEX_PRELUDE_ES2 : es3 ? VERTEX_PRELUDE_ES3 : VERTEX_PRELUDE_GL3;
    const char* fragmentPrelude = es2 ? FRAGMENT_PRELUDE_ES2 : es3 ? FRAGMENT_PRELUDE_ES3 : FRAGMENT_PRELUDE_GL3;
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexPrelude, "", VERTEX_BODY, "vertex", error);
    if (vertex == 0) {
        return false;
    }
    const GLuint fragment =
        Compile(GL_FRAGMENT_SHADER, fragmentPrelude, FeatureDefines(features), FRAGMENT_BODY, "fragment", error);
    if (fragment == 0) {
        glDeleteShader(vertex);
        return false;
    }
    program = glCreateProgram();
    if (program == 0) {
        error = "the GL made no program";
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        return false;
    }
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glBindAttribLocation(program, UIGL_ATTRIBUTE_POSITION, "aPosition");
    glBindAttribLocation(program, UIGL_ATTRIBUTE_TEXCOORD, "aTexCoord");
    glBindAttribLocation(program, UIGL_ATTRIBUTE_COLOR, "aColor");
    glBindAttribLocation(program, UIGL_ATTRIBUTE_DISTANCE, "aDistance");
    glLinkProgram(program);
    // The program keeps what it linked; the shaders go when it goes.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        error = "the shaders do not link: " + InfoLog(program, true);
        Destroy();
        return false;
    }
    projection = glGetUniformLocation(program, "uProjection");
    stipple = glGetUniformLocation(program, "uStipple");
    return true;
}

void uiGLShaderProgram::Destroy() {
    if (program != 0) {
        glDeleteProgram(program);
    }
    program = 0;
    projection = -1;
    stipple = -1;
}
