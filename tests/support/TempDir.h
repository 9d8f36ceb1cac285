// A fresh temporary directory that becomes the working directory for the life of the object,
// so that code which opens files by relative names ("app.log", "DREV.cfg") works on its own
// copies. The previous working directory is restored and the directory removed at the end.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }

private:
    std::string path;
    std::string previous;
};
