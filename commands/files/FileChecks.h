// Checks on the files a command names, made before it works on them: whether a file can be read
// at all (a missing file, a folder or a file without permission is an I/O error with the
// system's reason, not a problem of its contents), and whether two names lead to one file. This
// is the one place that knows a file's identity: the file a name leads to once its links are
// followed, as the whole-file writer follows them, or the path itself while no file has it. No
// output of a command may land on one of its inputs or on another of its outputs.
#pragma once

#include <string>
#include <vector>

// A file named to a command, with the words that tell the user which one it is ("-o", "the
// golden", "the font").
struct NamedFile {
    std::string role;
    std::string path;
};

// False with the system's reason ("No such file or directory", "Is a directory", ...).
bool CanReadFile(const std::string& path, std::string& reason);
// Whether two names lead to one file, existing or not.
bool SameFile(const std::string& a, const std::string& b);
// The first output that leads to an input or to a later output, said as one line
// ("-o ./mine.ui would write over the UI file mine.ui"); empty when every output has a file of
// its own. A file whose path is empty (an option not given) is no file and is passed over.
std::string FindCollision(const std::vector<NamedFile>& inputs, const std::vector<NamedFile>& outputs);
