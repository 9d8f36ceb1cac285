#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

TempDir::TempDir() {
    previous = std::filesystem::current_path().string();
    std::string pattern = (std::filesystem::temp_directory_path() / "drev-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    path = pattern;
    std::filesystem::current_path(path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(path, ignored);
}
