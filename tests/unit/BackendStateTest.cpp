// Both backends in real llvmpipe contexts (the GL 1.1 one in a compatibility context, the shader
// one in OpenGL 3.2 core, OpenGL ES 2.0 and 3): a program's GL state, every piece set to a value
// other than its default, is read before and after a frame is drawn and textures are made,
// filled and deleted, and is found unchanged. The frame still draws as the backend means it
// to, whatever the program left enabled, and no GL error is left behind.
#include "OffscreenGL.h"
#include <vanui/uiGLBackend.h>
#include <vanui/uiGLShaderBackend.h>

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

const int WIDTH = 64;
const int HEIGHT = 48;

struct ContextCase {
    const char* name;
    OffscreenContext context;
    bool shader;
    // The shader backend's variant for the context.
    const char* variant;
    // The GLSL of the program the test binds: what the context compiles.
    const char* glsl;
};

void PrintTo(const ContextCase& c, std::ostream* out) {
    *out << c.name;
}

// What a program may have left: pieces of the desktop API and of version 3 APIs are only read
// where the context has them.
struct Features {
    bool desktop;
    bool version3;
    bool gl11Only;
};

Features FeaturesOf(const ContextCase& c) {
    const bool desktop = c.context == OffscreenContext::Compatibility || c.context == OffscreenContext::Core32;
    return Features{desktop, c.context != OffscreenContext::ES2, !c.shader};
}

using State = std::map<std::string, std::vector<GLint>>;

State ReadState(const Features& has) {
    State state;
    const auto integers = [&state](const char* name, GLenum what, size_t count = 1) {
        std::vector<GLint> values(4, -1);
        glGetIntegerv(what, values.data());
        values.resize(count);
        state[name] = values;
    };
    const auto enabled = [&state](const char* name, GLenum what) { state[name] = {glIsEnabled(what)}; };
    integers("viewport", GL_VIEWPORT, 4);
    integers("scissor box", GL_SCISSOR_BOX, 4);
    integers("clear colour", GL_COLOR_CLEAR_VALUE, 4);
    integers("active texture", GL_ACTIVE_TEXTURE);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    for (const GLenum unit : {GL_TEXTURE0, GL_TEXTURE2}) {
        glActiveTexture(unit);
        integers(unit == GL_TEXTURE0 ? "texture of unit 0" : "texture of unit 2", GL_TEXTURE_BINDING_2D);
    }
    glActiveTexture(static_cast<GLenum>(active));
    enabled("blend", GL_BLEND);
    integers("blend source rgb", GL_BLEND_SRC_RGB);
    integers("blend destination rgb", GL_BLEND_DST_RGB);
    integers("blend source alpha", GL_BLEND_SRC_ALPHA);
    integers("blend destination alpha", GL_BLEND_DST_ALPHA);
    integers("blend equation rgb", GL_BLEND_EQUATION_RGB);
    integers("blend equation alpha", GL_BLEND_EQUATION_ALPHA);
    enabled("cull face", GL_CULL_FACE);
    enabled("depth test", GL_DEPTH_TEST);
    enabled("stencil test", GL_STENCIL_TEST);
    enabled("scissor test", GL_SCISSOR_TEST);
    integers("unpack alignment", GL_UNPACK_ALIGNMENT);
    if (has.desktop) {
        integers("polygon mode", GL_POLYGON_MODE, 2);
    }
    if (has.gl11Only) {
        enabled("texture 2D", GL_TEXTURE_2D);
        enabled("line stipple", GL_LINE_STIPPLE);
        integers("line stipple pattern", GL_LINE_STIPPLE_PATTERN);
        integers("array buffer", GL_ARRAY_BUFFER_BINDING);
        integers("element buffer", GL_ELEMENT_ARRAY_BUFFER_BINDING);
        return state;
    }
    integers("program", GL_CURRENT_PROGRAM);
    integers("array buffer", GL_ARRAY_BUFFER_BINDING);
    integers("element buffer", GL_ELEMENT_ARRAY_BUFFER_BINDING);
    for (GLuint index = 0; index < 4; ++index) {
        const std::string attribute = "attribute " + std::to_string(index);
        std::vector<GLint> values(3, -1);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &values[0]);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &values[1]);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &values[2]);
        state[attribute] = values;
    }
    if (has.version3) {
        integers("vertex array", GL_VERTEX_ARRAY_BINDING);
        integers("sampler of unit 0", GL_SAMPLER_BINDING);
        integers("unpack row length", GL_UNPACK_ROW_LENGTH);
        integers("unpack skip rows", GL_UNPACK_SKIP_ROWS);
        integers("unpack skip pixels", GL_UNPACK_SKIP_PIXELS);
        integers("pixel unpack buffer", GL_PIXEL_UNPACK_BUFFER_BINDING);
        enabled("primitive restart, fixed index", GL_PRIMITIVE_RESTART_FIXED_INDEX);
    }
    if (has.desktop) {
        enabled("primitive restart", GL_PRIMITIVE_RESTART);
    }
    return state;
}

// Buffers a program of its own left bound, which the GL 1.1 backend's client arrays must not be
// read from.
void BindProgramBuffers() {
    GLuint buffers[2] = {0, 0};
    glGenBuffers(2, buffers);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glBufferData(GL_ARRAY_BUFFER, 256, nullptr, GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, 256, nullptr, GL_STATIC_DRAW);
}

// The middle of the picture.
std::vector<unsigned char> MiddlePixel(const OffscreenGL& gl) {
    const RgbImage picture = gl.ReadPixels();
    const size_t middle = (static_cast<size_t>(HEIGHT / 2) * WIDTH + WIDTH / 2) * 3;
    return std::vector<unsigned char>(picture.rgb.begin() + middle, picture.rgb.begin() + middle + 3);
}

GLuint Compile(GLenum stage, const std::string& source) {
    const GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    return shader;
}

// A linked program of the program's own, so that one is bound when the backend starts.
GLuint MakeProgram(const std::string& glsl) {
    const bool es2 = glsl == "#version 100";
    const std::string fragment = es2 ? "void main() { gl_FragColor = vec4(1.0); }"
                                     : "out highp vec4 colour; void main() { colour = vec4(1.0); }";
    const GLuint program = glCreateProgram();
    const GLuint shaders[] = {Compile(GL_VERTEX_SHADER, glsl + "\nvoid main() { gl_Position = vec4(0.0); }"),
                              Compile(GL_FRAGMENT_SHADER, glsl + "\n" + fragment)};
    for (const GLuint shader : shaders) {
        glAttachShader(program, shader);
        glDeleteShader(shader);
    }
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    return program;
}

// Every piece ReadState reads, set away from its default.
void SetProgramState(const ContextCase& c, const Features& has) {
    glViewport(2, 3, WIDTH - 4, HEIGHT - 5);
    glEnable(GL_SCISSOR_TEST);
    glScissor(1, 1, WIDTH - 2, HEIGHT - 2);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    GLuint textures[2] = {0, 0};
    glGenTextures(2, textures);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_DST_COLOR, GL_ZERO, GL_ONE, GL_ONE_MINUS_DST_ALPHA);
    glBlendEquationSeparate(GL_FUNC_SUBTRACT, GL_FUNC_REVERSE_SUBTRACT);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT_AND_BACK);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_STENCIL_TEST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    if (has.desktop) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    }
    if (has.gl11Only) {
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(3, 0x1234);
        BindProgramBuffers();
        return;
    }
    glUseProgram(MakeProgram(c.glsl));
    GLuint buffers[3] = {0, 0, 0};
    glGenBuffers(3, buffers);
    if (has.version3) {
        GLuint vertexArray = 0;
        glGenVertexArrays(1, &vertexArray);
        glBindVertexArray(vertexArray);
        GLuint sampler = 0;
        glGenSamplers(1, &sampler);
        glBindSampler(0, sampler);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 1);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 2);
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, buffers[2]);
        glBufferData(GL_PIXEL_UNPACK_BUFFER, 64, nullptr, GL_STATIC_DRAW);
        glEnable(GL_PRIMITIVE_RESTART_FIXED_INDEX);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glBufferData(GL_ARRAY_BUFFER, 256, nullptr, GL_STATIC_DRAW);
    for (GLuint index = 0; index < 4; ++index) {
        glVertexAttribPointer(index, 3, GL_FLOAT, GL_FALSE, 12 + static_cast<GLsizei>(index) * 4, nullptr);
        glEnableVertexAttribArray(index);
    }
    if (has.desktop) {
        glEnable(GL_PRIMITIVE_RESTART);
    }
}

// An opaque red textured quad over the whole layout, a stippled loop and a line in green.
void AddFrame(uiDrawList& list, uiTextureId texture) {
    const uiDrawColor red{255, 0, 0, 255};
    const uiDrawColor green{0, 255, 0, 255};
    const float right = static_cast<float>(WIDTH);
    const float bottom = static_cast<float>(HEIGHT);
    list.SetTexture(texture);
    list.AddQuad(uiDrawVertex{0, 0, 0, 0, red}, uiDrawVertex{right, 0, 1, 0, red},
                 uiDrawVertex{right, bottom, 1, 1, red}, uiDrawVertex{0, bottom, 0, 1, red});
    list.SetTexture(0);
    list.SetLineStipple(1, 0xCCCC);
    const uiDrawVertex loop[4] = {{4, 4, 0, 0, green}, {20, 4, 0, 0, green}, {20, 12, 0, 0, green},
                                  {4, 12, 0, 0, green}};
    list.AddLineLoop(loop, 4);
    list.ClearLineStipple();
    list.AddLine(uiDrawVertex{4, 40, 0, 0, green}, uiDrawVertex{60, 40, 0, 0, green});
}

// Draws a frame and makes, fills and deletes textures through the backend of the case.
void DrawThroughBackend(const ContextCase& c, uiTextures& textures, uiGLShaderBackend* shader) {
    const std::vector<unsigned char> opaque(16 * 16, 255);
    uiTextureDesc desc;
    desc.width = 16;
    desc.height = 16;
    desc.coverage = opaque.data();
    uiTextureRefusal refusal;
    const uiTextureId texture = textures.Create(desc, refusal);
    ASSERT_NE(texture, 0u) << refusal.kind << " " << refusal.code;
    EXPECT_TRUE(textures.Update(texture, desc));
    uiDrawList list;
    AddFrame(list, texture);
    if (c.shader) {
        shader->Submit(list, WIDTH, HEIGHT);
    } else {
        uiGLBackend::Submit(list);
    }
    textures.Delete(textures.Create(desc, refusal));
}

class BackendStateTest : public testing::TestWithParam<ContextCase> {};

TEST_P(BackendStateTest, AFrameAndTexturesLeaveTheProgramsStateAsTheyFoundIt) {
    const ContextCase& c = GetParam();
    OffscreenGL gl;
    std::string error;
    ASSERT_TRUE(gl.Open(WIDTH, HEIGHT, c.context, error)) << error;
    const Features has = FeaturesOf(c);
    uiGLShaderBackend shader;
    uiGLTextures gl1Textures;
    if (c.shader) {
        ASSERT_TRUE(shader.Init(error)) << error;
        EXPECT_EQ(shader.Variant(), c.variant);
    } else {
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, WIDTH, HEIGHT, 0, -1, 1);
    }
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SetProgramState(c, has);
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const State before = ReadState(has);

    DrawThroughBackend(c, c.shader ? static_cast<uiTextures&>(shader) : gl1Textures, &shader);

    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const State after = ReadState(has);
    for (const auto& [piece, values] : before) {
        EXPECT_EQ(after.at(piece), values) << piece << " in " << c.name;
    }
    if (c.shader) {
        // Culling, the depth and stencil tests, the polygon mode and the program's blending do
        // not reach the frame: the quad is red where the viewport and scissor box let it draw.
        EXPECT_EQ(MiddlePixel(gl), (std::vector<unsigned char>{255, 0, 0}));
    }
}

const ContextCase CASES[] = {
    {"GL1Compatibility", OffscreenContext::Compatibility, false, "", "#version 110"},
    {"ShaderCore32", OffscreenContext::Core32, true, "OpenGL 3.2+ core", "#version 150"},
    {"ShaderES2", OffscreenContext::ES2, true, "OpenGL ES 2.0", "#version 100"},
    {"ShaderES3", OffscreenContext::ES3, true, "OpenGL ES 3.x", "#version 300 es"},
};

std::string CaseName(const testing::TestParamInfo<ContextCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Contexts, BackendStateTest, testing::ValuesIn(CASES), CaseName);

TEST(GL1BackendTest, DrawsFromItsListWhateverBuffersTheProgramLeftBound) {
    OffscreenGL gl;
    std::string error;
    ASSERT_TRUE(gl.Open(WIDTH, HEIGHT, OffscreenContext::Compatibility, error)) << error;
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, WIDTH, HEIGHT, 0, -1, 1);
    uiGLTextures textures;
    BindProgramBuffers();
    DrawThroughBackend(CASES[0], textures, nullptr);
    EXPECT_EQ(MiddlePixel(gl), (std::vector<unsigned char>{255, 0, 0}));
}

} // namespace
