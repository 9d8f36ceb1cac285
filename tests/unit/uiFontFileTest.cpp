#include "FontTestSupport.h"
#include "TrackedAllocation.h"
#include <vanui/uiFont.h>

#include <GL/gl.h>

#include <cstdio>
#include <sys/stat.h>

using namespace drev;

namespace {

using Lines = std::vector<std::string>;

// ==== Files the font accepts ====

class UiFontLoadTest : public FontTestBase {};

TEST_F(UiFontLoadTest, ReadsMetricsNameAndTextureCoordinates) {
    WriteKrf("f.krf", SampleFont());
    uiFont font("f.krf", &RecordingTextures(), &ToolkitLog());

    ASSERT_TRUE(font.IsLoaded());
    EXPECT_EQ(font.Name(), "Sans 12 256x128");
    EXPECT_EQ(font.GetHeight(), 16);
    EXPECT_EQ(font.GetNominalWidth(), 10);
    EXPECT_EQ(font.GetTexWidth(), 256);
    EXPECT_EQ(font.GetTexHeight(), 128);
    EXPECT_EQ(font.GetGlyphCount(), 4u);
    uiGlyph a;
    ASSERT_TRUE(font.GetGlyph('A', a));
    EXPECT_EQ(a.width, 10);
    EXPECT_FLOAT_EQ(a.texLeft, 0.0f);
    EXPECT_FLOAT_EQ(a.texTop, 0.0f);
    EXPECT_FLOAT_EQ(a.texRight, 0.0390625f);
    EXPECT_FLOAT_EQ(a.texBottom, 0.125f);
    uiGlyph b;
    ASSERT_TRUE(font.GetGlyph('B', b));
    EXPECT_FLOAT_EQ(b.texLeft, 10.0f / 256.0f);
    EXPECT_FLOAT_EQ(b.texRight, 22.0f / 256.0f);
    EXPECT_TRUE(NewLogLines().empty());
}

// The GL state the backend touches for a font's texture, as a program may have set it.
struct TextureState {
    GLuint bound;
    GLint environment;
    std::vector<GLint> unpack;

    static TextureState Read() {
        std::vector<GLint> unpack;
        for (GLenum name : {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS,
                            GL_UNPACK_SWAP_BYTES, GL_UNPACK_LSB_FIRST}) {
            unpack.push_back(RecordingGL::PixelStore(name));
        }
        return TextureState{RecordingGL::BoundTexture(), RecordingGL::TextureEnvMode(), unpack};
    }
    bool operator==(const TextureState& other) const {
        return bound == other.bound && environment == other.environment && unpack == other.unpack;
    }
};

// Rows of an odd width upload whole whatever the program's unpack settings, and making and
// deleting the texture leaves the binding, the pixel store and the texture environment alone.
TEST_F(UiFontLoadTest, TextureUploadsTightRowsAndLeavesTheGlAsItWas) {
    KrfFont file = SampleFont();
    file.width = 5;
    file.height = 3;
    file.image = KrfPattern(15);
    WriteKrf("odd.krf", file);
    glBindTexture(GL_TEXTURE_2D, 7);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 2);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const TextureState before = TextureState::Read();
    {
        uiFont font("odd.krf", &RecordingTextures(), &ToolkitLog());
        ASSERT_TRUE(font.IsLoaded());
        EXPECT_EQ(font.GetTexture(), 1u);
        EXPECT_TRUE(TextureState::Read() == before);

        const auto uploads = RecordingGL::CallsNamed("glTexImage2D");
        ASSERT_EQ(uploads.size(), 1u);
        EXPECT_EQ(uploads[0].args, (std::vector<double>{GL_TEXTURE_2D, 0, GL_ALPHA, 5, 3, 0, GL_ALPHA, GL_UNSIGNED_BYTE}));
        EXPECT_EQ(uploads[0].pixels, file.image);
        std::vector<std::vector<double>> parameters;
        for (const auto& call : RecordingGL::CallsNamed("glTexParameteri")) {
            parameters.push_back(call.args);
        }
        EXPECT_EQ(parameters, (std::vector<std::vector<double>>{{GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP},
                                                                {GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP},
                                                                {GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR},
                                                                {GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR}}));
    }
    EXPECT_TRUE(TextureState::Read() == before);
    EXPECT_EQ(RecordingGL::CallsNamed("glDeleteTextures").size(), 1u);
}

TEST_F(UiFontLoadTest, DestroyingTheFontDeletesItsTexture) {
    WriteKrf("f.krf", SampleFont());
    { uiFont font("f.krf", &RecordingTextures(), &ToolkitLog()); }
    const auto deletes = RecordingGL::CallsNamed("glDeleteTextures");
    ASSERT_EQ(deletes.size(), 1u);
    EXPECT_EQ(deletes[0].args, (std::vector<double>{1, 1}));
}

TEST_F(UiFontLoadTest, NoGlyphsDuplicatesAndTrailingBytes) {
    KrfFont empty = SampleFont();
    empty.entries.clear();
    WriteKrf("empty.krf", empty);
    uiFont none("empty.krf");
    EXPECT_TRUE(none.IsLoaded());
    EXPECT_EQ(none.GetGlyphCount(), 0u);

    KrfFont twice = SampleFont();
    twice.entries = {{'A', 1, 1, 10}, {'A', 101, 1, 4}};
    std::string bytes = KrfBytes(twice) + "trailing bytes";
    WriteFileText("twice.krf", bytes);
    uiFont first("twice.krf");
    ASSERT_TRUE(first.IsLoaded());
    EXPECT_EQ(first.GetGlyphCount(), 1u);
    EXPECT_EQ(first.GetGlyphWidth('A'), 10);
    EXPECT_TRUE(NewLogLines().empty());
}

// A name field without NUL ends with the field; the size byte after it is not part of it.
TEST_F(UiFontLoadTest, NameFieldWithoutTerminatorIsCutAtFiftyBytes) {
    KrfFont file = SampleFont();
    file.name = std::string(60, 'N');
    file.size = 'S';
    WriteKrf("long.krf", file);
    uiFont font("long.krf", &RecordingTextures(), &ToolkitLog());
    EXPECT_EQ(font.Name(), std::string(50, 'N') + " 83 256x128");
}

TEST_F(UiFontLoadTest, SizesAtTheirLimits) {
    RecordingGL::SetMaxTextureSize(65535);
    KrfFont wide;
    wide.width = 65535;
    wide.height = 1;
    wide.count = 65535;
    for (int code = 0; code < 65535; ++code) {
        wide.entries.push_back({static_cast<uint16_t>(code), 65535, 1, 65535});
    }
    wide.image = KrfPattern(65535);
    WriteKrf("wide.krf", wide);
    uiFont font("wide.krf", &RecordingTextures(), &ToolkitLog());
    ASSERT_TRUE(font.IsLoaded());
    EXPECT_EQ(font.Name(), "Sans 12 65535x1");
    EXPECT_EQ(font.GetGlyphCount(), 65535u);
    uiGlyph last;
    ASSERT_TRUE(font.GetGlyph(65534, last));
    EXPECT_FLOAT_EQ(last.texLeft, 65534.0f / 65535.0f);
    EXPECT_EQ(RecordingGL::CallsNamed("glTexImage2D")[0].pixels.size(), 65535u);

    // A zero-sized sheet loads with texture coordinates of 0 rather than a division by zero.
    KrfFont flat = SampleFont();
    flat.width = 0;
    flat.height = 0;
    flat.image.clear();
    WriteKrf("flat.krf", flat);
    uiFont zero("flat.krf");
    ASSERT_TRUE(zero.IsLoaded());
    uiGlyph a;
    ASSERT_TRUE(zero.GetGlyph('A', a));
    EXPECT_EQ(a.texRight, 0.0f);
    EXPECT_EQ(a.texBottom, 0.0f);
}

// ==== Files the font rejects: one message each, nothing loaded, no glyphs ====

class UiFontRejectTest : public FontTestBase {
protected:
    void ExpectRejected(const std::string& file, const std::string& message) {
        uiFont font(file, &RecordingTextures(), &ToolkitLog());
        EXPECT_FALSE(font.IsLoaded());
        EXPECT_EQ(font.GetGlyphCount(), 0u);
        EXPECT_EQ(font.GetHeight(), 0);
        EXPECT_EQ(NewLogLines(), Lines{message});
    }
};

TEST_F(UiFontRejectTest, MissingFile) {
    ExpectRejected("nofile.krf", "Wrong KORU font file [nofile.krf]");
}

TEST_F(UiFontRejectTest, DirectoryIsNoFontFile) {
    ASSERT_EQ(mkdir("folder.krf", 0755), 0);
    ExpectRejected("folder.krf", "Wrong KORU font file [folder.krf]");
}

TEST_F(UiFontRejectTest, ShortHeader) {
    WriteKrf("short.krf", SampleFont(), 255);
    ExpectRejected("short.krf", "Wrong data in KORU font file [short.krf]");
}

TEST_F(UiFontRejectTest, WrongMagic) {
    KrfFont file = SampleFont();
    file.magic = "KORFX";
    WriteKrf("magic.krf", file);
    ExpectRejected("magic.krf", "Wrong data in KORU font file [magic.krf]");
}

TEST_F(UiFontRejectTest, ShortCharacterTable) {
    WriteKrf("table.krf", SampleFont(), 256 + 4 * 8 - 1);
    ExpectRejected("table.krf", "Wrong characterTable data in font file [table.krf]");
}

TEST_F(UiFontRejectTest, ShortImage) {
    KrfFont file = SampleFont();
    file.image.pop_back();
    WriteKrf("image.krf", file);
    ExpectRejected("image.krf", "Wrong image data in font file [image.krf]");
    EXPECT_TRUE(RecordingGL::Calls().empty());
}

// The header claims a 4 GB image the file does not hold: refused without allocating it
// (the allocation trace shows every block the load asked for).
TEST_F(UiFontRejectTest, HugeImageInShortFile) {
    KrfFont file = SampleFont();
    file.width = 65535;
    file.height = 65535;
    WriteKrf("huge.krf", file);
    SetAllocationTrace(true);
    EXPECT_FALSE(uiFont("huge.krf", &RecordingTextures(), &ToolkitLog()).IsLoaded());
    SetAllocationTrace(false);

    Lines messages;
    for (const std::string& line : NewLogLines()) {
        long size = 0;
        if (std::sscanf(line.c_str(), "Memory block %*d allocated for %ld bytes", &size) == 1) {
            EXPECT_TRUE(size >= 0 && size < 1000000) << line;
        } else if (line.rfind("Memory block", 0) != 0 && !line.empty()) {
            messages.push_back(line);
        }
    }
    EXPECT_EQ(messages, Lines{"Wrong image data in font file [huge.krf]"});
}

TEST_F(UiFontRejectTest, TextureNameZeroLogsBothMessages) {
    RecordingGL::SetTextureNameZero(true);
    WriteKrf("f.krf", SampleFont());
    uiFont font("f.krf", &RecordingTextures(), &ToolkitLog());
    EXPECT_FALSE(font.IsLoaded());
    EXPECT_EQ(font.GetGlyphCount(), 0u);
    EXPECT_EQ(NewLogLines(), (Lines{"Failed to allocate OpenGL texture for uiFont [Sans 12 256x128].",
                                    "Impossible to create openGL texture for uiFont [f.krf]"}));
    EXPECT_EQ(RecordingGL::CallNames(), Lines{"glGenTextures"});
}

// A sheet the GL cannot hold is refused before the upload, in one line with both sizes; an
// upload the GL refuses for another reason fails the font too.
TEST_F(UiFontRejectTest, SheetLargerThanTheLargestTexture) {
    RecordingGL::SetMaxTextureSize(256);
    KrfFont file = SampleFont();
    file.width = 257;
    file.height = 2;
    file.image = KrfPattern(257 * 2);
    WriteKrf("wide.krf", file);
    ExpectRejected("wide.krf",
                   "The glyph sheet of font file [wide.krf] is 257x2, larger than the largest OpenGL texture (256x256)");
    EXPECT_TRUE(RecordingGL::CallsNamed("glTexImage2D").empty());

    file.width = 256;
    file.image = KrfPattern(256 * 2);
    WriteKrf("fits.krf", file);
    EXPECT_TRUE(uiFont("fits.krf", &RecordingTextures(), &ToolkitLog()).IsLoaded());
}

TEST_F(UiFontRejectTest, UploadRefusedByTheGl) {
    WriteKrf("f.krf", SampleFont());
    RecordingGL::FailNextUpload(GL_OUT_OF_MEMORY);
    uiFont font("f.krf", &RecordingTextures(), &ToolkitLog());
    EXPECT_FALSE(font.IsLoaded());
    EXPECT_EQ(NewLogLines(), (Lines{"OpenGL refused the 256x128 glyph sheet of uiFont [Sans 12 256x128] (error 0x0505).",
                                    "Impossible to create openGL texture for uiFont [f.krf]"}));

    // An error left over from before the upload is not the upload's.
    logStart = ReadFileLines("app.log").size();
    RecordingGL::SetPendingError(GL_INVALID_ENUM);
    EXPECT_TRUE(uiFont("f.krf", &RecordingTextures(), &ToolkitLog()).IsLoaded());
    EXPECT_TRUE(NewLogLines().empty());
}

// Every prefix of a valid file fails with exactly the message of the part it cuts.
TEST_F(UiFontRejectTest, EveryTruncationGivesOneMessage) {
    KrfFont file = SampleFont();
    file.width = 4;
    file.height = 2;
    file.image = KrfPattern(8);
    const size_t tableEnd = 256 + file.entries.size() * 8;
    const size_t fileSize = tableEnd + 8;
    for (size_t length = 0; length < fileSize; ++length) {
        logStart = ReadFileLines("app.log").size();
        WriteKrf("cut.krf", file, length);
        const std::string message = length < 256        ? "Wrong data in KORU font file [cut.krf]"
                                    : length < tableEnd ? "Wrong characterTable data in font file [cut.krf]"
                                                        : "Wrong image data in font file [cut.krf]";
        uiFont font("cut.krf", &RecordingTextures(), &ToolkitLog());
        EXPECT_FALSE(font.IsLoaded()) << length;
        EXPECT_EQ(NewLogLines(), Lines{message}) << length;
    }
    WriteKrf("cut.krf", file, fileSize);
    EXPECT_TRUE(uiFont("cut.krf", &RecordingTextures(), &ToolkitLog()).IsLoaded());
}

} // namespace
