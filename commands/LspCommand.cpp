#include "LspCommand.h"

#include "LspMessageReader.h"
#include "LspServer.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int LSP_START_FAILED = 2;
constexpr int LSP_CLIENT_GONE = 1;

bool WriteAll(const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(STDOUT_FILENO, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            std::fprintf(stderr, "drev lsp: cannot write to the client: %s\n", std::strerror(errno));
            return false;
        }
        written += static_cast<size_t>(count);
    }
    return true;
}

bool Send(const std::string& body) {
    return WriteAll("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
}

} // namespace

int RunLspCommand(const LspOptions& options) {
    // A client that goes away makes writes fail, which ends the session; it must not kill it.
    std::signal(SIGPIPE, SIG_IGN);
    UiFileChecker checker;
    if (!checker.Start(options.logFile, {})) {
        return LSP_START_FAILED;
    }
    LspServer server(checker);
    LspMessageReader reader;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return server.ExitStatus();
        }
        reader.Feed(buffer, static_cast<size_t>(count));
        std::string body;
        std::string problem;
        for (LspMessageReader::Result result;
             (result = reader.Next(body, problem)) != LspMessageReader::Result::NeedMore;) {
            const std::vector<std::string> answers =
                result == LspMessageReader::Result::Message
                    ? server.Receive(body)
                    : std::vector<std::string>{server.RefuseHeader(problem)};
            for (const std::string& answer : answers) {
                if (!Send(answer)) {
                    return LSP_CLIENT_GONE;
                }
            }
            if (server.Exited()) {
                return server.ExitStatus();
            }
        }
    }
}
