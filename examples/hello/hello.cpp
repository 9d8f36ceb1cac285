// hello: a GLUT program that embeds vanui with its OpenGL 1.1 backend. It loads hello.ui (a
// window, a label and a button), shows in the label a counter it increments every frame, and
// resets the counter when the button is clicked (the button takes the focus).
#include <vanui/vanui.h>

#include <GL/glut.h>

#include <cstdint>
#include <memory>

namespace {

uiGLTextures textures;
std::unique_ptr<uiContext> context;
uiDrawList frame;
int32_t frames = 0;
uiWidget* label = nullptr;

void Display() {
    glClearColor(0.1f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 600, 0, -1, 1);
    ++frames;
    label->valueText.Refresh();
    frame.Clear();
    context->Tick(frame);
    uiGLBackend::Submit(frame);
    glutSwapBuffers();
    glutPostRedisplay();
}

void Mouse(int button, int state, int x, int y) { uiGlutMouse(*context, button, state, x, y); }
void Moved(int x, int y) { context->MouseMoved(x, y); }

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(800, 600);
    glutCreateWindow("vanui hello");
    glutDisplayFunc(Display);
    glutMouseFunc(Mouse);
    glutPassiveMotionFunc(Moved);

    uiContextSettings settings;
    settings.fontFolders = {HELLO_FONT_DIR};
    settings.textures = &textures;
    context = std::make_unique<uiContext>(settings);
    if (!context->LoadUiFile(HELLO_UI_FILE)) {
        return 1;
    }
    context->SetDrawingArea(800, 600);
    label = context->FindWidget("Frames");
    label->valueText.BindInt(&frames);
    label->valueText.SetFormat("%d frames");
    context->FindWidget("Reset")->SetHook(UIHOOK_TAKE_FOCUS, [](uiWidgetBlock*) { frames = 0; });
    glutMainLoop();
}
