// The files a viewer shows, watched for saves. Each file is remembered by what stat tells of it
// (whether it exists, its device and inode, size and modification time); a file that appears,
// goes, or is written or replaced (an editor that saves by renaming a new file over the old one
// gives it a new inode) counts as changed.
#pragma once

#include <string>
#include <sys/stat.h>
#include <vector>

class FileWatch {
public:
    // Watches these paths from now on, as they are now.
    void Watch(const std::vector<std::string>& paths);
    // True when any watched file has changed since Watch or the last true answer.
    bool Changed();

private:
    struct Stamp {
        std::string path;
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modifiedNs = 0;
    };

    static Stamp Take(const std::string& path);
    static bool Same(const Stamp& a, const Stamp& b);

    std::vector<Stamp> stamps;
};
