// A pause of the calling thread, for the frame pacing of the UI test window.
#pragma once

// Sleeps at least the given number of milliseconds (none for zero or less), resuming after
// signals until the whole time has passed.
void SleepMilliseconds(int milliseconds);
