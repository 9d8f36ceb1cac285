#include "ParseChecks.h"

#include "FileText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The seed corpus of a fuzz target and the inputs that once made it fail.
std::vector<std::filesystem::path> StoredInputs(const std::string& target) {
    std::vector<std::filesystem::path> inputs;
    for (const char* kind : {"corpus", "regressions"}) {
        const std::filesystem::path dir = std::filesystem::path(DREV_FUZZ_DIR) / kind / target;
        if (std::filesystem::is_directory(dir)) {
            for (const auto& entry : std::filesystem::directory_iterator(dir)) {
                inputs.push_back(entry.path());
            }
        }
    }
    return inputs;
}

template <typename Check> void CheckAll(const std::string& target, Check check) {
    const auto inputs = StoredInputs(target);
    EXPECT_FALSE(inputs.empty()) << target;
    for (const auto& path : inputs) {
        const std::string bytes = ReadFileText(path.string());
        EXPECT_EQ(check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "") << path;
    }
}

TEST(FuzzInputs, ValueReader) {
    CheckAll("fuzz_value_reader", CheckValueReader);
}

TEST(FuzzInputs, ParseColor) {
    CheckAll("fuzz_parse_color", CheckParseColor);
}

} // namespace
