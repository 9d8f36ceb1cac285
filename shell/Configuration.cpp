#include "Configuration.h"

#include "Console.h"
#include "Log.h"
#include "ReplacementFile.h"
#include "TableFileReader.h"
#include "TextFields.h"

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace drev;

namespace {

// The longest decimal form of a double needs 17 significant digits.
constexpr int MAX_PRECISION = 17;

// Writes "name value" into line (TableFileReader::LINE_SIZE bytes). The fixed notation with six
// decimals of every file written so far is kept whenever its line fits the reader; a larger
// number (beyond about 1e92) gets the shortest %g form that the reader takes back to the same
// double. An infinity, which a reader of decimal numbers only meets as an overflow, is written
// as one: 1e999. (A NaN can't be read, so never needs writing; it would come out as "nan".)
void FormatRealLine(char* line, const char* name, double value) {
    constexpr int size = TableFileReader::LINE_SIZE;
    if (std::isinf(value)) {
        std::snprintf(line, size, "%s %s1e999", name, value < 0 ? "-" : "");
        return;
    }
    if (std::snprintf(line, size, "%s %f", name, value) < size) {
        return;
    }
    const int valueStart = static_cast<int>(std::strlen(name)) + 1;
    for (int precision = 1; precision <= MAX_PRECISION; ++precision) {
        std::snprintf(line, size, "%s %.*g", name, precision, value);
        if (LeadingReal(line + valueStart) == value) {
            return;
        }
    }
}

} // namespace

Configuration::Configuration(Console& console, int* language) : console(console) {
    settings[0].name = "Language";
    settings[0].kind = SETTING_INTEGER;
    settings[0].target.integer = language;
    settings[1].name = "Text";
    settings[1].kind = SETTING_TEXT;
    settings[1].target.text = text;
    settings[2].name = "Value";
    settings[2].kind = SETTING_REAL;
    settings[2].target.real = &value;
}

void Configuration::ReadConfiguration(const char* fileName) {
    TableFileReader reader(console, fileName);
    if (!reader.IsOpen()) {
        return;
    }
    char lines[MAX_LINES][TableFileReader::LINE_SIZE];
    int count = 0;
    while (reader.NextLine()) {
        if (count < MAX_LINES) {
            std::snprintf(lines[count++], TableFileReader::LINE_SIZE, "%s", reader.Line());
        }
    }
    for (const Setting& setting : settings) {
        int nameLength = static_cast<int>(std::strlen(setting.name));
        for (int i = 0; i < count; ++i) {
            if (std::strncmp(lines[i], setting.name, nameLength) != 0) {
                continue;
            }
            int lineLength = static_cast<int>(std::strlen(lines[i]));
            const char* valueText = lines[i] + (nameLength < lineLength ? nameLength + 1 : lineLength);
            switch (setting.kind) {
            case SETTING_TEXT:
                CopyField(setting.target.text, TEXT_SIZE, valueText, Utf8CutLength(valueText, TEXT_SIZE - 1));
                break;
            case SETTING_INTEGER:
                *setting.target.integer = LeadingInteger(valueText);
                break;
            case SETTING_REAL:
                *setting.target.real = LeadingReal(valueText);
                break;
            }
            break;
        }
    }
}

bool Configuration::WriteConfiguration(const char* fileName) const {
    ReplacementFile file(fileName);
    for (const Setting& setting : settings) {
        char line[TableFileReader::LINE_SIZE];
        switch (setting.kind) {
        case SETTING_TEXT:
            std::snprintf(line, sizeof line, "%s %s", setting.name, setting.target.text);
            break;
        case SETTING_INTEGER:
            std::snprintf(line, sizeof line, "%s %d", setting.name, *setting.target.integer);
            break;
        case SETTING_REAL:
            FormatRealLine(line, setting.name, *setting.target.real);
            break;
        }
        file.Print("%s\n", line);
    }
    if (file.Commit()) {
        return true;
    }
    Log(LOG_TYPE_ERROR, "Settings file [%s] not written: %s", fileName, std::strerror(file.Error()));
    console.Print("errore nel file. Premere enter");
    console.WaitForEnter();
    return false;
}
