// The bad-input cases of one class: every file of tests/data/bad-inputs/<class>/ with its
// sidecar <stem>.expected, which says what reading the file must give. A sidecar holds one
// "key value" pair a line ('#' lines are comments); keys may repeat and keep their order.
// "{file}" in a value stands for the name the file was read under.
#pragma once

#include "FileText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct BadInputCase {
    std::filesystem::path file;
    std::multimap<std::string, std::string> expected;

    // Every value of key, in sidecar order, with {file} replaced by fileName.
    std::vector<std::string> Values(const std::string& key, const std::string& fileName = "") const {
        std::vector<std::string> values;
        auto [first, last] = expected.equal_range(key);
        for (auto it = first; it != last; ++it) {
            std::string value = it->second;
            for (size_t at; (at = value.find("{file}")) != std::string::npos;) {
                value.replace(at, 6, fileName);
            }
            values.push_back(value);
        }
        return values;
    }

    std::string Value(const std::string& key) const {
        auto it = expected.find(key);
        return it != expected.end() ? it->second : "";
    }
};

inline std::vector<BadInputCase> BadInputCases(const std::string& inputClass) {
    const std::filesystem::path folder = std::filesystem::path(DREV_BAD_INPUT_DIR) / inputClass;
    std::vector<BadInputCase> cases;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() == ".expected") {
            continue;
        }
        BadInputCase input{path, {}};
        std::filesystem::path sidecar = path;
        sidecar.replace_extension(".expected");
        EXPECT_TRUE(std::filesystem::exists(sidecar)) << "no sidecar for " << path;
        if (std::filesystem::exists(sidecar)) {
            for (const std::string& line : ReadFileLines(sidecar.string())) {
                if (line.empty() || line[0] == '#') {
                    continue;
                }
                const size_t blank = line.find(' ');
                input.expected.emplace(line.substr(0, blank),
                                       blank == std::string::npos ? "" : line.substr(blank + 1));
            }
        }
        cases.push_back(input);
    }
    std::sort(cases.begin(), cases.end(),
              [](const BadInputCase& a, const BadInputCase& b) { return a.file < b.file; });
    EXPECT_FALSE(cases.empty()) << folder;
    return cases;
}
