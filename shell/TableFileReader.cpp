#include "TableFileReader.h"

#include "Console.h"
#include "TextFields.h"

#include <cstring>

TableFileReader::TableFileReader(Console& console, const char* fileName)
    : console(console), file(std::fopen(fileName, "r")) {
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
