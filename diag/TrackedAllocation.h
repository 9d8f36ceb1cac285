// Every dynamic allocation of the drev program passes through the global allocation operators
// defined in TrackedAllocation.cpp, which only the program (and the tests that check them) links:
// the libraries leave an embedding program's operators alone. With the trace switch on (it is off in the program; tests
// turn it on), each allocation and release is counted and reported to the application log with
// the number of live blocks. The plain operators keep the language's contract; objects whose
// creation the program tests for failure are made with new (std::nothrow) and checked for null.
#pragma once

namespace drev {

void SetAllocationTrace(bool on);
int LiveBlockCount();

// Makes one nothrow allocation fail as an exhausted heap would: the one that follows `granted`
// further nothrow allocations. A negative count cancels a failure not yet made. The program
// never calls it; tests use it to reach the paths that handle a failed allocation.
void FailNothrowAllocationAfter(int granted);

} // namespace drev
