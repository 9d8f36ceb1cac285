// A private temporary working directory for a fuzz target whose readers open files by relative
// names. Made on first use, it stays the working directory for the whole run and is removed at
// exit.
#pragma once

void EnterScratchDirectory(const char* prefix);
