// drev: the console test bench. Starts the application log, reads the settings and the text
// tables, shows the start screen and runs the menu loop; on "exit" (or when the console input
// ends) it writes the settings to "DREV1.cfg" and records the end of the run.
// Started with arguments, it runs one of the author's commands (check, render, view) instead.
#include "AuthorCommands.h"
#include "CommandDispatcher.h"
#include "Configuration.h"
#include "Console.h"
#include "Log.h"
#include "Pages.h"
#include "TextTables.h"

int main(int argc, char** argv) {
    if (argc > 1) {
        return RunAuthorCommand(argc, argv);
    }
    Console console;
    InitLog();
    SetLogMode(LOG_MODE_DETAILED);
    SetLogThreshold(LOG_TYPE_DEBUG);
    Log(LOG_TYPE_RECORD, "Program start");

    int language = 0;
    Configuration configuration(console, &language);
    configuration.ReadConfiguration();

    TextTables tables(console);
    tables.LoadLanguageTable();
    if (!tables.IsLanguageRow(language)) {
        language = 0;
    }
    tables.LoadMenuTable();
    tables.LoadMessageTable(language);
    tables.LoadItemTextTable(language);

    Pages pages(console, tables);
    CommandDispatcher dispatcher(console, tables, pages, &language, argc, argv);
    if (!console.InputEnded()) {
        dispatcher.ShowStartScreen();
    }
    dispatcher.RunMenuLoop();

    configuration.WriteConfiguration();
    Log(LOG_TYPE_RECORD, "Program end");
    return 0;
}
