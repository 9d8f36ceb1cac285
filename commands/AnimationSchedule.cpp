#include "AnimationSchedule.h"

#include <vanui/uiContext.h>

#include <algorithm>

namespace {

// The running phase of one animation: above start, up to and including end.
struct Phase {
    double start;
    double end;
};

// Visits every animation of the tree, windows first, each before its children.
template <typename Visit> void ForEachAnimation(const uiContext& context, Visit visit) {
    for (size_t w = 0; w < context.WindowCount(); ++w) {
        const uiGroup& window = *context.Window(w);
        if (window.Animation() != nullptr) {
            visit(*window.Animation());
        }
        for (size_t c = 0; c < window.ChildCount(); ++c) {
            if (window.Child(c)->Animation() != nullptr) {
                visit(*window.Child(c)->Animation());
            }
        }
    }
}

} // namespace

double SettledTime(const uiContext& context) {
    double settled = 0.0;
    ForEachAnimation(context, [&settled](const uiAnimation& animation) {
        const double end = static_cast<double>(animation.Wait) + std::max(animation.Duration, 0);
        settled = std::max(settled, end + 1.0);
    });
    return settled;
}

// Stabbing the phases in order of their ends: a moment just inside the earliest end lies in
// every phase that has started by then.
std::vector<double> RunningTimes(const uiContext& context) {
    std::vector<Phase> phases;
    ForEachAnimation(context, [&phases](const uiAnimation& animation) {
        const double end = static_cast<double>(animation.Wait) + animation.Duration;
        if (animation.Duration > 0 && end > 0.0) {
            phases.push_back(Phase{static_cast<double>(animation.Wait), end});
        }
    });
    std::sort(phases.begin(), phases.end(), [](const Phase& a, const Phase& b) { return a.end < b.end; });
    std::vector<double> moments;
    for (const Phase& phase : phases) {
        if (moments.empty() || moments.back() <= phase.start) {
            moments.push_back(phase.end - 0.5);
        }
    }
    return moments;
}
