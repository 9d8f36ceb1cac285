// The reader every table file and the settings file go through. Opening a file that isn't
// there (or is a folder) prints "errore nel file. Premere enter" and waits for Enter; the caller
// then leaves its table as it was. Every line read is echoed to the console, so comment lines
// show while loading; NextLine hands out only the lines that carry data (not empty, not
// starting with '#'). Lines hold at most 99 characters; the rest of a longer line is dropped.
#pragma once

#include <cstdio>

class Console;

class TableFileReader {
public:
    static constexpr int LINE_SIZE = 100;

    TableFileReader(Console& console, const char* fileName);
    ~TableFileReader();
    TableFileReader(const TableFileReader&) = delete;
    TableFileReader& operator=(const TableFileReader&) = delete;

    bool IsOpen() const { return file != nullptr; }
    // Moves to the next data line; false at the end of the file.
    bool NextLine();
    const char* Line() const { return line; }
    int Length() const { return length; }

private:
    Console& console;
    std::FILE* file;
    char line[LINE_SIZE] = {};
    int length = 0;
};
