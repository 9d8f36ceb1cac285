// The shell's three settings, read from "DREV.cfg" at start-up and written to "DREV1.cfg" at
// the end of a run. Reader and writer go through one descriptor per setting (name, kind and
// target), in this order: "Language" (integer, the current language row, owned by the caller),
// "Text" (text of at most 23 characters) and "Value" (real). A line sets a setting when it
// starts with the setting's name; the character after the name is skipped and the rest of the
// line is the value. The first matching line wins; a setting without one keeps its value.
//
// The written file reads back to the same settings: a "Text" cut to 23 bytes keeps its UTF-8
// characters whole, and a "Value" too long for a line in fixed notation is written in the
// shortest form that reads back exactly. The file is replaced whole or not at all
// (ReplacementFile.h).
#pragma once

class Console;

class Configuration {
public:
    static constexpr int TEXT_SIZE = 24;
    static constexpr int MAX_LINES = 100;

    // language is the variable the "Language" setting reads into and writes from.
    Configuration(Console& console, int* language);
    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    void ReadConfiguration(const char* fileName = "DREV.cfg");
    // false when the file could not be written: the console then shows "errore nel file. Premere
    // enter" and waits for Enter, and the log names the file and the reason.
    bool WriteConfiguration(const char* fileName = "DREV1.cfg") const;

    const char* Text() const { return text; }
    double Value() const { return value; }

private:
    enum SettingKind { SETTING_TEXT = 0, SETTING_INTEGER = 1, SETTING_REAL = 2 };

    struct Setting {
        const char* name;
        SettingKind kind;
        union {
            char* text;
            int* integer;
            double* real;
        } target;
    };

    static constexpr int SETTINGS = 3;

    Console& console;
    char text[TEXT_SIZE] = {};
    double value = 0.0;
    Setting settings[SETTINGS];
};
