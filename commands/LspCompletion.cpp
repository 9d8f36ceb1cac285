#include "LspCompletion.h"

#include "DataFolders.h"
#include "InputKind.h"
#include "UiPlace.h"

#include <filesystem>
#include <set>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

// CompletionItemKind of the protocol.
enum CompletionKind {
    KIND_PROPERTY = 10,
    KIND_VALUE = 12,
    KIND_KEYWORD = 14,
    KIND_COLOR = 16,
    KIND_FILE = 17,
    KIND_REFERENCE = 18
};

json Documented(json item, const UiKeyInfo& key) {
    item["documentation"] = json{{"kind", "markdown"}, {"value", DescribeUiKey(key)}};
    return item;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return quoted + "\"";
}

class Completion {
public:
    // The token at the place is being typed when the cursor is past its start.
    Completion(const LspDocument& document, size_t offset)
        : document(document), tree(document.Tree()), place(PlaceAt(tree, offset)),
          typed(place.token != NO_TOKEN && offset > tree.Tokens()[place.token].offset ? place.token
                                                                                      : NO_TOKEN) {}

    json Items() {
        switch (place.what) {
        case UiPlace::What::SectionType:
            for (const UiKeyInfo* key : UiKeysOf(UiBlock::File)) {
                items.push_back(Documented(json{{"label", key->name}, {"kind", KIND_KEYWORD}}, *key));
            }
            break;
        case UiPlace::What::ParentName:
            ParentNames();
            break;
        case UiPlace::What::Key:
            Keys();
            break;
        case UiPlace::What::Value:
            Values();
            break;
        case UiPlace::What::ItemName:
        case UiPlace::What::Nothing:
            break;
        }
        return json{{"isIncomplete", false}, {"items", items}};
    }

private:
    void ParentNames() {
        std::set<std::string> names{ROOT_WINDOW_PARENT};
        AddString(ROOT_WINDOW_PARENT, "the root: makes a top-level window", KIND_REFERENCE);
        for (const UiSection& section : tree.Sections()) {
            if (&section == place.section) {
                break;
            }
            const std::string name = tree.ItemName(section);
            if (tree.IsWindow(section) && names.insert(name).second) {
                AddString(name, "a window defined above", KIND_REFERENCE);
            }
        }
    }

    void Keys() {
        std::set<std::string_view> present;
        if (place.hash != nullptr) {
            for (const UiEntry& entry : place.hash->entries) {
                if (entry.key != typed) {
                    present.insert(tree.TokenText(entry.key));
                }
            }
        }
        for (const UiKeyInfo* key : UiKeysOf(place.block)) {
            if (present.count(key->name) == 0) {
                const int kind = key->kind == UiKeyKind::Color ? KIND_COLOR : KIND_PROPERTY;
                items.push_back(Documented(json{{"label", key->name}, {"kind", kind}}, *key));
            }
        }
    }

    void Values() {
        const UiKeyInfo* key = FindUiKey(place.block, tree.TokenText(place.key));
        if (key == nullptr) {
            return;
        }
        if (key->kind == UiKeyKind::Boolean) {
            for (const char* value : {"true", "false"}) {
                items.push_back(json{{"label", value}, {"kind", KIND_VALUE}});
            }
        } else if (key->kind == UiKeyKind::FontFile) {
            FontFiles();
        }
    }

    // The fonts the loader would find: in the UI file's folder first, then the shipped ones.
    void FontFiles() {
        std::set<std::string> names;
        for (const std::string& folder : FontFoldersFor(document.FileName())) {
            std::error_code failure;
            for (fs::directory_iterator file(folder.empty() ? "." : folder, failure), end;
                 !failure && file != end; file.increment(failure)) {
                const std::string name = file->path().filename().string();
                if (InputKindOf(name) == InputKind::Font && names.insert(name).second) {
                    AddString(name, folder.empty() ? "the working folder" : folder, KIND_FILE);
                }
            }
        }
    }

    // A string item: inside a string being typed it replaces the string's text, elsewhere it
    // brings its quotes.
    void AddString(const std::string& text, const std::string& detail, int kind) {
        json item{{"label", text}, {"kind", kind}, {"detail", detail}};
        const std::string quoted = Quoted(text);
        const std::string_view string = tree.TokenText(typed);
        if (!string.empty() && string.front() == '"') {
            const size_t start = tree.Tokens()[typed].offset + 1;
            const bool closed = string.size() >= 2 && string.back() == '"';
            const size_t end = start + string.size() - (closed ? 2 : 1);
            item["textEdit"] =
                json{{"range", document.Range(start, end)}, {"newText", quoted.substr(1, quoted.size() - 2)}};
        } else {
            item["insertText"] = quoted;
        }
        items.push_back(std::move(item));
    }

    const LspDocument& document;
    const UiSyntaxTree& tree;
    const UiPlace place;
    const size_t typed;
    json items = json::array();
};

} // namespace

json CompletionAt(const LspDocument& document, size_t offset) {
    return Completion(document, offset).Items();
}
