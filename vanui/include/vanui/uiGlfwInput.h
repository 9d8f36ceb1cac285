// GLFW 3's input events in the toolkit's terms (library vanui_glfw). The program keeps its own
// callbacks (GLFW takes one of each kind per window, and the window's user pointer stays the
// program's) and passes their arguments on:
//
//   glfwSetMouseButtonCallback: uiGlfwMouseButton(*context, window, button, action)
//   glfwSetCursorPosCallback:   uiGlfwCursorPos(*context, window, x, y)
//   glfwSetKeyCallback:         uiGlfwKey(*context, key, action, mods)
//   glfwSetCharCallback:        uiGlfwChar(*context, window, codepoint)
//
// GLFW reports the cursor in the window's screen coordinates, which on a high-density screen
// are fewer than the framebuffer's pixels. The unit scales them by the context's drawing area
// against the window's size, so the picture may be laid out at any size (the window's, the
// framebuffer's, a fixed one) as long as it fills the framebuffer (glViewport to
// glfwGetFramebufferSize). The calls that take the window read its size, cursor, buttons or
// modifier keys from GLFW; call them on GLFW's main thread, as its callbacks are.
#pragma once

class uiContext;
struct GLFWwindow;

// Presses and releases of any of GLFW's buttons, at the cursor's position (only the left button
// acts on widgets).
void uiGlfwMouseButton(uiContext& context, GLFWwindow* window, int glfwButton, int glfwAction);
// A move with any button held is a drag (uiContext::MouseDragged), otherwise a hover.
void uiGlfwCursorPos(uiContext& context, GLFWwindow* window, double x, double y);
// Backspace, Delete, Escape, Tab and Enter (the keypad's too), pressed or repeated, with the
// GLFW_MOD_* bits held; every other key and every release is left to the character callback.
void uiGlfwKey(uiContext& context, int glfwKey, int glfwAction, int glfwMods);
// A typed character as a Unicode code point, with the Shift, Control and Alt keys held now.
void uiGlfwChar(uiContext& context, GLFWwindow* window, unsigned int codePoint);
