// The UI test window (console command 7): an 800 x 600 GLUT window that loads "vantora.ui" and
// then, every frame, animates and draws its widgets over a colour triangle, with a sliding line
// of sample text and the glyph sheet of "default.krf". Mouse and keyboard events go to the
// widgets: hover highlight, pressed and released looks, focus by click and typing into the
// focused widget's value text; a resized window stretches the picture, and the mouse is mapped
// into it. The call returns when the window is closed, with the context and the font released,
// or at once when no display can show the window. argc and argv are the program's arguments,
// for GLUT's own options such as -display; they are not changed.
#pragma once

void RunUiTestWindow(int argc, char** argv);
