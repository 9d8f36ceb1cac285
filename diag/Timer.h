// A timer gives the seconds elapsed since its start point; Restart makes the present moment
// the start point. The widget runtime's animation clock reads one every frame.
#pragma once

namespace drev {

class Timer {
public:
    virtual ~Timer() = default;
    virtual long double Elapsed() = 0;
    virtual void Restart() = 0;
};

} // namespace drev
