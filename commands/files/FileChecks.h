// Checks on the files named on the command line, made before a command works on them: whether a
// file can be read at all (a missing file, a folder or a file without permission is an I/O
// error with the system's reason, not a problem of its contents), and whether two names lead to
// one file (a command must not write over a file it reads).
#pragma once

#include <string>

// False with the system's reason ("No such file or directory", "Is a directory", ...).
bool CanReadFile(const std::string& path, std::string& reason);
// Whether two names lead to one file, existing or not.
bool SameFile(const std::string& a, const std::string& b);
