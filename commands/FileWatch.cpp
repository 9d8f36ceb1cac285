#include "FileWatch.h"

void FileWatch::Watch(const std::vector<std::string>& paths) {
    stamps.clear();
    for (const std::string& path : paths) {
        stamps.push_back(Take(path));
    }
}

bool FileWatch::Changed() {
    bool changed = false;
    for (Stamp& stamp : stamps) {
        Stamp now = Take(stamp.path);
        if (!Same(stamp, now)) {
            stamp = now;
            changed = true;
        }
    }
    return changed;
}

FileWatch::Stamp FileWatch::Take(const std::string& path) {
    Stamp stamp;
    stamp.path = path;
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        stamp.exists = true;
        stamp.device = status.st_dev;
        stamp.inode = status.st_ino;
        stamp.size = status.st_size;
        stamp.modifiedNs = static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    }
    return stamp;
}

bool FileWatch::Same(const Stamp& a, const Stamp& b) {
    return a.exists == b.exists && a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modifiedNs == b.modifiedNs;
}
