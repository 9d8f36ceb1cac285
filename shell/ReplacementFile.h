// A text file written whole or not at all. The text goes to a temporary file in the folder of the
// file it replaces ("DREV1.cfg.XXXXXX"), which is renamed over that file only when every write,
// the flush, the sync to disk and the close have succeeded; on any failure the temporary file is
// removed and a previous file stays exactly as it was. The new file gets the permissions of the
// one it replaces (or those a new file gets).
//
// A link is followed to the file it names, so that a link keeps pointing where the user put it.
// A file that is not a regular one (a device such as /dev/null) can't be replaced and is written
// in place, its writes checked all the same.
#pragma once

#include <cstdio>
#include <string>

class ReplacementFile {
public:
    // Creates the temporary file; a failure shows in Error() and in every later call.
    explicit ReplacementFile(const char* path);
    // Removes the temporary file unless Commit() has succeeded.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Writes printf-style; a failure is kept for Commit(), and later writes do nothing.
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Flushes, syncs and closes the temporary file and renames it over the file it replaces;
    // false, with nothing replaced, once anything has failed.
    bool Commit();
    // The errno value of the first failure, 0 while there is none.
    int Error() const { return error; }

private:
    void Fail(int reason);

    std::string target;
    // Empty when the target is written in place.
    std::string temporary;
    std::FILE* file = nullptr;
    int error = 0;
    bool committed = false;
};
