#include "Configuration.h"
#include "ConsoleCapture.h"
#include "FileText.h"
#include "Log.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
