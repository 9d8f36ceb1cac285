// What the shader backend needs to know of the current context, read from its GL_VERSION: the
// API and version, and from them which GLSL variant it compiles, how coverage textures are
// stored and which pieces of GL state the context has (and so must be saved and restored).
#pragma once

#include <string>

struct uiGLContextKind {
    enum Api { Desktop, ES2, ES3 };
    Api api = Desktop;
    bool webGL = false;
    int major = 0;
    int minor = 0;

    // The name uiGLShaderBackend::Variant() gives.
    const char* VariantName() const;

    // Vertex array objects, one-channel (GL_R8) textures, the unpack row settings and pixel
    // unpack buffers: everything but OpenGL ES 2.0 and WebGL 1.
    bool HasVersion3Features() const { return api != ES2; }
    bool HasSamplerObjects() const { return api == ES3 || (api == Desktop && AtLeast(3, 3)); }
    bool HasPolygonMode() const { return api == Desktop; }
    bool HasPrimitiveRestart() const { return api == Desktop; }
    bool HasFixedIndexRestart() const { return (api == ES3 && !webGL) || (api == Desktop && AtLeast(4, 3)); }
    // WebGL 2 restarts a primitive at the largest index and cannot be told not to.
    bool RestartsAlways() const { return api == ES3 && webGL; }

    bool AtLeast(int wantedMajor, int wantedMinor) const {
        return major > wantedMajor || (major == wantedMajor && minor >= wantedMinor);
    }
};

// Reads a GL_VERSION string: "4.5 (Core Profile) Mesa 22.3.6", "OpenGL ES 2.0 Mesa 22.3.6",
// "OpenGL ES 3.0 (WebGL 2.0)". False, with the reason in error, for a null string (no current
// context), one without a version, OpenGL before 3.2 and OpenGL ES 1.
bool ReadGLContextKind(const char* version, uiGLContextKind& kind, std::string& error);
