#include "TrackedAllocation.h"
#include "FileText.h"
#include "Log.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <new>

using namespace drev;

namespace {

struct Traced {
    TempDir dir;
    Traced() {
        InitLog();
        SetLogThreshold(LOG_TYPE_DEBUG);
    }
};

// Keeps the compiler from eliding a new/delete pair.
void* volatile sink;

TEST(TrackedAllocationTest, TraceReportsTheLiveBlockCount) {
    Traced traced;
    SetAllocationTrace(true);
    int base = LiveBlockCount();
    char* a = new char[16];
    char* b = new char[32];
    int* c = new (std::nothrow) int(3);
    sink = a;
    sink = b;
    sink = c;
    delete[] b;
    SetAllocationTrace(false);

    auto lines = ReadFileLines("app.log");
    std::vector<std::string> traces;
    for (const auto& line : lines) {
        if (line.rfind("Memory block", 0) == 0) {
            traces.push_back(line);
        }
    }
    ASSERT_EQ(traces.size(), 4u);
    EXPECT_EQ(traces[0], "Memory block " + std::to_string(base + 1) + " allocated for 16 bytes");
    EXPECT_EQ(traces[1], "Memory block " + std::to_string(base + 2) + " allocated for 32 bytes");
    EXPECT_EQ(traces[2], "Memory block " + std::to_string(base + 3) + " allocated for 4 bytes");
    EXPECT_EQ(traces[3], "Memory block " + std::to_string(base + 2) + " deallocated");
    delete[] a;
    delete c;
}

TEST(TrackedAllocationTest, CountsWithoutWritingAboveTheThreshold) {
    Traced traced;
    SetLogThreshold(LOG_TYPE_ERROR);
    auto before = ReadFileText("app.log");
    SetAllocationTrace(true);
    int base = LiveBlockCount();
    int* p = new int(1);
    sink = p;
    EXPECT_EQ(LiveBlockCount(), base + 1);
    delete p;
    EXPECT_EQ(LiveBlockCount(), base);
    SetAllocationTrace(false);
    EXPECT_EQ(ReadFileText("app.log"), before);
}

TEST(TrackedAllocationTest, ImpossibleRequestGivesNullOrBadAlloc) {
    std::size_t huge = static_cast<std::size_t>(1) << 62;
    void* block = ::operator new(huge, std::nothrow);
    EXPECT_EQ(block, nullptr);
    EXPECT_THROW(sink = ::operator new(huge), std::bad_alloc);
}

TEST(TrackedAllocationTest, ChosenNothrowAllocationFailsOnce) {
    FailNothrowAllocationAfter(2);
    int* granted[2] = {new (std::nothrow) int(1), new (std::nothrow) int(2)};
    int* plain = new int(3);
    int* refused = new (std::nothrow) int(4);
    int* after = new (std::nothrow) int(5);
    EXPECT_NE(granted[0], nullptr);
    EXPECT_NE(granted[1], nullptr);
    EXPECT_EQ(refused, nullptr);
    EXPECT_NE(after, nullptr);
    delete granted[0];
    delete granted[1];
    delete plain;
    delete after;

    FailNothrowAllocationAfter(0);
    FailNothrowAllocationAfter(-1);
    int* cancelled = new (std::nothrow) int(6);
    EXPECT_NE(cancelled, nullptr);
    delete cancelled;
}

} // namespace
