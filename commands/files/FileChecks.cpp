#include "FileChecks.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

bool CanReadFile(const std::string& path, std::string& reason) {
    // A named pipe without a writer would hold an opening that waits; the load waits for it.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat status {};
    const bool isFolder = fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
    close(descriptor);
    if (isFolder) {
        reason = std::strerror(EISDIR);
        return false;
    }
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code failure;
    if (std::filesystem::equivalent(a, b, failure)) {
        return true;
    }
    const auto resolved = [&failure](const std::string& name) {
        return std::filesystem::weakly_canonical(std::filesystem::absolute(name, failure), failure);
    };
    const std::filesystem::path first = resolved(a);
    const std::filesystem::path second = resolved(b);
    return !failure && first == second;
}
