#include "Configuration.h"

#include "Console.h"
#include "Log.h"
#include "ReplacementFile.h"
#include "TableFileReader.h"
#include "TextFields.h"

#include <cstdio>
#include <cstring>

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
                std::snprintf(setting.target.text, TEXT_SIZE, "%s", valueText);
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
            std::snprintf(line, sizeof line, "%s %f", setting.name, *setting.target.real);
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
