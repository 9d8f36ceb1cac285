// The menu loop and the commands it runs. A typed line becomes a command code (ParseCommand):
// a hotkey of the page shown last, a leading positive number, "exit" (999) or "menu" (901);
// anything else is 0. DispatchCommand carries a code out:
//   1 2 3     information pages          5         language page, whose answer is dispatched
//   6         key test                   7 8       the test windows
//   800-899   switch to language row code - 800
//   900-904   select that menu page      998       about page       999  end the loop
// and reports any other code as "Unknown command:". When the console input ends, or a stop
// signal comes, the current command is cut short and the loop ends as on "exit".
#pragma once

class Console;
class Pages;
class TextTables;

class CommandDispatcher {
public:
    static constexpr int INPUT_SIZE = 80;
    static constexpr int START_PAGE = 900;

    // language is the current language row, shared with the configuration. The program
    // arguments are kept for the test windows.
    CommandDispatcher(Console& console, TextTables& tables, Pages& pages, int* language, int argc,
                      char** argv);

    int ParseCommand(const char* line) const;
    // Carries out one command; false when the menu loop is to end.
    bool DispatchCommand(int code);

    // The two parts of the start screen, each followed by a wait for Enter.
    void ShowStartScreen();
    // Shows the current page, reads a line and dispatches it, until "exit", the end of input or
    // a stop signal.
    void RunMenuLoop();

    int CurrentPage() const { return currentPage; }
    const char* InputLine() const { return inputLine; }

private:
    bool ReadInputLine();
    void ShowInformationPage(int message);
    void ShowAboutPage();
    void ChooseLanguage();
    void SwitchLanguage(int row);
    void RunKeyTest();
    void EchoKeys();
    void ReportUnknownCommand();

    Console& console;
    TextTables& tables;
    Pages& pages;
    int* language;
    // The program arguments, handed to the test windows (commands 7 and 8).
    int argc;
    char** argv;
    int currentPage = START_PAGE;
    char inputLine[INPUT_SIZE] = {};
};
