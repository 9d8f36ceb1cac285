#include "LspNavigation.h"

#include "InputFiles.h"
#include "UiPlace.h"

#include <algorithm>
#include <filesystem>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

// SymbolKind of the protocol.
enum SymbolKind { SYMBOL_NAMESPACE = 3, SYMBOL_CLASS = 5, SYMBOL_FIELD = 8 };

const UiKeyInfo* KeyAt(const UiSyntaxTree& tree, const UiPlace& place) {
    switch (place.what) {
    case UiPlace::What::SectionType:
        return FindUiKey(UiBlock::File, tree.TokenText(place.token));
    case UiPlace::What::Key:
        return FindUiKey(place.block, tree.TokenText(place.token));
    case UiPlace::What::Value:
        return FindUiKey(place.block, tree.TokenText(place.key));
    default:
        return nullptr;
    }
}

json Symbol(const LspDocument& document, const UiSection& section, const std::string& name, int kind) {
    const size_t selection = section.name != NO_TOKEN ? section.name : section.type;
    return json{{"name", name},
                {"detail", std::string(document.Tree().TokenText(section.type))},
                {"kind", kind},
                {"range", document.TokenRange(section.type, section.last)},
                {"selectionRange", document.TokenRange(selection, selection)},
                {"children", json::array()}};
}

} // namespace

json HoverAt(const LspDocument& document, size_t offset) {
    const UiSyntaxTree& tree = document.Tree();
    const UiPlace place = PlaceAt(tree, offset);
    const UiKeyInfo* key = place.token == NO_TOKEN ? nullptr : KeyAt(tree, place);
    if (key == nullptr) {
        return nullptr;
    }
    return json{{"contents", json{{"kind", "markdown"}, {"value", DescribeUiKey(*key)}}},
                {"range", document.TokenRange(place.token, place.token)}};
}

json DefinitionAt(const LspDocument& document, size_t offset) {
    const UiSyntaxTree& tree = document.Tree();
    const UiPlace place = PlaceAt(tree, offset);
    if (place.what == UiPlace::What::ParentName && place.token != NO_TOKEN &&
        place.token == place.section->parent) {
        const UiSection* window = tree.FindWindow(tree.ParentName(*place.section));
        if (window == nullptr) {
            return nullptr;
        }
        return json{{"uri", document.Uri()}, {"range", document.TokenRange(window->type, window->parent)}};
    }
    if (place.what == UiPlace::What::Value && place.block == UiBlock::FontTable && place.token != NO_TOKEN &&
        tree.Tokens()[place.token].kind == UiTokenKind::String) {
        // The loader opens this path or none: a folder found there, or an absolute name no file
        // has, leads nowhere.
        const std::string path = FontPathFor(document.FileName(), tree.StringValue(place.token));
        std::error_code failure;
        if (path.empty() || !fs::is_regular_file(path, failure)) {
            return nullptr;
        }
        return json{{"uri", UriFromPath(fs::absolute(path, failure).lexically_normal().string())},
                    {"range", document.Range(0, 0)}};
    }
    return nullptr;
}

// A widget goes under the window the loader attaches it to, the first window of its parent's
// name above it; any other item stands on its own.
json DocumentSymbols(const LspDocument& document) {
    const UiSyntaxTree& tree = document.Tree();
    json symbols = json::array();
    std::vector<std::pair<const UiSection*, size_t>> windowsAbove;
    for (const UiSection& section : tree.Sections()) {
        if (section.kind != UiSectionKind::Item) {
            symbols.push_back(
                Symbol(document, section, std::string(tree.TokenText(section.type)), SYMBOL_NAMESPACE));
            continue;
        }
        if (section.name == NO_TOKEN) {
            continue;
        }
        const std::string name = tree.ItemName(section).empty() ? "\"\"" : tree.ItemName(section);
        const bool window = tree.IsWindow(section);
        const UiSection* parent = window ? nullptr : tree.FindWindow(tree.ParentName(section));
        const auto found = std::find_if(windowsAbove.begin(), windowsAbove.end(),
                                        [parent](const auto& above) { return above.first == parent; });
        if (parent != nullptr && found != windowsAbove.end()) {
            symbols[found->second]["children"].push_back(Symbol(document, section, name, SYMBOL_FIELD));
            continue;
        }
        if (window) {
            windowsAbove.emplace_back(&section, symbols.size());
        }
        symbols.push_back(Symbol(document, section, name, window ? SYMBOL_CLASS : SYMBOL_FIELD));
    }
    return symbols;
}
