// The red band that a viewer draws across the bottom of its 800 x 600 picture while the file it
// shows has an error: the text in white, over whatever the frame drew. Drawn after the
// frame's content, into the frame's draw list.
#pragma once

#include <string>

class uiDrawList;
class uiFont;

// The band is as tall as the text's lines, wrapped at blanks to the picture's width, and a
// margin; a font that is null or not loaded gives a thin band without text.
void DrawErrorBand(uiDrawList& list, uiFont* font, const std::string& text);
