// When the animations of a loaded file run: the settled moment and the moments that catch every
// animation running, checked against what the runtime then does on frames at those moments.
#include "AnimationSchedule.h"

#include "UiRuntimeTestSupport.h"

#include <algorithm>

namespace {

class AnimationScheduleTest : public UiRuntimeTestBase {
protected:
    // A window and one child per animation given as "Wait Duration" (Type 9 to see it run).
    bool LoadAnimations(const std::vector<std::pair<int, int>>& animations) {
        std::string text = "uiWindow \"W\" \"Application\" { Width 800 Height 600 }\n";
        for (size_t i = 0; i < animations.size(); ++i) {
            text += "uiLabel \"L" + std::to_string(i) +
                    "\" \"W\" { Width 10 Height 10 Animation { Type 9 Wait " +
                    std::to_string(animations[i].first) + " Duration " +
                    std::to_string(animations[i].second) + " } }\n";
        }
        return Load(text);
    }
};

TEST_F(AnimationScheduleTest, SettledIsOnePastTheLastEnd) {
    ASSERT_TRUE(Load("uiWindow \"W\" \"Application\" { Width 100 Height 100 }"));
    EXPECT_EQ(SettledTime(*context), 0.0);
    EXPECT_TRUE(RunningTimes(*context).empty());

    // A Duration of 0 or less ends the animation when its wait does.
    const struct {
        std::vector<std::pair<int, int>> animations;
        double settled;
    } cases[] = {
        {{{300, 600}, {2300, 600}, {1000, 0}}, 2901.0},
        {{{0, 0}}, 1.0},
        {{{5000, -200}}, 5001.0},
        {{{-500, 100}}, 0.0},
        {{{2147483647, 2147483647}}, 4294967295.0},
    };
    for (const auto& expected : cases) {
        context = BenchContext();
        ASSERT_TRUE(LoadAnimations(expected.animations));
        EXPECT_EQ(SettledTime(*context), expected.settled) << expected.animations[0].first;
    }
}

// One moment serves every animation that is running then; each animation gets one at least.
TEST_F(AnimationScheduleTest, RunningTimesStabEveryRunningPhase) {
    ASSERT_TRUE(
        LoadAnimations({{0, 300}, {300, 600}, {400, 600}, {1000, 100}, {1000, 0}, {-50, 20}, {-50, 60}}));
    EXPECT_EQ(RunningTimes(*context), (std::vector<double>{9.5, 899.5, 1099.5}));
}

// The reason for the moments: a wrong Type is reset only on a frame while its animation runs.
TEST_F(AnimationScheduleTest, FramesAtTheMomentsCatchEveryWrongType) {
    ASSERT_TRUE(LoadAnimations({{100, 1}, {100, 50}, {200, 2}, {5000, 3}}));
    TickAt(0.0);
    for (const double moment : RunningTimes(*context)) {
        TickAt(moment);
    }
    TickAt(SettledTime(*context));
    const Lines logged = Logged();
    for (int i = 0; i < 4; ++i) {
        const std::string reset =
            "ERROR   : [L" + std::to_string(i) + "]: Wrong animation type [9]. Forced to UIANIMT_NONE [0]";
        EXPECT_EQ(std::count(logged.begin(), logged.end(), reset), 1) << reset;
    }
    EXPECT_EQ(RunningTimes(*context).size(), 3u);
}

} // namespace
