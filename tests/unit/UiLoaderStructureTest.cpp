#include "uiLoader.h"
#include "uiInternal.h"
#include "PerformanceTimer.h"
#include "UiLoaderTestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace drev;

namespace {

class UiLoaderStructureTest : public UiLoaderTestBase {};

const char* const SAMPLE_FILE = R"(# one of each section
uiFontTable { Label "label.krf" }
uiColorTable {
    None [ 0.1 0.1 0.1 0.1 ] Base [ 1 0 0 1 ] Dark [ 0 1 0 1 ] Light [ 0 0 1 1 ]
    Highlight [ 1 1 0 1 ] BarBase [ 1 0 1 1 ] BarDark [ 0 1 1 1 ] BarLight [ 1 1 1 1 ]
    Title [ 0.5 0 0 1 ] Text [ 0 0.5 0 1 ] Caption [ 0 0 0.5 1 ] Contour [ 0.5 0.5 0 1 ]
    Border [ 0.5 0 0.5 1 ] ActBorder [ 0 0.5 0.5 1 ]
}
uiWindow "Main" "Application" { Left 10 Top 10 Width 200 Height 100 }
uiButton "Ok" "Main" { Left 10 Top 10 Width 60 Height 20
    Style { Aspect 3 Border true } Animation { Type 1 Wait 100 Duration 300 } }
)";

TEST_F(UiLoaderStructureTest, ConstructionGivesDefaultsAndTheDefaultFontInEverySlot) {
    EXPECT_TRUE(context->WindowCount() == 0);
    EXPECT_FALSE(StateOf(*context).clockStarted);
    EXPECT_TRUE((StateOf(*context).clock != nullptr));
    EXPECT_EQ(context->Focus(), nullptr);
    EXPECT_EQ(context->Colors().GetEntry(UICOLOR_BASE).b, 0.5f);
    EXPECT_EQ(StateOf(*context).workColors.GetEntry(UICOLOR_BORDER).b, 0.9f);
    ASSERT_NE(context->Fonts().Slot(0), nullptr);
    EXPECT_EQ(context->Fonts().Slot(0)->Name(), "Default 12 8x8");
    EXPECT_EQ(context->Fonts().Slot(5), context->Fonts().Slot(0));

    // Without a clock the animation time stays at 0.
    context->SetClock(nullptr);
    uiDrawList list;
    context->Tick(list);
    context->Tick(list);
    EXPECT_EQ(context->ClockMs(), 0.0);
}

TEST_F(UiLoaderStructureTest, TypeCodesAreExact) {
    const std::pair<const char*, int> codes[] = {
        {"uiColorTable", 4}, {"uiFontTable", 5}, {"uiWindow", 7}, {"uiBevel", 8},  {"uiLabel", 9},
        {"uiButton", 10},    {"uiText", 15},     {"uiwindow", 0}, {"uiSlider", 0}, {"", 0},
    };
    for (const auto& [name, code] : codes) {
        EXPECT_EQ(uiLoader::TypeCode(name), code) << name;
    }
}

TEST_F(UiLoaderStructureTest, EmptyOrCommentOnlyFileLoads) {
    EXPECT_TRUE(Load(""));
    EXPECT_TRUE(Load("# nothing here\n   # nor here\n"));
    EXPECT_TRUE(context->WindowCount() == 0);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(UiLoaderStructureTest, MissingOrUnreadableFileIsCritical) {
    logStart = ReadFileLines("app.log").size();
    EXPECT_FALSE(context->LoadUiFile("absent.ui"));
    EXPECT_EQ(Logged(), Lines{"CRITICAL: The UI file [absent.ui] was not found."});

    std::filesystem::create_directory("folder.ui");
    logStart = ReadFileLines("app.log").size();
    EXPECT_FALSE(context->LoadUiFile("folder.ui"));
    EXPECT_EQ(Logged(), Lines{"CRITICAL: The UI file [folder.ui] was not found."});
    EXPECT_TRUE(context->WindowCount() == 0);
}

TEST_F(UiLoaderStructureTest, WholeSampleLoadsEverySection) {
    WriteTestFont("label.krf", "Label");
    ASSERT_TRUE(Load(SAMPLE_FILE));
    EXPECT_EQ(Logged(), (Lines{
                            "RECORD  : Item [1] of uiFonTable for [label.krf] loaded successfully.",
                            "RECORD  : Warning: invalid entries found in UI file [test.ui] for uiFontTable ",
                            "RECORD  : Loaded an uiFontTable with [1] valid entries from UI file [test.ui]",
                            "RECORD  : Loaded an uiColortable with [14] entries from UI file [test.ui]",
                        }));
    ASSERT_EQ(context->WindowCount(), 1u);
    EXPECT_EQ(Child(0, 0).Name(), "Ok");
}

// Each case: the file, then the one error line it logs; the line number is where the
// Tokenizer stands after the token that failed the check.
const std::pair<const char*, const char*> STRUCTURE_FAILURES[] = {
    {"\n\nuiFontTable } ", "bad FontTable definition at line [3]"},
    {"uiFontTable\n[ ] ", "{ expected at line [2]"},
    {"\nuiColorTable = ", "bad ColorTable definition at line [2]"},
    {"uiColorTable \"Base\" ", "{ expected at line [1]"},
    {"# Main lacks its quotes\nuiWindow Main \"Application\" { }", "widget name expected at line [2]"},
    {"uiWindow \"Main\" Application { }", "bad parent name for widget at line [1]"},
    {"uiWindow \"Main\" \"Application\" ] ", "bad widget name at line [1]"},
    {"uiWindow \"Main\" \"Application\"", "bad widget name at line [1]"},
    {"uiWindow \"Main\" \"Application\" 5 ", "{ expected at line [1]"},
    {"uiWindow \"Main\" \"Application\" { Left TRUE } ", "bad widget name at line [1]"},
    // A character that starts no token gives an empty type name and then the same error token.
    {"\n@ ", "widget name expected at line [2]"},
    // A token that ends at a line feed is reported on the next line.
    {"uiWindow\nMain\n", "widget name expected at line [3]"},
};

TEST_F(UiLoaderStructureTest, EachStructuralFailureLogsItsLine) {
    for (const auto& [text, problem] : STRUCTURE_FAILURES) {
        EXPECT_FALSE(Load(text)) << text;
        EXPECT_EQ(Logged(),
                  Lines{std::string("ERROR   : UI file [test.ui] not correct: Tokenizer reports ") + problem})
            << text;
    }
}

TEST_F(UiLoaderStructureTest, FirstErrorStopsTheLoadAndKeepsWhatWasBuilt) {
    EXPECT_FALSE(Load("uiWindow \"A\" \"Application\" { }\n"
                      "uiColorTable { Base [ 1 0 0 1 ] }\n"
                      "uiWindow \"B\" \"Application\" { }\n"));
    EXPECT_EQ(Logged(), Lines{"ERROR   : UI file [test.ui] not correct: problem in ColorTable"});
    ASSERT_EQ(context->WindowCount(), 1u);
    EXPECT_EQ(context->Window(0)->Name(), "A");
}

// Every prefix of a sound file, cut anywhere, loads or fails without harm and keeps the
// sections that were complete.
TEST_F(UiLoaderStructureTest, EveryTruncatedPrefixIsHandled) {
    WriteTestFont("label.krf", "Label");
    const std::string whole = SAMPLE_FILE;
    for (size_t length = 0; length <= whole.size(); ++length) {
        uiContext prefixContext(BenchSettings());
        std::istringstream input(whole.substr(0, length));
        const bool loaded = prefixContext.Parse(input, "prefix.ui");
        if (length == whole.size()) {
            EXPECT_TRUE(loaded);
        }
        EXPECT_LE(prefixContext.WindowCount(), 1u) << length;
    }
}

// The fuzz target's seeds are sound UI files: each loads completely.
TEST_F(UiLoaderStructureTest, FuzzSeedsLoad) {
    size_t seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DREV_UI_SEED_DIR)) {
        std::ifstream input(entry.path());
        uiContext seedContext(BenchSettings());
        EXPECT_TRUE(seedContext.Parse(input, entry.path().filename().string())) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 4u);
}

// --- what a load keeps of the error that stopped it ---

struct LoadErrorCase {
    const char* text;
    int line;
    const char* message;
    const char* cause;
};

const LoadErrorCase LOAD_ERRORS[] = {
    // Problems the Tokenizer's input shows are where the Tokenizer stands; a lexical error is the cause.
    {"uiWindow \"A\" \"Application\" {\n  Left +5 }\n", 2,
     "UI file [test.ui] not correct: Tokenizer reports bad widget name at line [2]",
     "Bad character in stream: '+' cannot start a number"},
    {"uiWindow\nMain\n", 3,
     "UI file [test.ui] not correct: Tokenizer reports widget name expected at line [3]", ""},
    // Problems found once a section's value is read are where the section begins.
    {"uiWindow \"A\" \"Application\" { }\n\nuiButton \"Ok\"\n  \"Later\" {\n  Left 1 }\n", 3,
     "UI file [test.ui] not correct: problem in item [Later]>[Ok:uiButton]",
     "Parent [Later] of item [Ok:uiButton] not found"},
    {"# colours\n  uiColorTable {\n None [ 0 0 0 0 ]\n}\n", 2,
     "UI file [test.ui] not correct: problem in ColorTable", ""},
};

TEST_F(UiLoaderStructureTest, LoadErrorKeepsTheLoggedMessageItsLineAndCause) {
    for (const LoadErrorCase& expected : LOAD_ERRORS) {
        SCOPED_TRACE(expected.text);
        context = std::make_unique<uiContext>(BenchSettings({}, true));
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Load(expected.text));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        const uiLoadError& error = context->LoadError();
        EXPECT_EQ(error.message, expected.message);
        EXPECT_EQ(error.line, expected.line);
        EXPECT_EQ(error.cause, expected.cause);
        ASSERT_FALSE(Logged().empty());
        EXPECT_EQ(Logged().back(), std::string("ERROR   : ") + expected.message);
    }
}

TEST_F(UiLoaderStructureTest, LoadErrorIsClearedByALoadThatSucceeds) {
    EXPECT_FALSE(context->LoadUiFile("absent.ui"));
    EXPECT_EQ(context->LoadError().message, "The UI file [absent.ui] was not found.");
    EXPECT_EQ(context->LoadError().line, 0);
    EXPECT_TRUE(Load("uiWindow \"A\" \"Application\" { }"));
    EXPECT_EQ(context->LoadError().message, "");
    EXPECT_EQ(context->LoadError().cause, "");
}

// The console bench's context still writes the Tokenizer's line to standard error.
TEST_F(UiLoaderStructureTest, DefaultContextWritesLexicalErrorsToStandardError) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Load("uiWindow \"A\" \"Application\" { Left +5 }"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Bad character in stream\n");
    EXPECT_EQ(context->LoadError().cause, "Bad character in stream: '+' cannot start a number");
}

TEST_F(UiLoaderStructureTest, FontFoldersReachTheFontTable) {
    std::filesystem::create_directories("fonts");
    WriteTestFont("fonts/default.krf", "Shipped");
    WriteTestFont("fonts/label.krf", "Label");
    context = BenchContext({"fonts"});
    ASSERT_NE(context->Fonts().Slot(0), nullptr);
    EXPECT_EQ(context->Fonts().Slot(0)->Name(), "Shipped 12 8x8");
    EXPECT_TRUE(Load("uiFontTable { Label \"label.krf\" Text \"text.krf\" }"));
    EXPECT_EQ(context->Fonts().Slot(1)->Name(), "Label 12 8x8");
    EXPECT_EQ(context->Fonts().TriedPaths(), (Lines{"fonts/default.krf", "fonts/label.krf", "fonts/text.krf"}));
}

} // namespace
