#include "AuthorCommands.h"

#include "CommandLine.h"

#include <cstdio>

int RunAuthorCommand(int argc, char** argv) {
    const CommandLine line = ParseCommandLine(argc, argv);
    switch (line.choice) {
    case CommandChoice::Help:
        std::fputs(UsageText(), stdout);
        return 0;
    case CommandChoice::Version:
        std::printf("drev %s\n", DREV_VERSION);
        return 0;
    case CommandChoice::Check:
        return RunCheckCommand(line.check);
    case CommandChoice::Render:
        return RunRenderCommand(line.render);
    case CommandChoice::View:
        return RunViewCommand(line.view);
    case CommandChoice::Format:
        return RunFormatCommand(line.format);
    case CommandChoice::Lsp:
        return RunLspCommand(line.lsp);
    case CommandChoice::UsageError:
        break;
    }
    std::fprintf(stderr, "drev: %s\n%s", line.error.c_str(), UsageText());
    return 2;
}
