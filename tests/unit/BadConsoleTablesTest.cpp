// Table and settings files a user might hand over (tests/data/bad-inputs/console/): each file
// is loaded as the kind its name starts with (menu_, languages_, items_, messages_, settings_)
// and must give the table its sidecar lists, echoing the lines it says. The inputs stored for
// the console fuzz targets are replayed as well.
#include "BadInputCases.h"
#include "Configuration.h"
#include "ConsoleCapture.h"
#include "ConsoleChecks.h"
#include "TempDir.h"
#include "TextTables.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Lines = std::vector<std::string>;

long LineEnds(const std::string& text) {
    return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
}

Lines MenuRows(const TextTables& tables) {
    Lines rows;
    for (int row = 0; row < TextTables::MENU_ROWS && tables.MenuCode(row, 0) != -1; ++row) {
        std::string line;
        for (int index = 0; index < TextTables::MENU_CODES && tables.MenuCode(row, index) != -1; ++index) {
            line += (index > 0 ? " " : "") + std::to_string(tables.MenuCode(row, index));
        }
        rows.push_back(line);
    }
    return rows;
}

Lines LanguageRows(const TextTables& tables) {
    Lines rows;
    for (int row = 0; row < tables.LanguageCount(); ++row) {
        const LanguageEntry& entry = tables.Language(row);
        rows.push_back(std::to_string(entry.number) + " |" + entry.name + "| |" + entry.itemFile + "| |" +
                       entry.messageFile + "|");
    }
    return rows;
}

// "<code> |<text>|" pairs: the text is between the first and the last bar.
void ExpectTexts(const BadInputCase& input, const char* key, const std::function<const char*(int)>& lookup) {
    for (const std::string& value : input.Values(key)) {
        const size_t open = value.find('|');
        const std::string text = value.substr(open + 1, value.rfind('|') - open - 1);
        const char* found = lookup(std::stoi(value.substr(0, open)));
        EXPECT_EQ(found != nullptr ? found : "(none)", text) << value;
    }
}

Lines Settings(const Configuration& configuration, int language) {
    char value[512];
    std::snprintf(value, sizeof value, "%f", configuration.Value());
    return {"Language " + std::to_string(language), std::string("Text |") + configuration.Text() + "|",
            std::string("Value ") + value};
}

std::string KindOf(const BadInputCase& input) {
    const std::string name = input.file.filename().string();
    return name.substr(0, name.find('_'));
}

// The shell's tables and settings over a console that reads nothing and keeps what is printed.
struct Shell {
    ConsoleCapture console;
    TextTables tables{console.Get()};
    int language = 0;
    Configuration configuration{console.Get(), &language};

    // Loads the file as its kind, from a copy under the name the program would read; returns the
    // number of lines echoed meanwhile.
    long Load(const BadInputCase& input) {
        const std::string kind = KindOf(input);
        const std::string name = kind == "settings" ? "DREV.cfg" : kind + ".txt";
        std::filesystem::copy_file(input.file, name, std::filesystem::copy_options::overwrite_existing);
        if (kind == "items" || kind == "messages") {
            WriteFileText("Languages.txt",
                          "800 Test                items.txt                     messages.txt\n");
            tables.LoadLanguageTable();
            console.Output();
        }
        if (kind == "menu") {
            tables.LoadMenuTable("menu.txt");
        } else if (kind == "languages") {
            tables.LoadLanguageTable("languages.txt");
        } else if (kind == "items") {
            tables.LoadItemTextTable(0);
        } else if (kind == "messages") {
            tables.LoadMessageTable(0);
        } else {
            configuration.ReadConfiguration();
        }
        return LineEnds(console.Output());
    }
};

TEST(BadConsoleTables, EachFileGivesItsTable) {
    TempDir dir;
    for (const BadInputCase& input : BadInputCases("console")) {
        SCOPED_TRACE(input.file.filename().string());
        auto shell = std::make_unique<Shell>();
        EXPECT_EQ(std::to_string(shell->Load(input)), input.Value("echo"));
        const std::string kind = KindOf(input);
        const TextTables& tables = shell->tables;
        if (kind == "menu") {
            EXPECT_EQ(MenuRows(tables), input.Values("row"));
        } else if (kind == "languages") {
            EXPECT_EQ(LanguageRows(tables), input.Values("language"));
        } else if (kind == "items") {
            ExpectTexts(input, "text", [&tables](int code) { return tables.FindItemText(code); });
        } else if (kind == "messages") {
            ExpectTexts(input, "message", [&tables](int number) { return tables.Message(number); });
        } else {
            EXPECT_EQ(Settings(shell->configuration, shell->language), input.Values("setting"));
        }
    }
}

// A folder where a table or settings file should be opens like a file but reads as empty; it is
// reported like a missing file and the table keeps what it held.
TEST(BadConsoleTables, FolderInPlaceOfAFileIsReportedAndChangesNothing) {
    TempDir dir;
    Shell shell;
    WriteFileText("Menu.txt", " 900 901\n");
    shell.tables.LoadMenuTable();
    shell.console.Output();
    std::filesystem::remove("Menu.txt");
    std::filesystem::create_directory("Menu.txt");
    std::filesystem::create_directory("DREV.cfg");
    shell.tables.LoadMenuTable();
    shell.configuration.ReadConfiguration();
    EXPECT_EQ(shell.console.Output(), "errore nel file. Premere enter"
                                      "errore nel file. Premere enter");
    EXPECT_EQ(MenuRows(shell.tables), Lines{"900 901"});
}

// The seed inputs of the console fuzz targets and the inputs that once made them fail.
TEST(ConsoleFuzzInputs, StoredInputsHoldEveryProperty) {
    TempDir dir;
    for (const auto& [target, check] : {std::make_pair("fuzz_console_tables", CheckConsoleTables),
                                        std::make_pair("fuzz_configuration", CheckConfiguration)}) {
        size_t inputs = 0;
        for (const char* kind : {"corpus", "regressions"}) {
            const std::filesystem::path folder = std::filesystem::path(DREV_FUZZ_DIR) / kind / target;
            if (!std::filesystem::is_directory(folder)) {
                continue;
            }
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                const std::string bytes = ReadFileText(entry.path().string());
                EXPECT_EQ(check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
                    << entry.path();
                ++inputs;
            }
        }
        EXPECT_GT(inputs, 0u) << target;
    }
}

} // namespace
