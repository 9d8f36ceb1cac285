#include "FileText.h"
#include "Log.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <regex>
#include <string>
#include <utility>
#include <vector>

using namespace drev;

namespace {

class LogTest : public ::testing::Test {
protected:
    TempDir dir;

    std::vector<std::string> Lines() { return ReadFileLines("app.log"); }
    std::string LastLine() {
        auto lines = Lines();
        return lines.empty() ? std::string() : lines.back();
    }
};

TEST_F(LogTest, StartupWritesTheFourOpeningLines) {
    InitLog();
    SetLogMode(LOG_MODE_DETAILED);
    SetLogThreshold(LOG_TYPE_DEBUG);
    Log(LOG_TYPE_RECORD, "Program start");

    auto lines = Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Logger inited correctly for file [app.log]");
    std::string stamp = R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d - )";
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(stamp + R"(INTERNAL: Logger Log Mode changed to \[LOG_MODE_DETAILED\])")))
        << lines[1];
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(stamp + R"(INTERNAL: Logger Type Mode changed to \[LOG_TYPE_DEBUG\])")))
        << lines[2];
    EXPECT_TRUE(std::regex_match(lines[3], std::regex(stamp + "RECORD  : Program start"))) << lines[3];
}

TEST_F(LogTest, EachModeWritesItsLineFormat) {
    InitLog();
    SetLogThreshold(LOG_TYPE_DEBUG);
    Log(LOG_TYPE_ERROR, "plain %d", 1);
    EXPECT_EQ(LastLine(), "plain 1");

    SetLogMode(LOG_MODE_VERBOSE);
    Log(LOG_TYPE_DEBUG, "labelled");
    EXPECT_EQ(LastLine(), "DEBUG   : labelled");
    Log(9, "odd type");
    EXPECT_EQ(LastLine(), "UNKNOWN: odd type");

    SetLogMode(LOG_MODE_DETAILED);
    Log(9, "odd type");
    EXPECT_TRUE(std::regex_match(LastLine(), std::regex(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d - UNKNOWN: odd type)")))
        << LastLine();
}

TEST_F(LogTest, MessageEndingInLineFeedLeavesAnEmptyLine) {
    InitLog();
    Log(LOG_TYPE_INTERNAL, "first\n");
    Log(LOG_TYPE_INTERNAL, "second");
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "first");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "second");
}

TEST_F(LogTest, ThresholdDropsLowerTypesButNeverInternal) {
    InitLog();
    SetLogThreshold(LOG_TYPE_ERROR);
    size_t before = Lines().size();
    Log(LOG_TYPE_RECORD, "dropped");
    Log(-1, "trace");
    EXPECT_EQ(Lines().size(), before);
    Log(LOG_TYPE_INTERNAL, "kept");
    EXPECT_EQ(LastLine(), "kept");
    SetLogThreshold(LOG_TYPE_DEBUG);
    Log(-1, "trace");
    EXPECT_EQ(LastLine(), "Logger Type Mode changed to [LOG_TYPE_DEBUG]");
}

TEST_F(LogTest, SettersTestEqualityBeforeClamping) {
    InitLog();
    SetLogThreshold(4);
    EXPECT_EQ(LastLine(), "Logger Type Mode changed to [LOG_TYPE_CRITICAL]");
    size_t count = Lines().size();
    SetLogThreshold(4);
    EXPECT_EQ(Lines().size(), count + 1) << "4 differs from the stored 3, so the change is logged again";

    count = Lines().size();
    SetLogMode(LOG_MODE_NORMAL);
    EXPECT_EQ(Lines().size(), count);
    SetLogMode(-5);
    EXPECT_EQ(Lines().size(), count + 1);
    EXPECT_EQ(LastLine(), "Logger Log Mode changed to [LOG_MODE_NORMAL]");

    count = Lines().size();
    SetLogMode(7);
    SetLogMode(7);
    auto lines = Lines();
    ASSERT_EQ(lines.size(), count + 2) << "7 differs from the stored 2 each time";
    EXPECT_NE(lines.back().find("Logger Log Mode changed to [LOG_MODE_DETAILED]"), std::string::npos);
}

TEST_F(LogTest, NamesCoverTheirTablesOnly) {
    EXPECT_STREQ(LogModeName(1), "LOG_MODE_VERBOSE");
    EXPECT_EQ(LogModeName(3), nullptr);
    EXPECT_STREQ(LogTypeName(4), "LOG_TYPE_INTERNAL");
    EXPECT_EQ(LogTypeName(-1), nullptr);
}

TEST_F(LogTest, LongPathKeepsItsLast25Characters) {
    std::filesystem::create_directory("abcd");
    std::string path = "abcd/0123456789012345678901.log"; // 31 characters
    InitLog(path.c_str());
    std::string kept = path.substr(path.size() - 25);
    EXPECT_TRUE(std::filesystem::exists(kept));
    EXPECT_EQ(ReadFileText(kept), "Logger inited correctly for file [" + kept + "]\n");
}

TEST_F(LogTest, UncreatableFileFallsBackToAppLog) {
    InitLog();
    SetLogThreshold(LOG_TYPE_DEBUG);
    EXPECT_FALSE(OpenLogFile("missing-dir/other.log"));
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Error opening 'missing-dir/other.log' file");
    EXPECT_EQ(lines[1], "");
}

TEST_F(LogTest, NoUsableFileDropsMessagesWithoutEndlessFallback) {
    std::filesystem::create_directory("app.log");
    InitLog("missing-dir/other.log");
    Log(LOG_TYPE_CRITICAL, "nowhere to go");
    EXPECT_TRUE(std::filesystem::is_directory("app.log"));
}

TEST_F(LogTest, OverlongMessageIsCutAtTheBuffer) {
    InitLog();
    std::string big(5000, 'x');
    Log(LOG_TYPE_INTERNAL, "%s", big.c_str());
    EXPECT_EQ(LastLine(), std::string(1023, 'x'));
}

// --- the listener of programs that report on their own terms ---

using Heard = std::vector<std::pair<int, std::string>>;

LogListener Collect(Heard& heard) {
    return [&heard](int type, const char* message) { heard.emplace_back(type, message); };
}

TEST_F(LogTest, ListenerAloneGetsWhatPassesTheThresholdAndNoFileIsMade) {
    Heard heard;
    ASSERT_TRUE(InitLogWithListener(nullptr, Collect(heard)));
    SetLogMode(LOG_MODE_DETAILED);
    SetLogThreshold(LOG_TYPE_ERROR);
    Log(LOG_TYPE_RECORD, "dropped");
    Log(LOG_TYPE_ERROR, "Wrong KORU font file [%s]", "a.krf");
    Log(-1, "trace");
    Log(LOG_TYPE_CRITICAL, "ends in a line feed\n");

    const Heard expected = {
        {LOG_TYPE_INTERNAL, "Logger inited correctly for file []"},
        {LOG_TYPE_INTERNAL, "Logger Log Mode changed to [LOG_MODE_DETAILED]"},
        {LOG_TYPE_INTERNAL, "Logger Type Mode changed to [LOG_TYPE_ERROR]"},
        {LOG_TYPE_ERROR, "Wrong KORU font file [a.krf]"},
        {LOG_TYPE_CRITICAL, "ends in a line feed\n"},
    };
    EXPECT_EQ(heard, expected);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(LogTest, ListenerAndFileGetTheSameTextUnderTheWholePath) {
    std::filesystem::create_directories("a/long/folder/name/for/the/log");
    const std::string path = "a/long/folder/name/for/the/log/check.log"; // beyond 25 characters
    Heard heard;
    ASSERT_TRUE(InitLogWithListener(path.c_str(), Collect(heard)));
    SetLogMode(LOG_MODE_VERBOSE);
    Log(LOG_TYPE_CRITICAL, "Item [%d] lost", 3);

    EXPECT_EQ(ReadFileLines(path),
              (std::vector<std::string>{"Logger inited correctly for file [" + path + "]",
                                        "INTERNAL: Logger Log Mode changed to [LOG_MODE_VERBOSE]",
                                        "CRITICAL: Item [3] lost"}));
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), std::make_pair(int(LOG_TYPE_CRITICAL), std::string("Item [3] lost")));
    EXPECT_FALSE(std::filesystem::exists("app.log"));
}

TEST_F(LogTest, UncreatableListenerFileStartsNoLoggerAndFallsBackToNothing) {
    InitLog("first.log");
    Heard heard;
    EXPECT_FALSE(InitLogWithListener("missing-dir/check.log", Collect(heard)));
    EXPECT_EQ(errno, ENOENT);
    Log(LOG_TYPE_INTERNAL, "still the first logger");
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(ReadFileLines("first.log").back(), "still the first logger");
    EXPECT_FALSE(std::filesystem::exists("app.log"));
}

} // namespace
