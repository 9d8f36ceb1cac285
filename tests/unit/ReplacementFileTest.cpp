#include "FileText.h"
#include "ReplacementFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

using namespace drev;
namespace fs = std::filesystem;

namespace {

class ReplacementFileTest : public ::testing::Test {
protected:
    TempDir dir;

    // Every name in a folder, so that a temporary file left behind shows.
    static std::vector<std::string> Names(const char* folder = ".") {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ReplacementFileTest, ReplacesOnCommitThroughALinkKeepingTheModeAndTheLink) {
    fs::create_directory("kept");
    WriteFileText("kept/real.cfg", "old");
    fs::permissions("kept/real.cfg", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.cfg", "kept/relative");
    fs::create_symlink("kept/relative", "link.cfg");

    ReplacementFile file("link.cfg");
    file.Print("new %d", 1);
    ASSERT_TRUE(file.Finish());
    EXPECT_EQ(ReadFileText("kept/real.cfg"), "old") << "replaced before the commit";
    ASSERT_TRUE(file.Commit());

    EXPECT_EQ(ReadFileText("kept/real.cfg"), "new 1");
    EXPECT_TRUE(fs::is_symlink("link.cfg"));
    EXPECT_TRUE(fs::is_symlink("kept/relative"));
    EXPECT_EQ(fs::status("kept/real.cfg").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(), (std::vector<std::string>{"kept", "link.cfg"}));
    EXPECT_EQ(Names("kept"), (std::vector<std::string>{"real.cfg", "relative"}));
}

TEST_F(ReplacementFileTest, FailuresLeaveThePreviousFileAndNoTemporary) {
    struct Case {
        const char* path;
        bool commit;
        int error;
    };
    const Case cases[] = {
        {"old.txt", false, 0},              // abandoned: destroyed without a commit
        {"missing/old.txt", true, ENOENT},  // the temporary can't be made
        {"/dev/full", true, ENOSPC},        // a device is written in place, its writes checked
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.path);
        WriteFileText("old.txt", "previous");
        {
            ReplacementFile file(test.path);
            file.Write(std::string(1 << 16, 'x'));
            if (test.commit) {
                EXPECT_FALSE(file.Commit());
            }
            EXPECT_EQ(file.Error(), test.error) << file.Reason();
        }
        EXPECT_EQ(ReadFileText("old.txt"), "previous");
        EXPECT_EQ(Names(), std::vector<std::string>{"old.txt"});
    }
    std::string reason;
    EXPECT_TRUE(WriteWholeFile("/dev/null", "bytes", reason)) << reason;
}

TEST_F(ReplacementFileTest, FilesCommittedTogetherReplaceNothingUntilAllFinished) {
    WriteFileText("g.png", "old picture");
    ReplacementFile picture("g.png");
    ReplacementFile renderer("missing/g.png.txt");
    picture.Write("new picture");
    renderer.Write("GL_RENDERER: x");
    ReplacementFile* failed = nullptr;

    EXPECT_FALSE(CommitTogether({&picture, &renderer}, &failed));
    EXPECT_EQ(failed, &renderer);
    EXPECT_EQ(ReadFileText("g.png"), "old picture");

    WriteFileText("g.png.txt", "old renderer");
    ReplacementFile picture2("g.png");
    ReplacementFile renderer2("g.png.txt");
    picture2.Write("new picture");
    renderer2.Write("new renderer");
    EXPECT_TRUE(CommitTogether({&picture2, &renderer2}, &failed));
    EXPECT_EQ(ReadFileText("g.png") + "|" + ReadFileText("g.png.txt"), "new picture|new renderer");
}

TEST_F(ReplacementFileTest, ALoopOfLinksStopsBeingFollowed) {
    fs::create_symlink("b", "a");
    fs::create_symlink("a", "b");
    const std::string end = FollowLinks("a");
    EXPECT_TRUE(end == "a" || end == "b") << end;
}

} // namespace
