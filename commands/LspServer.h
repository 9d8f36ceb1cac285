// The language server's side of a session with one client. Each message the client sends goes
// in as its JSON body; out come the messages to send back, in order: the answer to a request and
// the diagnostics published for a document opened or changed. The server keeps the documents the
// client opened, with their text as the editor holds it, and the state of the session (not yet
// initialized, running, shut down, exited).
//
// Whatever a message holds, it is answered as the protocol says (a message that is not JSON,
// not a request, an unknown method, bad parameters, a request before initialize or after
// shutdown each get their error code) and the server goes on; only exit ends the session.
#pragma once

#include "LspDocument.h"
#include "UiFileCheck.h"

#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <string>
#include <vector>

class LspServer {
public:
    // The checker must have been started; it loads every text the client sends.
    explicit LspServer(UiFileChecker& checker) : checker(checker) {}

    std::vector<std::string> Receive(const std::string& body);
    // The answer to a message whose header could not be read.
    std::string RefuseHeader(const std::string& problem) const;

    bool Exited() const { return exited; }
    // 0 when the client asked for shutdown before it ended the session, 1 otherwise.
    int ExitStatus() const { return shutDown ? 0 : 1; }

private:
    // An answer's result, or the error code and message when it failed.
    struct Answer {
        nlohmann::json result;
        int error = 0;
        std::string message;
    };

    void Dispatch(const nlohmann::json& message);
    Answer Request(const std::string& method, const nlohmann::json& params);
    void Notification(const std::string& method, const nlohmann::json& params);

    Answer Initialize(const nlohmann::json& params);
    Answer Format(const LspDocument& document) const;
    void Open(const std::string& uri, std::string text);
    void Change(const std::string& uri, const nlohmann::json* changes);
    void Publish(const std::string& uri, const nlohmann::json& diagnostics);
    // The open document a request names, or null with the error set.
    const LspDocument* DocumentOf(const nlohmann::json& params, Answer& answer) const;

    UiFileChecker& checker;
    std::map<std::string, std::unique_ptr<LspDocument>> documents;
    std::vector<std::string> outgoing;
    bool utf8Columns = false;
    bool initialized = false;
    bool shutDown = false;
    bool exited = false;
};
