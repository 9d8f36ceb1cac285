// The toolkit's one way to the GL: submits a draw list with OpenGL 1.1 client-side vertex arrays,
// one glDrawArrays per command, changing the texture, line stipple and blending only where a
// command needs another state than the one before it. Whatever GL state it changes (enables,
// the bound texture, the line stipple, the blend function, the client arrays) is restored when
// it returns. A program may read the draw list and submit it by its own means instead.
//
// Call with a GL context current and the frame's projection set (one unit a pixel, y growing
// downwards, for the toolkit's lists); the list must not change during the call.
#pragma once

#include <vanui/uiDrawList.h>

class uiGLBackend {
public:
    static void Submit(const uiDrawList& list);
};
