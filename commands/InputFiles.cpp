#include "InputFiles.h"

#include "DataFolders.h"
#include "Parser.h"

#include <filesystem>
#include <fstream>
#include <memory>

using namespace drev;
namespace fs = std::filesystem;

namespace {

const char* const FONT_TABLE_SECTION = "uiFontTable";
const char* const DEFAULT_FONT = "default.krf";

} // namespace

std::string FontPath(const std::vector<std::string>& folders, const std::string& name) {
    if (name.empty() || fs::path(name).is_absolute()) {
        return name;
    }
    for (const std::string& folder : folders) {
        const std::string path = (fs::path(folder) / name).string();
        std::error_code ignored;
        if (fs::exists(path, ignored)) {
            return path;
        }
    }
    return std::string();
}

std::string FontPathFor(const std::string& uiFile, const std::string& name) {
    return FontPath(FontFoldersFor(uiFile), name);
}

std::vector<std::string> FontTableNames(std::istream& text) {
    std::vector<std::string> names;
    Tokenizer tokenizer(text);
    tokenizer.SetErrorListener([](const LexicalError&) {});
    Parser parser(tokenizer);
    int depth = 0;
    for (int kind; (kind = tokenizer.NextToken()) != TOKEN_END && kind != TOKEN_ERROR;) {
        if (kind == TOKEN_OPEN_BRACE || kind == TOKEN_OPEN_BRACKET) {
            ++depth;
        } else if (kind == TOKEN_CLOSE_BRACE || kind == TOKEN_CLOSE_BRACKET) {
            --depth;
        } else if (depth == 0 && kind == TOKEN_NAME && tokenizer.TextValue() == FONT_TABLE_SECTION) {
            const std::unique_ptr<Value> table = parser.ReadValue();
            if (table && table->Kind() == VALUE_HASH) {
                for (const auto& entry : table->AsHash()) {
                    if (entry.second->Kind() == VALUE_STRING) {
                        names.push_back(entry.second->AsString());
                    }
                }
            }
        }
    }
    return names;
}

std::vector<NamedFile> InputFiles(const std::string& file, InputKind kind) {
    if (kind == InputKind::Font) {
        return {{"the font", file}};
    }
    std::vector<NamedFile> inputs{{"the UI file", file}};
    const std::vector<std::string> folders = FontFoldersFor(file);
    std::vector<std::string> names{DEFAULT_FONT};
    std::ifstream text(file, std::ios::binary);
    const std::vector<std::string> named = FontTableNames(text);
    names.insert(names.end(), named.begin(), named.end());
    for (const std::string& name : names) {
        const std::string path = FontPath(folders, name);
        if (!path.empty()) {
            inputs.push_back({"the font", path});
        }
    }
    return inputs;
}
