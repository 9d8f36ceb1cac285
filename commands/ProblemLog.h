// The problems the toolkit reports while a command works on a file, caught from the process log
// (the toolkit's parts report there through QuietToolkitLog): every message of type
// LOG_TYPE_ERROR or LOG_TYPE_CRITICAL, and every record that calls itself a warning (the font
// table's "Warning: invalid entries found ..."). Each keeps the log's text, without the line end
// or blanks it may end with. Nothing is written to "app.log".
#pragma once

#include <string>
#include <vector>

// Starts the process log for a command: to the problem list only, or also into logFile (in
// the console bench's detailed format, every type). False, after printing why, when logFile
// can't be created.
bool StartProblemLog(const std::string& logFile);
// The problems caught since the last call, in the order they were logged.
std::vector<std::string> TakeProblems();

// One diagnostic line on standard error: "FILE:LINE: error: MESSAGE" ("FILE: error: MESSAGE"
// for line 0) and "FILE: warning: MESSAGE". ErrorLine and WarningLine are the lines without
// their line end.
std::string ErrorLine(const std::string& file, int line, const std::string& message);
std::string WarningLine(const std::string& file, const std::string& message);
void PrintError(const std::string& file, int line, const std::string& message);
void PrintWarning(const std::string& file, const std::string& message);
