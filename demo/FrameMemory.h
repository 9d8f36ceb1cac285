// How the heap treats the memory a frame frees, set once at the start of the program, before
// any window or off-screen surface exists.
#pragma once

// Keeps freed memory in the process for the next frame instead of giving it back to the
// system. Returns false when the C library refused a setting (the program runs on, slower).
bool KeepFrameMemory();
