#include "Configuration.h"
#include "ConsoleCapture.h"
#include "FileText.h"
#include "Log.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace drev;

namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    TempDir dir;
    ConsoleCapture capture;
    int language = 0;
    Configuration configuration{capture.Get(), &language};

    void Read(const std::string& text) {
        WriteFileText("DREV.cfg", text);
        configuration.ReadConfiguration();
    }
};

TEST_F(ConfigurationTest, WrittenSettingsReadBack) {
    configuration.WriteConfiguration();
    EXPECT_EQ(ReadFileText("DREV1.cfg"), "Language 0\nText \nValue 0.000000\n");

    Read("# comment\nValue -12.5e1 units\nText  two  blanks  \nLanguage 2\n");
    EXPECT_EQ(capture.Output(), "# comment\nValue -12.5e1 units\nText  two  blanks  \nLanguage 2\n");
    configuration.WriteConfiguration();
    EXPECT_EQ(ReadFileText("DREV1.cfg"), "Language 2\nText  two  blanks  \nValue -125.000000\n");

    language = 0;
    Read(ReadFileText("DREV1.cfg"));
    EXPECT_EQ(language, 2);
    EXPECT_STREQ(configuration.Text(), " two  blanks  ");
    EXPECT_DOUBLE_EQ(configuration.Value(), -125.0);

    Read("Other 3\n");
    EXPECT_EQ(language, 2);
    EXPECT_STREQ(configuration.Text(), " two  blanks  ");
}

TEST_F(ConfigurationTest, NamePrefixSkippedCharacterAndFirstMatch) {
    Read("LanguageX 2\nLanguage 7\nText:abc\nText other\nValueinf\n");
    EXPECT_EQ(language, 2);
    EXPECT_STREQ(configuration.Text(), "abc");
    EXPECT_DOUBLE_EQ(configuration.Value(), 0.0);

    Read("Language none\nlanguage 5\nText\nValue 0x10\n");
    EXPECT_EQ(language, 0);
    EXPECT_STREQ(configuration.Text(), "");
    EXPECT_DOUBLE_EQ(configuration.Value(), 0.0);
}

TEST_F(ConfigurationTest, TextIsCutAndStoredLinesAreBounded) {
    std::string text = "Text " + std::string(40, 't') + "\n";
    for (int i = 0; i < 100; ++i) {
        text += "filler\n";
    }
    Read(text + "Language 3\nValue 1." + std::string(200, '5') + "\n");
    EXPECT_EQ(std::string(configuration.Text()), std::string(23, 't'));
    EXPECT_EQ(language, 0);
    EXPECT_DOUBLE_EQ(configuration.Value(), 0.0);
}

TEST_F(ConfigurationTest, MissingFilesAreReportedOnTheConsole) {
    configuration.ReadConfiguration("absent.cfg");
    EXPECT_EQ(capture.Output(), "errore nel file. Premere enter");
    EXPECT_FALSE(configuration.WriteConfiguration("no-such-directory/DREV1.cfg"));
    EXPECT_EQ(capture.Output(), "errore nel file. Premere enter");
}

// Each value as configured, its line as written, and whether it reads back as itself.
TEST_F(ConfigurationTest, ValuesTooLongForFixedNotationReadBackExactly) {
    const struct {
        const char* configured;
        std::string written;
        bool exact;
    } cases[] = {
        {"123.25", "123.250000", true},
        // The longest fixed notation that fits a line of 99 characters.
        {"1e85",
         "10000000000000000146306952306748730309700429878646550592786107871697963642511482159104"
         ".000000",
         true},
        {"1e86", "1e+86", true},
        {"1e100", "1e+100", true},
        {"-1.5e300", "-1.5e+300", true},
        {"1.2345678901234567e200", "1.2345678901234567e+200", true},
        {"1e-300", "0.000000", false},
        {"1e400", "1e999", true},
        {"-1e400", "-1e999", true},
    };
    for (const auto& value : cases) {
        SCOPED_TRACE(value.configured);
        Read(std::string("Value ") + value.configured + "\n");
        const double configured = configuration.Value();
        ASSERT_TRUE(configuration.WriteConfiguration());
        const std::string line = ReadFileLines("DREV1.cfg").at(2);
        EXPECT_EQ(line, std::string("Value ") + value.written);
        EXPECT_LE(line.size(), 99u);
        Read(ReadFileText("DREV1.cfg"));
        EXPECT_EQ(configuration.Value() == configured, value.exact);
        EXPECT_EQ(std::strtod(value.written.c_str(), nullptr) == configured, value.exact);
    }
}

TEST_F(ConfigurationTest, TextCutKeepsUtf8CharactersWhole) {
    const std::string a20(20, 'a');
    const struct {
        std::string configured;
        std::string kept;
    } cases[] = {
        {a20 + "aa\u00e9z", a20 + "aa"},
        {a20 + "a\u20ac", a20 + "a"},
        {a20 + "\u20acz", a20 + "\u20ac"},
        {a20 + "\U0001F600", a20},
        // Not UTF-8: Latin-1, an overlong form, a surrogate. These are cut by bytes.
        {"a" + std::string(60, '\xe9'), "a" + std::string(22, '\xe9')},
        {"\xc0\xaf" + a20 + "\u00e9", "\xc0\xaf" + a20 + "\xc3"},
        {"\xed\xa0\x80" + a20.substr(1) + "\u00e9", "\xed\xa0\x80" + a20.substr(1) + "\xc3"},
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text.configured);
        Read("Text " + text.configured + "\n");
        EXPECT_EQ(configuration.Text(), text.kept);
    }
    // A line longer than the reader's 99 bytes is cut inside a character; the text is still UTF-8.
    std::string euros;
    for (int i = 0; i < 40; ++i) {
        euros += "\u20ac";
    }
    Read("Text " + euros + "\n");
    EXPECT_EQ(configuration.Text(), euros.substr(0, 21));
}

// The file is replaced, not rewritten: it keeps its permissions, a link keeps pointing where
// it did, and a device (which can't be replaced) is written in place with its failure reported.
TEST_F(ConfigurationTest, WrittenFileReplacesTheOldOneOrReportsWhy) {
    WriteFileText("DREV1.cfg", "old\n");
    ASSERT_EQ(chmod("DREV1.cfg", 0640), 0);
    ASSERT_TRUE(configuration.WriteConfiguration());
    struct stat status;
    ASSERT_EQ(stat("DREV1.cfg", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    ASSERT_EQ(mkdir("kept", 0755), 0);
    ASSERT_EQ(symlink("kept/settings.cfg", "linked.cfg"), 0);
    ASSERT_TRUE(configuration.WriteConfiguration("linked.cfg"));
    EXPECT_EQ(ReadFileText("kept/settings.cfg"), "Language 0\nText \nValue 0.000000\n");
    ASSERT_EQ(lstat("linked.cfg", &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));

    InitLog();
    SetLogMode(LOG_MODE_VERBOSE);
    SetLogThreshold(LOG_TYPE_DEBUG);
    ASSERT_EQ(symlink("/dev/full", "full.cfg"), 0);
    EXPECT_FALSE(configuration.WriteConfiguration("full.cfg"));
    EXPECT_EQ(capture.Output(), "errore nel file. Premere enter");
    EXPECT_EQ(ReadFileLines("app.log").back(),
              "ERROR   : Settings file [full.cfg] not written: No space left on device");
    EXPECT_EQ(ReadFileLines("kept/settings.cfg").size(), 3u);
}

} // namespace
