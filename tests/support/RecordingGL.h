// A recording stand-in for OpenGL 1.1, linked into unit tests in place of libGL. Every entry
// point the toolkit's backend and the demo windows call is defined here with C linkage; each call
// is recorded with its name and numeric arguments, and every glDrawElements is recorded as the
// primitives it draws (Batches): each quad (the two triangles the toolkit split it into),
// triangle or line on its own, a loop or strip whole,
// with its vertices' positions, colours and texture coordinates read from the client arrays and
// the texture and stipple it is drawn with. The immediate-mode entry points are not defined, so
// code that bypasses the draw list does not link. Queries
// (glGetIntegerv, glGetError) are answered, not recorded. Like a real GL, an upload larger than
// the largest texture is refused with GL_INVALID_VALUE. The recorder is process-wide: tests call
// Reset before the code under test.
#pragma once

#include <GL/gl.h>

#include <string>
#include <vector>

namespace RecordingGL {

struct Call {
    std::string name;
    std::vector<double> args;
    // glTexImage2D only: the bytes the GL reads, row padding of the unpack alignment included.
    std::vector<unsigned char> pixels;
};

struct Vertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float s = 0.0f;
    float t = 0.0f;
};

struct Batch {
    GLenum mode = 0;
    std::vector<Vertex> vertices;
    // The texture bound while GL_TEXTURE_2D was enabled, else 0.
    GLuint texture = 0;
    bool stippled = false;
};

// Forgets every call and batch and restores the initial GL state: colour white, texture
// coordinate 0, nothing enabled, no client array, the pixel-store defaults, the modulating
// texture environment, texture names counting from 1, no error,
// a largest texture of DEFAULT_MAX_TEXTURE_SIZE, recording on.
void Reset();
// When on, nothing is recorded and no state is kept (for benchmarks, as a GL that does nothing);
// texture names are still handed out.
void SetDiscard(bool on);
// When on, glGenTextures gives the name 0, as a GL that can't create a texture.
void SetTextureNameZero(bool on);
// What glGetIntegerv(GL_MAX_TEXTURE_SIZE) answers.
inline constexpr int DEFAULT_MAX_TEXTURE_SIZE = 16384;
void SetMaxTextureSize(int size);
// An error left by some earlier call, reported by the next glGetError.
void SetPendingError(GLenum error);
// Makes the next glTexImage2D fail with the error, as a GL that ran out of memory would.
void FailNextUpload(GLenum error);

const std::vector<Call>& Calls();
std::vector<std::string> CallNames();
std::vector<Call> CallsNamed(const std::string& name);
const std::vector<Batch>& Batches();
bool IsEnabled(GLenum capability);
bool IsClientArrayEnabled(GLenum array);
GLuint BoundTexture();
// A pixel-store setting as glPixelStorei last set it (glPushClientAttrib and glPopClientAttrib
// keep and restore them all), and the texture environment's mode (kept by glPushAttrib).
GLint PixelStore(GLenum pname);
GLint TextureEnvMode();

} // namespace RecordingGL
