#include "TableFileReader.h"

#include "Console.h"
#include "TextFields.h"

#include <cstring>
#include <sys/stat.h>

namespace {

// A folder opens like a file but reads as empty: it would silently empty the table, so it is
// refused like a file that isn't there.
std::FILE* OpenTableFile(const char* fileName) {
    std::FILE* file = std::fopen(fileName, "r");
    struct stat status;
    if (file != nullptr && fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

} // namespace

TableFileReader::TableFileReader(Console& console, const char* fileName)
    : console(console), file(OpenTableFile(fileName)) {
    if (file == nullptr) {
        console.Print("errore nel file. Premere enter");
        console.WaitForEnter();
    }
}

TableFileReader::~TableFileReader() {
    if (file != nullptr) {
        std::fclose(file);
    }
}

bool TableFileReader::NextLine() {
    if (file == nullptr) {
        return false;
    }
    while (ReadBoundedLine(file, line, LINE_SIZE)) {
        console.PrintLine(line);
        length = static_cast<int>(std::strlen(line));
        if (length > 0 && line[0] != '#') {
            return true;
        }
    }
    return false;
}
