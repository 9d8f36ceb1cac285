// Broken and unusual UI files a user might hand over (tests/data/bad-inputs/ui/): each one loads
// or fails as its sidecar says, with exactly the log lines it lists and the windows and widgets
// built before any error; then a few frames run over whatever was built, with the clock moving
// by large steps so that every animation plays out.
#include <vanui/uiGLBackend.h>
#include "BadInputCases.h"
#include "Timer.h"
#include "UiLoaderTestSupport.h"

using namespace drev;

namespace {

class SteppedTimer : public uiClock {
public:
    double Seconds() override { return seconds += 7.5; }

private:
    double seconds = 0.0;
};

class BadUiFilesTest : public UiLoaderTestBase {};

size_t WidgetCount(const uiContext& context) {
    size_t count = 0;
    for (size_t window = 0; window < context.WindowCount(); ++window) {
        count += 1 + context.Window(window)->ChildCount();
    }
    return count;
}

TEST_F(BadUiFilesTest, EachFileGivesItsOutcome) {
    RecordingGL::SetDiscard(true);
    for (const BadInputCase& input : BadInputCases("ui")) {
        const std::string fileName = input.file.filename().string();
        SCOPED_TRACE(fileName);
        std::filesystem::copy_file(input.file, fileName, std::filesystem::copy_options::overwrite_existing);
        context = BenchContext();
        context->SetClock(std::make_unique<SteppedTimer>());
        logStart = ReadFileLines("app.log").size();

        const bool loaded = context->LoadUiFile(fileName);
        EXPECT_EQ(loaded ? "true" : "false", input.Value("result"));
        EXPECT_EQ(Logged(), input.Values("log", fileName));
        EXPECT_EQ(std::to_string(WidgetCount(*context)), input.Value("widgets"));
        uiDrawList list;
        for (int frame = 0; frame < 4; ++frame) {
            list.Clear();
            context->Tick(list);
            uiGLBackend::Submit(list);
        }
    }
}

} // namespace
