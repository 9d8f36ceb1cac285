// The shell's screens as lines on the console. Every screen is 25 lines tall, with the prompt
// "> " on the line below: a header (a blank line and messages 11 to 13), the page's own lines,
// and blank lines to fill the height. The two list pages (a menu page and the language page)
// also refill the hotkey table with the codes they list.
#pragma once

class Console;
class TextTables;

class Pages {
public:
    static constexpr int SCREEN_LINES = 25;

    Pages(Console& console, TextTables& tables) : console(console), tables(tables) {}

    void PrintMessage(int number);
    // Prints the header; returns the number of header messages, 3.
    int PrintHeader();
    void ShowMenuPage(int pageCode);
    void ShowLanguagePage();

private:
    Console& console;
    TextTables& tables;
};
