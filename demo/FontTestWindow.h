// The font test window (console command 8): an 800 x 600 GLUT window that shows the font of
// "Default.KRF" at work, redrawn continuously. Once the window is open GLUT owns the process and
// the console menu does not come back; without a display the call returns at once.
#pragma once

void RunFontTest(int& argc, char** argv);
