#include "ConsoleKeys.h"
#include "ConsoleCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Sequence {
    const char* text;
    int first;
    int second;
};

TEST(ConsoleKeysTest, TerminalSequencesBecomeTwoCodes) {
    const Sequence known[] = {
        {"[A", 224, 72},  {"[B", 224, 80},  {"[D", 224, 75},  {"[C", 224, 77},    {"OA", 224, 72},
        {"[H", 224, 71},  {"[F", 224, 79},  {"[1~", 224, 71}, {"[4~", 224, 79},   {"OH", 224, 71},
        {"[5~", 224, 73}, {"[6~", 224, 81}, {"[2~", 224, 82}, {"[3~", 224, 83},   {"[1;5C", 224, 77},
        {"OP", 0, 59},    {"OS", 0, 62},    {"[11~", 0, 59},  {"[15~", 0, 63},    {"[17~", 0, 64},
        {"[21~", 0, 68},  {"[[A", 0, 59},   {"[[E", 0, 63},   {"[23~", 224, 133}, {"[24~", 224, 134},
        {"[1;2P", 0, 59},
    };
    for (const Sequence& sequence : known) {
        int first = -1;
        int second = -1;
        EXPECT_TRUE(DecodeKeySequence(sequence.text, std::strlen(sequence.text), &first, &second))
            << sequence.text;
        EXPECT_EQ(first, sequence.first) << sequence.text;
        EXPECT_EQ(second, sequence.second) << sequence.text;
    }
    for (const char* unknown : {"[Z", "[16~", "[99~", "Ox", "x", "[", "[[", "[[Z"}) {
        int first = 0;
        int second = 0;
        EXPECT_FALSE(DecodeKeySequence(unknown, std::strlen(unknown), &first, &second)) << unknown;
    }
}

TEST(ConsoleKeysTest, BytesOfAStreamComeAsTheyAre) {
    ConsoleCapture capture("a\x1b[A\xe0");
    std::vector<int> codes;
    KeyReader keys(capture.Get());
    for (int code; (code = keys.ReadKey()) != -1;) {
        codes.push_back(code);
    }
    EXPECT_EQ(keys.ReadKey(), -1);
    EXPECT_TRUE(capture.Get().InputEnded());
    EXPECT_EQ(codes, (std::vector<int>{'a', 27, '[', 'A', 224}));
}

} // namespace
