#include "Sleep.h"

#include <cerrno>
#include <ctime>

void SleepMilliseconds(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    timespec remaining;
    remaining.tv_sec = milliseconds / 1000;
    remaining.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}
