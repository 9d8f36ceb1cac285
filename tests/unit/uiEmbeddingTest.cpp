// The core driven as a program with a renderer and a log of its own drives it: no GL is linked.
// Textures come from an interface that records what it was asked, messages from the context's
// sink, and every public call that takes an index is refused outside its range.
#include "FileText.h"
#include "KrfWriter.h"
#include "TempDir.h"
#include <vanui/vanui.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

class RecordedTextures : public uiTextures {
public:
    uiTextureId Create(const uiTextureDesc& desc, uiTextureRefusal& refusal) override {
        if (desc.width > largest || desc.height > largest) {
            refusal = uiTextureRefusal{uiTextureRefusal::TooLarge, static_cast<unsigned>(largest)};
            return 0;
        }
        sizes.push_back(std::to_string(desc.width) + "x" + std::to_string(desc.height));
        live.insert(next);
        return next++;
    }
    bool Update(uiTextureId texture, const uiTextureDesc&) override { return live.count(texture) != 0; }
    void Delete(uiTextureId texture) override { live.erase(texture); }

    int largest = 4096;
    uiTextureId next = 100;
    std::vector<std::string> sizes;
    std::set<uiTextureId> live;
};

struct Heard {
    uiSeverity severity;
    std::string text;
    std::string file;
    int line;
    bool lexical;
};

class EmbeddingTest : public ::testing::Test {
protected:
    EmbeddingTest() {
        KrfFont font;
        font.width = 16;
        font.height = 8;
        font.entries = {{'A', 0, 0, 4}, {':', 4, 0, 4}, {'W', 8, 0, 4}};
        font.image = KrfPattern(128);
        WriteKrf("default.krf", font);
        font.width = 8192;
        font.image = KrfPattern(8192 * 8);
        WriteKrf("huge.krf", font);
    }

    uiContextSettings Settings() {
        uiContextSettings settings;
        settings.textures = &textures;
        settings.messages = [this](const uiMessage& m) {
            heard.push_back({m.severity, std::string(m.text), std::string(m.file), m.line, m.lexical});
        };
        return settings;
    }

    TempDir dir;
    RecordedTextures textures;
    std::vector<Heard> heard;
};

TEST_F(EmbeddingTest, TexturesComeFromTheInterfaceAndTheDrawListNamesThem) {
    {
        uiContext context(Settings());
        WriteFileText("a.ui", "uiWindow \"W\" \"Application\" { Width 200 Height 100 }\n"
                              "uiLabel \"A\" \"W\" { Top 30 Width 100 Height 40 }\n");
        ASSERT_TRUE(context.LoadUiFile("a.ui"));
        context.SetDrawingArea(800, 600);
        uiDrawList list;
        context.Tick(list);
        EXPECT_EQ(textures.sizes, (std::vector<std::string>{"16x8"}));
        std::set<uiTextureId> named;
        for (const uiDrawCommand& command : list.Commands()) {
            named.insert(command.state.texture);
        }
        EXPECT_EQ(named, (std::set<uiTextureId>{0, 100}));
        // Without the bench's echoes the value texts start empty.
        EXPECT_EQ(context.FindWidget("A")->valueText.Text(), "");
    }
    EXPECT_TRUE(textures.live.empty());

    // Without a texture interface fonts measure but draw nothing.
    uiFont font("default.krf");
    ASSERT_TRUE(font.IsLoaded());
    EXPECT_EQ(font.GetTextWidth("AW"), 8);
    uiDrawList list;
    font.Bind(list);
    font.DrawText("AW", 0, 0);
    font.Unbind();
    EXPECT_TRUE(list.Vertices().empty());
}

TEST_F(EmbeddingTest, TheSinkHearsEachMessageWithItsFileAndLine) {
    uiContext context(Settings());
    WriteFileText("bad.ui", "uiWindow \"W\" \"Application\" { }\n"
                            "uiFontTable { Label \"huge.krf\" }\n"
                            "uiButton \"B\" \"W\" {\n  Left +5 }\n");
    EXPECT_FALSE(context.LoadUiFile("bad.ui"));
    ASSERT_GE(heard.size(), 4u);
    const Heard& tooLarge = heard[0];
    EXPECT_EQ(tooLarge.severity, uiSeverity::Error);
    EXPECT_EQ(tooLarge.file, "huge.krf");
    EXPECT_EQ(tooLarge.text, "The glyph sheet of font file [huge.krf] is 8192x8, larger than the largest OpenGL "
                             "texture (4096x4096)");
    const Heard& lexical = heard[heard.size() - 2];
    EXPECT_TRUE(lexical.lexical);
    EXPECT_EQ(lexical.text, "Bad character in stream");
    const Heard& error = heard.back();
    EXPECT_EQ(error.severity, uiSeverity::Error);
    EXPECT_EQ(error.file, "bad.ui");
    EXPECT_EQ(error.line, 4);
    EXPECT_EQ(error.text, context.LoadError().message);
    EXPECT_FALSE(error.lexical);
}

// Each refused call returns false or null (or a zero colour) and says so once.
TEST_F(EmbeddingTest, IndicesOutsideTheirTablesAreRefusedWithOneMessage) {
    uiContext context(Settings());
    WriteFileText("a.ui", "uiWindow \"W\" \"Application\" { }\nuiButton \"B\" \"W\" { }\n");
    ASSERT_TRUE(context.LoadUiFile("a.ui"));
    uiWidget& button = *context.FindWidget("B");
    uiContext other(Settings());
    heard.clear();
    // Evaluated in order: the first four report, the others say enough by their result.
    const struct {
        const char* call;
        bool refused;
    } cases[] = {
        {"Colors().GetEntry(14)", context.Colors().GetEntry(14).a == 0.0f},
        {"Colors().SetEntry(-1)", !context.Colors().SetEntry(-1, uiColor(1, 1, 1, 1))},
        {"Fonts().Slot(6)", context.Fonts().Slot(6) == nullptr},
        {"Fonts().LoadItem(-1)", !context.Fonts().LoadItem(-1, "default.krf")},
        {"SetHook(8)", !button.SetHook(8, [](uiWidgetBlock*) {})},
        {"CallHook(-1)", !button.CallHook(-1)},
        {"Window(1)", context.Window(1) == nullptr},
        {"Child(1)", context.Window(0)->Child(1) == nullptr},
        {"SetFocus(another context's widget)", !other.SetFocus(&button)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.refused) << c.call;
    }
    std::vector<std::string> texts;
    for (const Heard& message : heard) {
        texts.push_back(message.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "GetEntry: colour table entry [14] does not exist (0 to 13)",
                         "SetEntry: colour table entry [-1] does not exist (0 to 13)",
                         "Font table slot [6] does not exist (0 to 5)",
                         "Font table slot [-1] does not exist (0 to 5); font [default.krf] not loaded",
                     }));
}

} // namespace
