#include "UiSyntaxTree.h"

#include "Parser.h"

#include <algorithm>

const char* const ROOT_WINDOW_PARENT = "Application";

namespace {

const char* const FONT_TABLE = "uiFontTable";
const char* const COLOR_TABLE = "uiColorTable";
const char* const WINDOW_TYPE = "uiWindow";

} // namespace

UiSyntaxTree::UiSyntaxTree(std::string source) : text(std::move(source)), tokens(ScanUiSource(text)) {
    ReadSections();
}

std::string_view UiSyntaxTree::TokenText(size_t token) const {
    if (token >= tokens.size()) {
        return std::string_view();
    }
    return std::string_view(text).substr(tokens[token].offset, tokens[token].length);
}

bool UiSyntaxTree::IsName(size_t token, std::string_view name) const {
    return token < tokens.size() && tokens[token].kind == UiTokenKind::Name && TokenText(token) == name;
}

std::string UiSyntaxTree::StringValue(size_t token) const {
    if (token >= tokens.size() || tokens[token].kind != UiTokenKind::String) {
        return std::string();
    }
    const std::string_view quoted = TokenText(token);
    std::string value;
    for (size_t at = 1; at + 1 < quoted.size(); ++at) {
        if (quoted[at] == '\\') {
            ++at;
            value += quoted[at] == 'n' ? '\n' : quoted[at];
        } else {
            value += quoted[at];
        }
    }
    return value;
}

bool UiSyntaxTree::IsWindow(const UiSection& section) const {
    return section.kind == UiSectionKind::Item && IsName(section.type, WINDOW_TYPE) &&
           section.name != NO_TOKEN && section.parent != NO_TOKEN &&
           ParentName(section) == ROOT_WINDOW_PARENT;
}

const UiSection* UiSyntaxTree::FindWindow(const std::string& name) const {
    for (const UiSection& section : sections) {
        if (IsWindow(section) && ItemName(section) == name) {
            return &section;
        }
    }
    return nullptr;
}

// A token the offset lies inside is taken first, then one that ends at it (a word being
// typed), then one that starts at it.
size_t UiSyntaxTree::TokenAt(size_t offset) const {
    const auto after = std::upper_bound(tokens.begin(), tokens.end(), offset,
                                        [](size_t at, const UiToken& token) { return at < token.offset; });
    const size_t next = static_cast<size_t>(after - tokens.begin());
    if (next > 0) {
        const UiToken& token = tokens[next - 1];
        if (token.offset < offset && offset <= token.End()) {
            return next - 1;
        }
        if (token.offset == offset) {
            if (next >= 2 && tokens[next - 2].End() == offset) {
                return next - 2;
            }
            return next - 1;
        }
    }
    return NO_TOKEN;
}

size_t UiSyntaxTree::Significant(size_t at) const {
    while (at < tokens.size() && tokens[at].kind == UiTokenKind::Comment) {
        ++at;
    }
    return at;
}

// ---- Sections ----

void UiSyntaxTree::ReadSections() {
    size_t at = Significant(0);
    while (at < tokens.size()) {
        UiSection section;
        section.type = at;
        section.last = at;
        // Any other token starts an item, as in the loader, but a lexical error stops it there.
        if (tokens[at].kind == UiTokenKind::Error) {
            complete = false;
        }
        const bool fontTable = IsName(at, FONT_TABLE);
        section.kind = fontTable                 ? UiSectionKind::FontTable
                       : IsName(at, COLOR_TABLE) ? UiSectionKind::ColorTable
                                                 : UiSectionKind::Item;
        at = Significant(at + 1);
        if (section.kind == UiSectionKind::Item) {
            for (size_t* header : {&section.name, &section.parent}) {
                if (at < tokens.size() && tokens[at].kind == UiTokenKind::String) {
                    *header = at;
                    section.last = at;
                    at = Significant(at + 1);
                } else {
                    complete = false;
                }
            }
        }
        section.value = ReadValue(at, 0);
        if (section.value.kind != UiValueKind::Hash) {
            complete = false;
        }
        if (section.value.last != NO_TOKEN) {
            section.last = section.value.last;
        }
        sections.push_back(std::move(section));
    }
}

// ---- Values ----

namespace {

bool IsBoolean(std::string_view name) {
    return name == "true" || name == "false";
}

} // namespace

UiValue UiSyntaxTree::ReadValue(size_t& at, int depth) {
    UiValue value;
    if (at < tokens.size()) {
        const UiTokenKind kind = tokens[at].kind;
        if (kind == UiTokenKind::Number || kind == UiTokenKind::String ||
            (kind == UiTokenKind::Name && IsBoolean(TokenText(at)))) {
            value.kind = UiValueKind::Scalar;
            value.first = value.last = at;
            at = Significant(at + 1);
            return value;
        }
        if ((kind == UiTokenKind::OpenBrace || kind == UiTokenKind::OpenBracket) &&
            depth < drev::Parser::MAX_DEPTH) {
            ReadInto(value, at, depth + 1);
            return value;
        }
    }
    complete = false;
    return value;
}

// An array or hash from its opening bracket. A token that has no place in it is skipped, but
// a closing mark of the other kind, and in a hash what can only be the next item's header (a
// name and two strings), end it as left open, so that one missing bracket does not swallow
// the rest of the file.
void UiSyntaxTree::ReadInto(UiValue& value, size_t& at, int depth) {
    const bool hash = tokens[at].kind == UiTokenKind::OpenBrace;
    const UiTokenKind close = hash ? UiTokenKind::CloseBrace : UiTokenKind::CloseBracket;
    const UiTokenKind otherClose = hash ? UiTokenKind::CloseBracket : UiTokenKind::CloseBrace;
    value.kind = hash ? UiValueKind::Hash : UiValueKind::Array;
    value.first = value.last = at;
    at = Significant(at + 1);
    for (;;) {
        if (at >= tokens.size() || tokens[at].kind == otherClose) {
            complete = false;
            return;
        }
        if (tokens[at].kind == close) {
            value.last = at;
            value.closed = true;
            at = Significant(at + 1);
            return;
        }
        if (hash && tokens[at].kind == UiTokenKind::Name) {
            const size_t name = Significant(at + 1);
            const size_t parent = Significant(name + 1);
            if (name < tokens.size() && parent < tokens.size() && tokens[name].kind == UiTokenKind::String &&
                tokens[parent].kind == UiTokenKind::String) {
                complete = false;
                return;
            }
            UiEntry entry;
            entry.key = value.last = at;
            at = name;
            entry.value = ReadValue(at, depth);
            if (entry.value.last != NO_TOKEN) {
                value.last = entry.value.last;
            }
            value.entries.push_back(std::move(entry));
            continue;
        }
        if (!hash) {
            UiValue element = ReadValue(at, depth);
            if (element.kind != UiValueKind::Missing) {
                value.last = element.last;
                value.elements.push_back(std::move(element));
                continue;
            }
        }
        complete = false;
        value.last = at;
        at = Significant(at + 1);
    }
}
