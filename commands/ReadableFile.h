// Whether a file given on the command line can be read at all, asked before a command works on
// it, so that a missing file, a folder or a file without permission is an I/O error with the
// system's reason rather than a problem of its contents.
#pragma once

#include <string>

// False with the system's reason ("No such file or directory", "Is a directory", ...).
bool CanReadFile(const std::string& path, std::string& reason);
