// The font test window (console command 8): an 800 x 600 GLUT window that shows the font of
// "Default.KRF" at work, redrawn continuously. The call returns when the window is closed, with
// the font released, or at once when no display can show the window. argc and argv are the
// program's arguments, for GLUT's own options such as -display; they are not changed.
#pragma once

void RunFontTest(int argc, char** argv);
