// The GL context the playground draws into: WebGL 2 where the browser offers it, else WebGL 1,
// made on a canvas of the page with its drawing buffer preserved, so that the page can read the
// picture back and download it between frames. One context for the module's life, current for
// every GL call the module makes.
#pragma once

// Makes the context on the canvas that the CSS selector names ("#preview") and makes it
// current; true when that worked, and at once when it already has.
bool StartWebGLCanvas(const char* canvasSelector);
