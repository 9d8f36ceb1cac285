// drev lsp: the language server of UI files for editors, on standard input and output (JSON-RPC
// 2.0 with Content-Length framing). It ends when the client sends exit or closes its output.
#pragma once

#include <string>

struct LspOptions {
    // The application log's file; empty for none. Diagnostics of the server itself go to
    // standard error.
    std::string logFile;
};

// 0 after a shutdown request and exit (or the end of input), 1 when the client ended the
// session without shutting the server down first, 2 when the server could not start.
int RunLspCommand(const LspOptions& options);
