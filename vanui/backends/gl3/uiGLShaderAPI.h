// The one place the shader backend's GL declarations come from: emscripten's GLES 3 header for
// WebGL 1 and 2 (which functions a context may call is decided at run time, from its version),
// the desktop header with every prototype elsewhere. Nothing here links a GL library: the
// program links the GL of its platform.
#pragma once

#if defined(__EMSCRIPTEN__)
#include <GLES3/gl3.h>
#else
#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/gl.h>
#include <GL/glext.h>
#endif
