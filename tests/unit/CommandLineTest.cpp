#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CommandLine Parse(std::vector<const char*> words) {
    words.insert(words.begin(), "drev");
    return ParseCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(CommandLineTest, HelpAndVersionNeedNoCommand) {
    EXPECT_EQ(Parse({"--help"}).choice, CommandChoice::Help);
    EXPECT_EQ(Parse({"-h"}).choice, CommandChoice::Help);
    EXPECT_EQ(Parse({"--version"}).choice, CommandChoice::Version);
    // Help asked for wins over what the command would still need.
    EXPECT_EQ(Parse({"render", "--help"}).choice, CommandChoice::Help);
    EXPECT_EQ(Parse({"check", "-h"}).choice, CommandChoice::Help);
    const std::string usage = UsageText();
    EXPECT_NE(
        usage.find(
            "drev render FILE -o OUT.png [options]  draw one frame of FILE (a .ui or a .krf) into a PNG, "
            "off-screen\n"),
        std::string::npos);
    EXPECT_NE(usage.find("drev --help | --version\n"), std::string::npos);
}

TEST(CommandLineTest, CheckTakesEveryFileInOrder) {
    const CommandLine line = Parse({"check", "a.ui", "--quiet", "dir/b.ui", "--log", "x.log"});
    ASSERT_EQ(line.choice, CommandChoice::Check);
    EXPECT_EQ(line.check.files, (std::vector<std::string>{"a.ui", "dir/b.ui"}));
    EXPECT_TRUE(line.check.quiet);
    EXPECT_EQ(line.check.logFile, "x.log");
    EXPECT_FALSE(Parse({"check", "a.ui"}).check.quiet);
}

TEST(CommandLineTest, RenderDefaultsAndEveryOption) {
    const CommandLine plain = Parse({"render", "data/vantora.ui", "-o", "out.png"});
    ASSERT_EQ(plain.choice, CommandChoice::Render);
    EXPECT_EQ(plain.render.file, "data/vantora.ui");
    EXPECT_EQ(plain.render.output, "out.png");
    EXPECT_LT(plain.render.atMs, 0);
    EXPECT_EQ(plain.render.width, 800);
    EXPECT_EQ(plain.render.height, 600);
    EXPECT_FALSE(plain.render.scene);
    EXPECT_EQ(plain.render.golden, "");
    EXPECT_EQ(plain.render.tolerance, 3);
    EXPECT_EQ(plain.render.maxPixels, 0);

    EXPECT_EQ(plain.render.input, InputKind::Ui);
    EXPECT_EQ(plain.render.backend, RenderBackend::GL1);

    const CommandLine full =
        Parse({"render", "-o", "o.png", "my.v2/f.UI", "--at", "0", "--size", "1x8192", "--scene", "--compare",
               "g.png", "--tolerance", "0", "--max-pixels", "12", "--update", "--backend", "gl1"});
    ASSERT_EQ(full.choice, CommandChoice::Render) << full.error;
    EXPECT_EQ(full.render.file, "my.v2/f.UI");
    EXPECT_EQ(full.render.input, InputKind::Ui);
    EXPECT_EQ(full.render.atMs, 0);
    EXPECT_EQ(full.render.width, 1);
    EXPECT_EQ(full.render.height, 8192);
    EXPECT_TRUE(full.render.scene);
    EXPECT_EQ(full.render.golden, "g.png");
    EXPECT_EQ(full.render.tolerance, 0);
    EXPECT_EQ(full.render.maxPixels, 12);
    EXPECT_TRUE(full.render.update);

    const CommandLine font =
        Parse({"render", "data/Default.KRF", "-o", "font.png", "--size", "400x300", "--backend", "gles2"});
    ASSERT_EQ(font.choice, CommandChoice::Render) << font.error;
    EXPECT_EQ(font.render.input, InputKind::Font);
    EXPECT_EQ(font.render.backend, RenderBackend::GLES2);
    EXPECT_EQ(Parse({"render", "a.ui", "-o", "a.png", "--backend", "gl3"}).render.backend, RenderBackend::GL3);
}

TEST(CommandLineTest, ViewTakesItsFileAndWatch) {
    const CommandLine line = Parse({"view", "--watch", "x.ui"});
    ASSERT_EQ(line.choice, CommandChoice::View);
    EXPECT_EQ(line.view.file, "x.ui");
    EXPECT_TRUE(line.view.watch);
}

TEST(CommandLineTest, UsageErrorsSayWhatIsWrong) {
    const struct {
        std::vector<const char*> words;
        const char* error;
    } cases[] = {
        {{"render", "x.ui"}, "-o is required"},
        {{"render", "-o", "x.png"}, "FILE is required"},
        {{"render", "x.ui", "-o", ""}, "-o: the output file name is empty"},
        {{"render", "x.ui", "-o", "x.png", "--size", "800"},
         "--size: '800' is not WIDTHxHEIGHT, e.g. 800x600"},
        {{"render", "x.ui", "-o", "x.png", "--size", "80x-6"},
         "--size: '80x-6' is not WIDTHxHEIGHT, e.g. 800x600"},
        {{"render", "x.ui", "-o", "x.png", "--size", "0x600"},
         "--size: each side must be from 1 to 8192, not 0x600"},
        {{"render", "x.ui", "-o", "x.png", "--size", "8193x1"},
         "--size: each side must be from 1 to 8192, not 8193x1"},
        {{"render", "x.ui", "-o", "x.png", "--size", "99999999x1"},
         "--size: '99999999x1' is not WIDTHxHEIGHT, e.g. 800x600"},
        {{"render", "x.ui", "-o", "x.png", "--max-pixels", "3"}, "--max-pixels requires --compare"},
        {{"render", "x.ui", "-o", "x.png", "--update"}, "--update requires --compare"},
        {{"render", "notes.txt", "-o", "x.png"}, "notes.txt is neither a UI file (.ui) nor a font (.krf)"},
        {{"render", "ui.d/krf", "-o", "x.png"}, "ui.d/krf is neither a UI file (.ui) nor a font (.krf)"},
        {{"render", "f.krf", "-o", "x.png", "--at", "0"},
         "--at and --scene draw a UI file, and f.krf is a font"},
        {{"render", "f.krf", "-o", "x.png", "--scene"},
         "--at and --scene draw a UI file, and f.krf is a font"},
        {{"check"}, "FILE is required"},
        {{"frobnicate"}, "The following argument was not expected: frobnicate"},
        {{"check", "a.ui", "--frob"}, "The following argument was not expected: --frob"},
        {{"render", "x.ui", "-o", "x.png", "--at", "600001"}, "--at: Value 600001 not in range 0 to 600000"},
        {{"render", "x.ui", "-o", "x.png", "--compare", "g.png", "--tolerance", "256"},
         "--tolerance: Value 256 not in range 0 to 255"},
        {{"render", "x.ui", "-o", "x.png", "--backend", "gl4"}, "--backend: gl4 not in {gl1,gl3,gles2}"},
        {{"render", "x.ui", "-o", "x.png", "--backend", "gles2", "--compare", "g.png", "--update"},
         "--update: the goldens hold the gl1 backend's pictures, and --backend gles2 draws another"},
    };
    for (const auto& expected : cases) {
        const CommandLine line = Parse(expected.words);
        EXPECT_EQ(line.choice, CommandChoice::UsageError) << expected.error;
        EXPECT_EQ(line.error, expected.error);
    }
}

} // namespace
