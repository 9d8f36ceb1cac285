// Replays the stored inputs of a fuzz target, its seed corpus and the inputs that once made it
// fail, through the same check the target runs; each check gives "" or what went wrong.
#pragma once

#include "FileText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline std::vector<std::filesystem::path> StoredInputs(const std::string& target) {
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
