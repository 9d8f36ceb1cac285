// GLUT's input events in the toolkit's terms (library vanui_glut). A GLUT program registers its
// own callbacks and passes their arguments on, positions already in picture pixels:
//
//   void Keyboard(unsigned char key, int, int) { uiGlutKeyboard(*context, key, glutGetModifiers()); }
//   void Mouse(int button, int state, int x, int y) { uiGlutMouse(*context, button, state, x, y); }
//   glutMotionFunc: context->MouseDragged(x, y); glutPassiveMotionFunc: context->MouseMoved(x, y)
//
// GLUT hands over the character a key types as a Latin-1 byte; Backspace (8), Tab (9),
// Enter (13), Escape (27) and Delete (127) become the toolkit's named keys.
#pragma once

class uiContext;

void uiGlutKeyboard(uiContext& context, unsigned char key, int glutModifiers);
void uiGlutMouse(uiContext& context, int glutButton, int glutState, int x, int y);
