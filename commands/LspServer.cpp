#include "LspServer.h"

#include "LspCompletion.h"
#include "LspDiagnostics.h"
#include "LspNavigation.h"
#include "UiFormatter.h"

#include <algorithm>

using nlohmann::json;

namespace {

// The protocol's error codes.
enum ErrorCode {
    PARSE_ERROR = -32700,
    INVALID_REQUEST = -32600,
    METHOD_NOT_FOUND = -32601,
    INVALID_PARAMS = -32602,
    SERVER_NOT_INITIALIZED = -32002,
    REQUEST_FAILED = -32803,
};

// TextDocumentSyncKind: the client sends the whole text on every change.
constexpr int SYNC_FULL = 1;

const char* const UTF8_ENCODING = "utf-8";
const char* const UTF16_ENCODING = "utf-16";

std::string Serialize(const json& message) {
    return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

json ErrorMessage(const json& id, int code, const std::string& text) {
    return json{{"jsonrpc", "2.0"}, {"id", id}, {"error", json{{"code", code}, {"message", text}}}};
}

// The member of an object, or null when there is none.
const json* Member(const json& object, const char* key) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

const json* Path(const json& object, std::initializer_list<const char*> keys) {
    const json* value = &object;
    for (const char* key : keys) {
        value = value == nullptr ? nullptr : Member(*value, key);
    }
    return value;
}

bool IsId(const json& id) {
    return id.is_number_integer() || id.is_string();
}

} // namespace

std::vector<std::string> LspServer::Receive(const std::string& body) {
    outgoing.clear();
    const json message = json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        outgoing.push_back(Serialize(ErrorMessage(nullptr, PARSE_ERROR, "the message is not JSON")));
        return outgoing;
    }
    try {
        Dispatch(message);
    } catch (const json::exception& failure) {
        const json* id = Member(message, "id");
        if (id != nullptr && IsId(*id)) {
            outgoing.push_back(Serialize(ErrorMessage(*id, INVALID_PARAMS, failure.what())));
        }
    }
    return outgoing;
}

std::string LspServer::RefuseHeader(const std::string& problem) const {
    return Serialize(ErrorMessage(nullptr, PARSE_ERROR, problem));
}

// A request has an id and a method, a notification a method only; a message without a method is
// a response, and the server sends no requests that it could answer.
void LspServer::Dispatch(const json& message) {
    const json* version = Member(message, "jsonrpc");
    const json* method = Member(message, "method");
    const json* id = Member(message, "id");
    if (version == nullptr || *version != "2.0" || (method != nullptr && !method->is_string()) ||
        (id != nullptr && !IsId(*id)) || (method == nullptr && id == nullptr)) {
        outgoing.push_back(
            Serialize(ErrorMessage(id != nullptr && IsId(*id) ? *id : json(nullptr), INVALID_REQUEST,
                                   "not a JSON-RPC 2.0 request or notification")));
        return;
    }
    if (method == nullptr) {
        return;
    }
    const json* params = Member(message, "params");
    const json noParams = json::object();
    if (id == nullptr) {
        Notification(method->get<std::string>(), params != nullptr ? *params : noParams);
        return;
    }
    const Answer answer = Request(method->get<std::string>(), params != nullptr ? *params : noParams);
    if (answer.error != 0) {
        outgoing.push_back(Serialize(ErrorMessage(*id, answer.error, answer.message)));
    } else {
        outgoing.push_back(Serialize(json{{"jsonrpc", "2.0"}, {"id", *id}, {"result", answer.result}}));
    }
}

LspServer::Answer LspServer::Request(const std::string& method, const json& params) {
    Answer answer;
    if (method == "initialize") {
        return initialized ? Answer{nullptr, INVALID_REQUEST, "the server is initialized already"}
                           : Initialize(params);
    }
    if (!initialized) {
        return Answer{nullptr, SERVER_NOT_INITIALIZED, "the server is not initialized yet"};
    }
    if (shutDown) {
        return Answer{nullptr, INVALID_REQUEST, "the server has been shut down"};
    }
    if (method == "shutdown") {
        shutDown = true;
        return answer;
    }
    using Feature = json (*)(const LspDocument&, size_t);
    const std::pair<const char*, Feature> features[] = {
        {"textDocument/completion", CompletionAt},
        {"textDocument/hover", HoverAt},
        {"textDocument/definition", DefinitionAt},
    };
    for (const auto& [name, feature] : features) {
        if (method == name) {
            const LspDocument* document = DocumentOf(params, answer);
            size_t offset = 0;
            if (document == nullptr) {
                return answer;
            }
            if (!document->Offset(Member(params, "position"), offset)) {
                return Answer{nullptr, INVALID_PARAMS, "the request has no position"};
            }
            answer.result = feature(*document, offset);
            return answer;
        }
    }
    if (method == "textDocument/documentSymbol" || method == "textDocument/formatting") {
        const LspDocument* document = DocumentOf(params, answer);
        if (document == nullptr) {
            return answer;
        }
        if (method == "textDocument/formatting") {
            return Format(*document);
        }
        answer.result = DocumentSymbols(*document);
        return answer;
    }
    return Answer{nullptr, METHOD_NOT_FOUND, "unknown method: " + method};
}

void LspServer::Notification(const std::string& method, const json& params) {
    if (method == "exit") {
        exited = true;
        return;
    }
    if (!initialized || shutDown) {
        return;
    }
    const json* uri = Path(params, {"textDocument", "uri"});
    if (uri == nullptr || !uri->is_string()) {
        return;
    }
    if (method == "textDocument/didOpen") {
        const json* text = Path(params, {"textDocument", "text"});
        if (text != nullptr && text->is_string()) {
            Open(uri->get<std::string>(), text->get<std::string>());
        }
    } else if (method == "textDocument/didChange") {
        Change(uri->get<std::string>(), Member(params, "contentChanges"));
    } else if (method == "textDocument/didClose" && documents.erase(uri->get<std::string>()) > 0) {
        Publish(uri->get<std::string>(), json::array());
    }
}

// The client may take UTF-8 columns; without a word from it they count UTF-16 code units.
LspServer::Answer LspServer::Initialize(const json& params) {
    const json* encodings = Path(params, {"capabilities", "general", "positionEncodings"});
    utf8Columns = encodings != nullptr && encodings->is_array() &&
                  std::find(encodings->begin(), encodings->end(), UTF8_ENCODING) != encodings->end();
    initialized = true;
    const json capabilities{
        {"positionEncoding", utf8Columns ? UTF8_ENCODING : UTF16_ENCODING},
        {"textDocumentSync", json{{"openClose", true}, {"change", SYNC_FULL}}},
        {"completionProvider", json{{"triggerCharacters", json::array({"\""})}}},
        {"hoverProvider", true},
        {"definitionProvider", true},
        {"documentSymbolProvider", true},
        {"documentFormattingProvider", true},
    };
    return Answer{json{{"capabilities", capabilities},
                       {"serverInfo", json{{"name", "drev"}, {"version", DREV_VERSION}}}},
                  0, ""};
}

// A text that does not load is not laid out: the error says why, as drev fmt would.
LspServer::Answer LspServer::Format(const LspDocument& document) const {
    if (const UiDiagnostic* error = document.report.FirstError()) {
        return Answer{nullptr, REQUEST_FAILED, error->printed};
    }
    std::string formatted;
    std::string problem;
    if (!FormatUiTree(document.Tree(), formatted, problem)) {
        return Answer{nullptr, REQUEST_FAILED, problem};
    }
    json edits = json::array();
    if (formatted != document.Text()) {
        edits.push_back(json{{"range", document.Range(0, document.Text().size())}, {"newText", formatted}});
    }
    return Answer{edits, 0, ""};
}

void LspServer::Open(const std::string& uri, std::string text) {
    auto document = std::make_unique<LspDocument>(uri, std::move(text), utf8Columns);
    document->report = checker.Check(document->FileName(), &document->Text(), false);
    const json diagnostics = PlacedDiagnostics(*document);
    documents[uri] = std::move(document);
    Publish(uri, diagnostics);
}

// Changes come as whole texts; one with a range replaces that range of the text before it.
void LspServer::Change(const std::string& uri, const json* changes) {
    const auto open = documents.find(uri);
    if (open == documents.end() || changes == nullptr || !changes->is_array()) {
        return;
    }
    std::string text = open->second->Text();
    for (const json& change : *changes) {
        const json* newText = Member(change, "text");
        const json* range = Member(change, "range");
        TextPosition start;
        TextPosition end;
        if (newText == nullptr || !newText->is_string()) {
            continue;
        }
        if (range == nullptr) {
            text = newText->get<std::string>();
        } else if (ReadPosition(Member(*range, "start"), start) && ReadPosition(Member(*range, "end"), end)) {
            const TextPositions positions(text, utf8Columns);
            const size_t from = positions.Offset(start);
            text.replace(from, std::max(from, positions.Offset(end)) - from, newText->get<std::string>());
        }
    }
    Open(uri, std::move(text));
}

void LspServer::Publish(const std::string& uri, const json& diagnostics) {
    outgoing.push_back(Serialize(json{{"jsonrpc", "2.0"},
                                      {"method", "textDocument/publishDiagnostics"},
                                      {"params", json{{"uri", uri}, {"diagnostics", diagnostics}}}}));
}

const LspDocument* LspServer::DocumentOf(const json& params, Answer& answer) const {
    const json* uri = Path(params, {"textDocument", "uri"});
    if (uri == nullptr || !uri->is_string()) {
        answer = Answer{nullptr, INVALID_PARAMS, "the request names no text document"};
        return nullptr;
    }
    const auto found = documents.find(uri->get<std::string>());
    if (found == documents.end()) {
        answer = Answer{nullptr, INVALID_PARAMS, "the document is not open: " + uri->get<std::string>()};
        return nullptr;
    }
    return found->second.get();
}
