#include "ReplacementFile.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drev {

namespace {

// The permissions a file created now gets: 0666 less the umask, which can only be read by
// setting it.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The rename is on disk once the folder that holds the name is; a folder that can't be synced
// (some file systems refuse) leaves the rename as safe as the system makes it.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

} // namespace

ReplacementFile::ReplacementFile(const std::string& path) : target(FollowLinks(path)) {
    struct stat status;
    const bool exists = stat(target.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        file = std::fopen(target.c_str(), "w");
        if (file == nullptr) {
            Fail(errno);
        }
        return;
    }
    temporary = target + ".XXXXXX";
    const int descriptor = mkstemp(&temporary[0]);
    if (descriptor < 0) {
        Fail(errno);
        temporary.clear();
        return;
    }
    if (fchmod(descriptor, exists ? status.st_mode & 07777 : NewFileMode()) != 0 ||
        (file = fdopen(descriptor, "w")) == nullptr) {
        Fail(errno);
        close(descriptor);
    }
}

ReplacementFile::~ReplacementFile() {
    if (file != nullptr) {
        std::fclose(file);
    }
    if (!committed && !temporary.empty()) {
        unlink(temporary.c_str());
    }
}

void ReplacementFile::Write(const void* bytes, size_t size) {
    if (error != 0 || file == nullptr || size == 0) {
        return;
    }
    if (std::fwrite(bytes, 1, size, file) != size) {
        Fail(errno);
    }
}

void ReplacementFile::Print(const char* format, ...) {
    if (error != 0 || file == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    if (std::vfprintf(file, format, args) < 0) {
        Fail(errno);
    }
    va_end(args);
}

// A full disk shows only here on most systems: the bytes wait in the stream's buffer, and even a
// successful write(2) may have its blocks refused when they reach the disk, which fsync reports.
bool ReplacementFile::Finish() {
    if (error != 0 || file == nullptr) {
        return error == 0;
    }
    if (std::fflush(file) != 0 || (!temporary.empty() && fsync(fileno(file)) != 0)) {
        Fail(errno);
    }
    const int closed = std::fclose(file);
    file = nullptr;
    if (closed != 0) {
        Fail(errno);
    }
    return error == 0;
}

bool ReplacementFile::Commit() {
    return Finish() && Rename();
}

bool ReplacementFile::Rename() {
    if (!temporary.empty()) {
        if (std::rename(temporary.c_str(), target.c_str()) != 0) {
            Fail(errno);
            return false;
        }
        SyncFolderOf(target);
    }
    committed = true;
    return true;
}

std::string ReplacementFile::Reason() const {
    return std::strerror(error);
}

void ReplacementFile::Fail(int reason) {
    if (error == 0) {
        error = reason != 0 ? reason : EIO;
    }
}

bool CommitTogether(std::initializer_list<ReplacementFile*> files, ReplacementFile** failed) {
    for (ReplacementFile* file : files) {
        if (!file->Finish()) {
            *failed = file;
            return false;
        }
    }
    for (ReplacementFile* file : files) {
        if (!file->Commit()) {
            *failed = file;
            return false;
        }
    }
    return true;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& reason) {
    ReplacementFile file(path);
    file.Write(bytes);
    if (!file.Commit()) {
        reason = file.Reason();
        return false;
    }
    return true;
}

std::string FollowLinks(const std::string& path) {
    constexpr int MAX_LINKS = 40;
    std::string file = path;
    struct stat status;
    for (int links = 0; links < MAX_LINKS && lstat(file.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
         ++links) {
        char named[PATH_MAX];
        const ssize_t length = readlink(file.c_str(), named, sizeof named - 1);
        if (length < 0) {
            break;
        }
        named[length] = '\0';
        // A relative link is relative to the folder that holds it.
        file = named[0] == '/' ? std::string(named) : file.substr(0, file.rfind('/') + 1) + named;
    }
    return file;
}

} // namespace drev
