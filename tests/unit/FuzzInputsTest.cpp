#include "FuzzInputs.h"
#include "ParseChecks.h"

namespace {

TEST(FuzzInputs, ValueReader) {
    CheckAll("fuzz_value_reader", CheckValueReader);
}

TEST(FuzzInputs, ParseColor) {
    CheckAll("fuzz_parse_color", CheckParseColor);
}

} // namespace
