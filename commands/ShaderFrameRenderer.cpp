#include "ShaderFrameRenderer.h"

#include "FontTestScene.h"
#include "UiTestScene.h"

#ifdef __EMSCRIPTEN__
#include <GLES2/gl2.h>
#else
#include <GL/gl.h>
#endif

void ShaderFrameRenderer::Begin(FramePicture picture) {
    const float* background = picture == FramePicture::FontTest ? FONT_TEST_BACKGROUND : UI_TEST_BACKGROUND;
    glClearColor(background[0], background[1], background[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void ShaderFrameRenderer::Submit(const uiDrawList& list) {
    backend.Submit(list, UI_TEST_WIDTH, UI_TEST_HEIGHT);
}
