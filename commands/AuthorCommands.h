// The entry of drev started with arguments: the author's commands check, render, view, fmt and
// lsp, and --help and --version. The console bench runs only when drev is started without arguments.
#pragma once

// Reads the command line, runs the command and returns the process's exit status: 0 success,
// 1 the input has errors (or a compare failed), 2 a usage or I/O error.
int RunAuthorCommand(int argc, char** argv);
