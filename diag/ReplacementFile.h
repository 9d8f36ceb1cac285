// A file written whole or not at all: the one way DREV and krfmake write every file a user keeps
// (settings, pictures, goldens and their renderer files, fonts, previews, formatted UI files).
// The bytes go to a temporary file in the folder of the file they replace ("NAME.XXXXXX"),
// which is renamed over that file only when every write, the flush, the sync to disk and the
// close have succeeded; on any failure the temporary file is removed and a previous file stays
// exactly as it was. The new file gets the permissions of the one it replaces (or those a new
// file gets).
//
// A link is followed to the file it names, so that a link keeps pointing where the user put it.
// A file that is not a regular one (a device such as /dev/null) can't be replaced and is written
// in place, its writes checked all the same.
//
// Files that belong together (a golden picture and its renderer file) are each written and
// finished, then renamed one after the other only when all of them finished (CommitTogether).
#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace drev {

class ReplacementFile {
public:
    // Creates the temporary file; a failure shows in Error() and in every later call.
    explicit ReplacementFile(const std::string& path);
    // Removes the temporary file unless Commit() has succeeded.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Each write's failure is kept for Commit(), and later writes do nothing.
    void Write(const void* bytes, size_t size);
    void Write(std::string_view text) { Write(text.data(), text.size()); }
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Flushes, syncs and closes the temporary file, which then holds the whole new content; false
    // once anything has failed. Nothing is replaced yet.
    bool Finish();
    // Finish, then the rename over the file it replaces; false, with nothing replaced, once
    // anything has failed.
    bool Commit();
    // The errno value of the first failure, 0 while there is none.
    int Error() const { return error; }
    // The system's reason for the first failure ("No space left on device").
    std::string Reason() const;

private:
    bool Rename();
    void Fail(int reason);

    std::string target;
    // Empty when the target is written in place.
    std::string temporary;
    // Null once Finish has closed it, and when it could not be opened.
    std::FILE* file = nullptr;
    int error = 0;
    bool committed = false;
};

// Finishes every file, and renames them in order only when all of them finished. False when any
// failed; failed names the first that did.
bool CommitTogether(std::initializer_list<ReplacementFile*> files, ReplacementFile** failed);

// The whole file in one call; false with the system's reason when it could not be written.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& reason);

// The file a write to path replaces: path with its links followed, the last one possibly naming
// a file not made yet. A loop of links stops being followed after a while.
std::string FollowLinks(const std::string& path);

} // namespace drev
