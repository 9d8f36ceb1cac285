// hello-glfw: hello on GLFW 3 with an OpenGL 3.2 core context and vanui's shader backend. It
// loads hello.ui (a window, a label and a button), shows in the label a counter it increments
// every frame, and resets the counter when the button is clicked (the button takes the focus).
#include <vanui/vanui.h>

#include <GLFW/glfw3.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int width = 800;
constexpr int height = 600;
uiContext* context = nullptr;
int32_t frames = 0;

// Draws frames until the window is closed. The context goes before the backend, which makes and
// deletes its fonts' textures, and both go before the GL context; input reaches the context
// only while it lives, from glfwPollEvents.
int Run(GLFWwindow* window) {
    uiGLShaderBackend backend;
    std::string error;
    if (!backend.Init(error)) {
        std::fprintf(stderr, "hello-glfw: %s\n", error.c_str());
        return 1;
    }
    uiContextSettings settings;
    settings.fontFolders = {HELLO_FONT_DIR};
    settings.textures = &backend;
    uiContext hello(settings);
    context = &hello;
    if (!hello.LoadUiFile(HELLO_UI_FILE)) {
        return 1;
    }
    hello.SetDrawingArea(width, height);
    uiWidget* label = hello.FindWidget("Frames");
    label->valueText.BindInt(&frames);
    label->valueText.SetFormat("%d frames");
    hello.FindWidget("Reset")->SetHook(UIHOOK_TAKE_FOCUS, [](uiWidgetBlock*) { frames = 0; });
    glfwSetMouseButtonCallback(window, [](GLFWwindow* w, int button, int action, int) {
        uiGlfwMouseButton(*context, w, button, action);
    });
    glfwSetCursorPosCallback(window,
                             [](GLFWwindow* w, double x, double y) { uiGlfwCursorPos(*context, w, x, y); });
    glfwSetKeyCallback(window, [](GLFWwindow*, int key, int, int action, int mods) {
        uiGlfwKey(*context, key, action, mods);
    });
    glfwSetCharCallback(window, [](GLFWwindow* w, unsigned int code) { uiGlfwChar(*context, w, code); });

    uiDrawList frame;
    while (!glfwWindowShouldClose(window)) {
        int pixelsWide = 0;
        int pixelsHigh = 0;
        glfwGetFramebufferSize(window, &pixelsWide, &pixelsHigh);
        glViewport(0, 0, pixelsWide, pixelsHigh);
        glClearColor(0.1f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        ++frames;
        label->valueText.Refresh();
        frame.Clear();
        hello.Tick(frame);
        backend.Submit(frame, width, height);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    return 0;
}

} // namespace

int main() {
    glfwSetErrorCallback([](int, const char* text) { std::fprintf(stderr, "hello-glfw: %s\n", text); });
    if (!glfwInit()) {
        return 1;
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 2);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    GLFWwindow* window = glfwCreateWindow(width, height, "vanui hello-glfw", nullptr, nullptr);
    int status = 1;
    if (window != nullptr) {
        glfwMakeContextCurrent(window);
        status = Run(window);
    }
    glfwTerminate();
    return status;
}
