// When the animations of a loaded UI context run, on the context's clock in milliseconds. A
// widget's animation (windows' and children's alike) waits while the clock is at most Wait,
// runs while it is above Wait and at most Wait + Duration, and has finished above that; a
// Duration of 0 or less ends it when the wait ends. Read right after the load: the runtime
// changes the Type of an animation, never its times.
#pragma once

#include <vector>

class uiContext;

// The first moment at which every animation has finished: one past the largest end
// (Wait + Duration, a Duration below 0 counting 0), and 0 when there is no animation or every
// one ends before the clock starts.
double SettledTime(const uiContext& context);
// Moments at which the animations with a Duration above 0 are running, as few as do: every such
// animation runs at one of them at least. Each lies half a millisecond inside its animation's
// end, clear of the edge that a clock's rounding could move it across. Ascending, all above 0.
std::vector<double> RunningTimes(const uiContext& context);
