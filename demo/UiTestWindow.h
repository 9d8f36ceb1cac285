// The UI test window (console command 7): an 800 x 600 GLUT window that loads "vantora.ui" and
// then, every frame, animates and draws its widgets over a colour triangle, with a sliding line
// of sample text and the glyph sheet of "default.krf". Mouse and keyboard events go to the
// widgets: hover highlight, pressed and released looks, focus by click and typing into the
// focused widget's value text. Once the window is open GLUT owns the process and the console
// menu does not come back; without a display the call returns at once.
#pragma once

void RunUiTestWindow(int& argc, char** argv);
