// vanui: a small widget toolkit that loads a UI description file (windows, widgets, their looks
// and animations, colours and fonts) and, every frame, animates and draws the widgets into a
// draw list and lets the mouse and keyboard act on them. This header includes the whole public
// line; each header below starts with the rules its calls keep.
//
// The order of calls (examples/hello shows it in about sixty lines):
//   1. Make a texture interface for your renderer with its context current (uiGLTextures for
//      GL 1.1, a uiGLShaderBackend for GL 3.2 core, GLES 2/3 or WebGL, or one of your own).
//   2. uiContext context(settings): settings name the texture interface, a message sink, and the
//      folders fonts are searched in.
//   3. context.LoadUiFile("my.ui"); on false, LoadError() says what stopped it.
//   4. context.SetDrawingArea(800, 600): the pixels the widgets are laid out in.
//   5. Every frame: list.Clear(); context.Tick(list); submit the list (uiGLBackend::Submit, or
//      your renderer reading list.Vertices() and list.Commands()).
//   6. Between frames: pass mouse and keys in the toolkit's codes (MouseMoved, MouseButton,
//      KeyPressed, CharacterTyped); uiGlutInput.h translates GLUT's, uiGlfwInput.h GLFW's.
//   7. Find widgets by name (FindWidget), bind their value texts to your variables
//      (valueText.BindInt), and hook their focus (SetHook(UIHOOK_TAKE_FOCUS, ...)).
//
// Ownership: the context owns every widget, table and font it made; pointers it hands out live
// as long as it does. It borrows the texture interface, which must outlive it. A draw list is
// yours and keeps its buffers from frame to frame.
//
// Threading: none. Use a context, its widgets and fonts from one thread, the one that owns the
// graphics context.
//
// Messages: every problem the toolkit finds (a UI file that does not load, a font it refuses, a
// placement it pulls back) goes to the context's message sink, or to standard error without one.
//
// Where each concept lives:
//   uiContext.h     the context: loading, the tree, frames, input, settings, load errors
//   uiWidget.h      a widget: placement, style, caption, value text, hooks, alignments
//   uiGroup.h       a top-level window and its children
//   uiValueText.h   the text inside a widget and its binding to a program variable
//   uiStyle.h       aspects (frames) and fills; uiAnimation.h  how a widget appears
//   uiColor.h, uiColorTable.h   colours and the fourteen named colours of a UI file
//   uiFont.h, uiGlyph.h, uiFontTable.h   texture fonts and the six font slots
//   uiDrawList.h    what a frame draws: vertices and commands for a renderer
//   uiTexture.h     the texture interface a renderer implements
//   uiInput.h       buttons, keys and modifiers in the toolkit's terms
//   uiMessage.h     messages and the sink that receives them
//   uiRect.h        placements and integer boxes
//   uiGLBackend.h   the OpenGL 1.1 renderer (library vanui_gl1)
//   uiGLShaderBackend.h  the renderer for GL 3.2 core, GLES 2/3 and WebGL (library vanui_gl3)
//   uiGlutInput.h   GLUT's events in the toolkit's terms (library vanui_glut)
//   uiGlfwInput.h   GLFW 3's events in the toolkit's terms (library vanui_glfw)
#pragma once

#include <vanui/uiAnimation.h>
#include <vanui/uiColor.h>
#include <vanui/uiColorTable.h>
#include <vanui/uiContext.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiFont.h>
#include <vanui/uiFontTable.h>
#include <vanui/uiGLBackend.h>
#include <vanui/uiGLShaderBackend.h>
#include <vanui/uiGlfwInput.h>
#include <vanui/uiGlutInput.h>
#include <vanui/uiGlyph.h>
#include <vanui/uiGroup.h>
#include <vanui/uiInput.h>
#include <vanui/uiMessage.h>
#include <vanui/uiRect.h>
#include <vanui/uiStyle.h>
#include <vanui/uiTexture.h>
#include <vanui/uiValueText.h>
#include <vanui/uiWidget.h>
