#include "LspDiagnostics.h"

#include <algorithm>
#include <map>

using nlohmann::json;

namespace {

// DiagnosticSeverity of the protocol.
enum Severity { SEVERITY_ERROR = 1, SEVERITY_WARNING = 2 };

const char* const SOURCE = "drev";
const char* const FONT_TABLE_WARNING_END = "for uiFontTable";

// A part of the file a warning may be about, and the texts by which a message names it.
struct Candidate {
    size_t first;
    size_t last;
    std::vector<std::string> names;
    bool fontTable;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Where the message first names the part, or npos.
size_t FirstName(const Candidate& candidate, const std::string& message) {
    size_t at = std::string::npos;
    for (const std::string& name : candidate.names) {
        at = std::min(at, message.find(name));
    }
    return at;
}

class Placer {
public:
    explicit Placer(const LspDocument& document) : document(document), tree(document.Tree()) {
        for (const UiSection& section : tree.Sections()) {
            if (section.kind == UiSectionKind::FontTable) {
                parts.push_back(Candidate{section.type, section.type, {}, true});
                FontEntries(section.value);
            } else if (section.kind == UiSectionKind::Item && section.name != NO_TOKEN) {
                const std::string name = tree.ItemName(section);
                const std::string type(tree.TokenText(section.type));
                const size_t last = section.parent != NO_TOKEN ? section.parent : section.name;
                parts.push_back(
                    Candidate{section.type, last, {"[" + name + "]", "[" + name + ":" + type + "]"}, false});
            }
        }
    }

    json Place(const UiDiagnostic& diagnostic) {
        json range;
        if (diagnostic.severity == UiDiagnostic::Severity::Error) {
            range = LineRange(diagnostic.line);
        } else {
            // The same message again is about the next part that fits it.
            const int repeat = seen[diagnostic.message]++;
            const std::vector<const Candidate*> matching = Matching(diagnostic.message);
            const Candidate* part =
                matching.empty() ? nullptr
                                 : matching[std::min(static_cast<size_t>(repeat), matching.size() - 1)];
            range = part != nullptr ? document.TokenRange(part->first, part->last) : document.Range(0, 0);
        }
        return json{{"range", range},
                    {"severity", diagnostic.severity == UiDiagnostic::Severity::Error ? SEVERITY_ERROR
                                                                                      : SEVERITY_WARNING},
                    {"source", SOURCE},
                    {"message", diagnostic.message}};
    }

private:
    void FontEntries(const UiValue& table) {
        for (const UiEntry& entry : table.entries) {
            if (entry.value.kind == UiValueKind::Scalar) {
                const std::string file = tree.StringValue(entry.value.first);
                parts.push_back(
                    Candidate{entry.key, entry.value.last, {"[" + file + "]", "/" + file + "]"}, false});
            }
        }
    }

    // The parts a warning is about: the font tables for the font table's warning; else the parts
    // whose name comes first in the message, as a message names its widget before its parent.
    std::vector<const Candidate*> Matching(const std::string& message) const {
        const bool fontTable = EndsWith(message, FONT_TABLE_WARNING_END);
        size_t earliest = std::string::npos;
        std::vector<const Candidate*> found;
        for (const Candidate& candidate : parts) {
            const size_t at =
                fontTable ? (candidate.fontTable ? 0 : std::string::npos) : FirstName(candidate, message);
            if (at < earliest) {
                earliest = at;
                found.clear();
            }
            if (at != std::string::npos && at == earliest) {
                found.push_back(&candidate);
            }
        }
        return found;
    }

    // The text of the Tokenizer's line, from its first character to its last.
    json LineRange(int line) const {
        const TextPositions& positions = document.Positions();
        const std::string& text = document.Text();
        size_t start = line > 0 ? positions.TokenizerLineStart(line) : 0;
        while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
            ++start;
        }
        return document.Range(start, positions.LineContentEnd(start));
    }

    const LspDocument& document;
    const UiSyntaxTree& tree;
    std::vector<Candidate> parts;
    std::map<std::string, int> seen;
};

} // namespace

json PlacedDiagnostics(const LspDocument& document) {
    Placer placer(document);
    json diagnostics = json::array();
    for (const UiDiagnostic& diagnostic : document.report.diagnostics) {
        diagnostics.push_back(placer.Place(diagnostic));
    }
    return diagnostics;
}
