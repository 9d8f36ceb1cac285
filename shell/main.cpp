// drev: the console test bench. Starts the application log, reads the settings and the text
// tables, shows the start screen and runs the menu loop; on "exit" (or when the console input
// ends, or a stop signal comes) it writes the settings to "DREV1.cfg" and records the end of the
// run. The exit status is 0, 1 when the settings could not be written, or 128 + the number of
// the stop signal that ended the run. Started with a command (check, render, view, --help ...),
// it runs one of the author's commands instead; GLUT's own options alone (-display NAME ...)
// still start the bench, which hands them to its windows.
#include "AuthorCommands.h"
#include "CommandDispatcher.h"
#include "Configuration.h"
#include "DisplayCheck.h"
#include "Console.h"
#include "FrameMemory.h"
#include "Log.h"
#include "Pages.h"
#include "StopSignal.h"
#include "TextTables.h"

using namespace drev;

int main(int argc, char** argv) {
    KeepFrameMemory();
    if (argc > 1 && !IsGlutOption(argv[1])) {
        return RunAuthorCommand(argc, argv);
    }
    InstallStopSignals();
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

    const bool saved = configuration.WriteConfiguration();
    Log(LOG_TYPE_RECORD, "Program end");
    const int stopSignal = StopSignalNumber();
    if (stopSignal != 0) {
        return 128 + stopSignal;
    }
    return saved ? 0 : 1;
}
