// Which backend drev render draws with: the GL 1.1 backend in a compatibility context (the
// windows' own), or the shader backend in an OpenGL 3.2 core or an OpenGL ES 2.0 context.
#pragma once

enum class RenderBackend { GL1, GL3, GLES2 };

// The names --backend takes, in the enum's order.
inline constexpr const char* RENDER_BACKEND_NAMES[] = {"gl1", "gl3", "gles2"};

inline const char* RenderBackendName(RenderBackend backend) {
    return RENDER_BACKEND_NAMES[static_cast<int>(backend)];
}
