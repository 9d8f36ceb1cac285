#include "DataFolders.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string ShippedDataFolder() {
#ifdef __EMSCRIPTEN__
    // The playground's page writes the shipped fonts there, into the module's file system.
    return "/data";
#endif
    std::error_code failure;
    const fs::path executable = fs::read_symlink("/proc/self/exe", failure);
    if (failure) {
        return std::string();
    }
    const fs::path home = executable.parent_path().parent_path();
    for (const fs::path& candidate : {home / "data", home / "share" / "drev" / "data"}) {
        if (fs::is_directory(candidate, failure)) {
            return candidate.lexically_normal().string();
        }
    }
    return std::string();
}

std::vector<std::string> FontFoldersFor(const std::string& uiFile) {
    const std::string own = fs::path(uiFile).parent_path().string();
    std::vector<std::string> folders{own};
    const std::string shipped = ShippedDataFolder();
    std::error_code failure;
    if (!shipped.empty() && !fs::equivalent(own.empty() ? "." : own, shipped, failure)) {
        folders.push_back(shipped);
    }
    return folders;
}
