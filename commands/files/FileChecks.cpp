#include "FileChecks.h"

#include "ReplacementFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Collision(const NamedFile& output, const NamedFile& used) {
    return output.role + " " + output.path + " would write over " + used.role + " " + used.path;
}

} // namespace

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

// Hard links and two spellings of one path are one file; a link that names a file not made yet
// leads to where the file will be.
bool SameFile(const std::string& a, const std::string& b) {
    const std::string first = drev::FollowLinks(a);
    const std::string second = drev::FollowLinks(b);
    std::error_code failure;
    if (fs::equivalent(first, second, failure)) {
        return true;
    }
    const auto resolved = [&failure](const std::string& name) {
        return fs::weakly_canonical(fs::absolute(name, failure), failure);
    };
    const fs::path firstPath = resolved(first);
    const fs::path secondPath = resolved(second);
    return !failure && firstPath == secondPath;
}

std::string FindCollision(const std::vector<NamedFile>& inputs, const std::vector<NamedFile>& outputs) {
    for (auto output = outputs.begin(); output != outputs.end(); ++output) {
        if (output->path.empty()) {
            continue;
        }
        for (const NamedFile& input : inputs) {
            if (!input.path.empty() && SameFile(output->path, input.path)) {
                return Collision(*output, input);
            }
        }
        for (auto later = output + 1; later != outputs.end(); ++later) {
            if (!later->path.empty() && SameFile(output->path, later->path)) {
                return Collision(*output, *later);
            }
        }
    }
    return std::string();
}
