// How the windows begin a frame on the GL 1.1 backend (the bench's windows, drev view and
// drev render --backend gl1): the background cleared, blending with source alpha, and the
// 800 x 600 mapping with y growing downwards set in the fixed-function matrices. The scenes
// themselves only fill draw lists; another backend begins its frame its own way.
#pragma once

// Clears to the window's teal, sets the 800 x 600 projection with y growing downwards and
// enables blending with source alpha.
void BeginUiTestFrame();

// Clears to dark grey, enables blending with source alpha and sets the 800 x 600 mapping with
// y growing downwards (kept in the modelview matrix, the projection left as identity).
void BeginFontTestFrame();
