#include "uiLoader.h"

#include "InputFile.h"
#include "Parser.h"
#include "uiRectMath.h"
#include "uiReport.h"
#include "uiStyles.h"

#include <fstream>
#include <new>

using namespace drev;
using vanui::FormatMessage;

namespace {

// The parent name of top-level windows; the tree's root is not an object.
const char* const ROOT_NAME = "Application";
const char* const VALUE_SUFFIX = "::val";

struct TypeName {
    const char* text;
    int code;
};

const TypeName TYPE_NAMES[] = {
    {"uiColorTable", UITYPE_COLORTABLE},
    {"uiFontTable", UITYPE_FONTTABLE},
    {"uiWindow", UITYPE_WINDOW},
    {"uiBevel", UITYPE_BEVEL},
    {"uiLabel", UITYPE_LABEL},
    {"uiButton", UITYPE_BUTTON},
    {"uiText", UITYPE_TEXT},
};

struct FontEntry {
    const char* key;
    int slot;
};

const FontEntry FONT_ENTRIES[] = {
    {"Label", UIFONT_LABEL}, {"Text", UIFONT_TEXT}, {"Title", UIFONT_TITLE}, {"Small", UIFONT_SMALL}, {"Mono", UIFONT_MONO},
};

// A number of a block, through single precision and truncated toward zero; a missing key or
// another kind of value leaves the field alone.
void ReadInt(const Hash& block, const char* key, int& field) {
    float number = 0.0f;
    if (block.GetNumber(key, number)) {
        field = vanui::TruncateToInt(number);
    }
}

// Reads the sections of one UI file from a Tokenizer that stands just after a section's first
// token. Each reader returns false after reporting the error that ends the load.
class SectionReader {
public:
    SectionReader(uiLoader& loader, Tokenizer& tokenizer, const std::string& fileName)
        : loader(loader), tokenizer(tokenizer), parser(tokenizer), fileName(fileName) {}

    bool Read() {
        sectionLine = tokenizer.TokenLine();
        const std::string typeName =
            tokenizer.TokenKind() == TOKEN_NAME ? tokenizer.TextValue() : std::string();
        switch (uiLoader::TypeCode(typeName)) {
        case UITYPE_FONTTABLE:
            return ReadFontTable();
        case UITYPE_COLORTABLE:
            return ReadColorTable();
        default:
            return ReadItem(typeName);
        }
    }

private:
    // Reports a problem the Tokenizer's input shows, at the line the Tokenizer has reached. A
    // lexical error is always the first thing wrong: every reader stops at the error token.
    void Fail(const char* problem) {
        const LexicalError& lexical = tokenizer.LastError();
        loader.FailLoad(tokenizer.LineNumber(),
                        FormatMessage("UI file [%s] not correct: Tokenizer reports %s at line [%d]",
                                      fileName.c_str(), problem, tokenizer.LineNumber()),
                        lexical.problem == LexicalProblem::None ? std::string() : lexical.Reason());
    }

    // The section's hash, or null after reporting missing (no value at all) or a value of
    // another kind. The caller releases it once the section is applied.
    std::unique_ptr<Value> ReadHashValue(const char* missing) {
        std::unique_ptr<Value> value = parser.ReadValue();
        if (!value) {
            Fail(missing);
            return nullptr;
        }
        if (value->Kind() != VALUE_HASH) {
            Fail("{ expected");
            return nullptr;
        }
        return value;
    }

    bool ReadFontTable() {
        std::unique_ptr<Value> table = ReadHashValue("bad FontTable definition");
        if (!table) {
            return false;
        }
        int count = 0;
        if (!loader.FillFontTable(table->AsHash(), count)) {
            loader.Report(uiSeverity::Warning, sectionLine,
                          FormatMessage("Warning: invalid entries found in UI file [%s] for uiFontTable ",
                                        fileName.c_str()));
        }
        loader.Report(uiSeverity::Info, sectionLine,
                      FormatMessage("Loaded an uiFontTable with [%d] valid entries from UI file [%s]", count,
                                    fileName.c_str()));
        return true;
    }

    bool ReadColorTable() {
        std::unique_ptr<Value> table = ReadHashValue("bad ColorTable definition");
        if (!table) {
            return false;
        }
        const int count = loader.FillColorTable(table->AsHash());
        if (count == 0) {
            loader.FailLoad(sectionLine,
                            FormatMessage("UI file [%s] not correct: problem in ColorTable", fileName.c_str()),
                            std::string());
            return false;
        }
        loader.Report(uiSeverity::Info, sectionLine,
                      FormatMessage("Loaded an uiColortable with [%d] entries from UI file [%s]", count,
                                    fileName.c_str()));
        return true;
    }

    bool ReadItem(const std::string& typeName) {
        if (tokenizer.NextToken() != TOKEN_STRING) {
            Fail("widget name expected");
            return false;
        }
        const std::string itemName = tokenizer.TextValue();
        if (tokenizer.NextToken() != TOKEN_STRING) {
            Fail("bad parent name for widget");
            return false;
        }
        const std::string parentName = tokenizer.TextValue();
        std::unique_ptr<Value> settings = ReadHashValue("bad widget name");
        if (!settings) {
            return false;
        }
        if (!loader.ParseItem(typeName, itemName, parentName, settings->AsHash(), sectionLine)) {
            // ParseItem has reported and kept why it failed.
            loader.FailLoad(sectionLine,
                            FormatMessage("UI file [%s] not correct: problem in item [%s]>[%s:%s]", fileName.c_str(),
                                          parentName.c_str(), itemName.c_str(), typeName.c_str()),
                            loader.Cause());
            return false;
        }
        return true;
    }

    uiLoader& loader;
    Tokenizer& tokenizer;
    Parser parser;
    const std::string& fileName;
    // The line of the current section's first token: problems found once its value has been
    // read are reported there.
    int sectionLine = 0;
};

uiRectF ReadPlacement(const Hash& settings) {
    uiRectF placement;
    settings.GetNumber("Left", placement.Left);
    settings.GetNumber("Top", placement.Top);
    settings.GetNumber("Width", placement.Width);
    settings.GetNumber("Height", placement.Height);
    return placement;
}

// uiWindow, uiBevel, uiLabel and uiButton (clickable) make children of a window.
bool MakesChild(int typeCode) {
    return typeCode == UITYPE_WINDOW || typeCode == UITYPE_BEVEL || typeCode == UITYPE_LABEL ||
           typeCode == UITYPE_BUTTON;
}

} // namespace

bool uiLoader::LoadFile(const std::string& name) {
    std::ifstream input;
    if (!vanui::OpenInputFile(input, name)) {
        fileName = name;
        error = uiLoadError{FormatMessage("The UI file [%s] was not found.", name.c_str()), 0, ""};
        Report(uiSeverity::Critical, 0, error.message);
        return false;
    }
    return Parse(input, name);
}

bool uiLoader::Parse(std::istream& input, const std::string& name) {
    fileName = name;
    error = uiLoadError();
    Tokenizer tokenizer(input);
    tokenizer.SetErrorListener([this](const LexicalError& lexical) {
        vanui::Deliver(target.messages, uiMessage{uiSeverity::Error, lexical.Message(), fileName, lexical.line, true});
    });
    SectionReader reader(*this, tokenizer, fileName);
    while (tokenizer.NextToken() != TOKEN_END) {
        if (!reader.Read()) {
            return false;
        }
    }
    return true;
}

void uiLoader::FailLoad(int line, const std::string& message, const std::string& cause) {
    error = uiLoadError{message, line, cause};
    Report(uiSeverity::Error, line, message);
}

void uiLoader::Report(uiSeverity severity, int line, const std::string& text) const {
    vanui::Deliver(target.messages, uiMessage{severity, text, fileName, line, false});
}

int uiLoader::TypeCode(const std::string& typeName) {
    for (const TypeName& type : TYPE_NAMES) {
        if (typeName == type.text) {
            return type.code;
        }
    }
    return UITYPE_NONE;
}

int uiLoader::FillColorTable(const Hash& table) {
    int count = 0;
    for (int index = 0; index < uiColorTable::ENTRY_COUNT; ++index) {
        float rgba[4];
        if (!table.GetVector4(uiColorTable::EntryName(index), rgba)) {
            return 0;
        }
        target.colors.SetEntry(index, uiColor(rgba[0], rgba[1], rgba[2], rgba[3]));
        ++count;
    }
    return count;
}

bool uiLoader::FillFontTable(const Hash& table, int& count) {
    bool allGood = true;
    count = 0;
    for (const FontEntry& entry : FONT_ENTRIES) {
        std::string fontFile;
        if (table.GetString(entry.key, fontFile) && target.fonts.LoadItem(entry.slot, fontFile)) {
            ++count;
        } else {
            allGood = false;
        }
    }
    return allGood;
}

// Only a window can be a parent, so a parent name is looked up among the top-level windows.
// An item of a kind that has no widget at its place (a non-window under the root, a uiText or
// an unknown type under a window) is skipped: none of its settings is read.
bool uiLoader::ParseItem(const std::string& typeName, const std::string& itemName, const std::string& parentName,
                         const Hash& settings, int line) {
    const int code = TypeCode(typeName);
    uiWidgetNode* widget = nullptr;
    if (parentName == ROOT_NAME) {
        if (code == UITYPE_WINDOW) {
            target.windows.push_back(std::make_unique<uiWidgetNode>(itemName, false));
            widget = target.windows.back().get();
        }
    } else {
        uiWidgetNode* window = vanui::FindWindow(target.windows, parentName);
        if (window == nullptr) {
            error.cause = FormatMessage("Parent [%s] of item [%s:%s] not found", parentName.c_str(), itemName.c_str(),
                                        typeName.c_str());
            Report(uiSeverity::Error, line, error.cause);
            return false;
        }
        if (MakesChild(code)) {
            widget = window->AddChild(std::make_unique<uiWidgetNode>(itemName, code == UITYPE_BUTTON));
        }
    }
    if (widget == nullptr) {
        Report(uiSeverity::Error, line,
               FormatMessage("Item [%s:%s] makes no widget under parent [%s]; item skipped", itemName.c_str(),
                             typeName.c_str(), parentName.c_str()));
        return true;
    }
    widget->sourceLine = line;
    if (target.echoInput) {
        widget->valueText.SetText(itemName + VALUE_SUFFIX);
    }
    widget->SetRect(ReadPlacement(settings));
    SetItemStyle(*widget, settings, line);
    SetItemAnimation(*widget, settings, line);
    return true;
}

// A widget made without a Style block takes the default look; a Style that is not a hash
// leaves the look the widget was created with.
void uiLoader::SetItemStyle(uiWidgetNode& widget, const Hash& settings, int line) {
    const Value* block = settings.Find("Style");
    if (block == nullptr) {
        widget.style = UISTYLE_DEFAULT;
    } else if (block->Kind() == VALUE_HASH) {
        ApplyStyle(widget, block->AsHash());
    } else {
        Report(uiSeverity::Error, line, FormatMessage("Wrong style parameters for widget [%s]", widget.name.c_str()));
    }
}

void uiLoader::SetItemAnimation(uiWidgetNode& widget, const Hash& settings, int line) {
    const Value* block = settings.Find("Animation");
    if (block == nullptr) {
        return;
    }
    if (block->Kind() == VALUE_HASH) {
        ApplyAnimation(widget, block->AsHash());
    } else {
        Report(uiSeverity::Error, line,
               FormatMessage("Wrong animation parameters for widget [%s]", widget.name.c_str()));
    }
}

void uiLoader::ApplyStyle(uiWidgetNode& widget, const Hash& block) {
    ReadInt(block, "Shape", widget.style.Shape);
    ReadInt(block, "Fill", widget.style.Fill);
    ReadInt(block, "Aspect", widget.style.Aspect);
    block.GetBoolean("Contour", widget.style.Contour);
    block.GetBoolean("Border", widget.style.Border);
    // The Style block names the highlight flag DoPath.
    block.GetBoolean("DoPath", widget.style.highlight);
}

bool uiLoader::ApplyAnimation(uiWidgetNode& widget, const Hash& block) {
    std::unique_ptr<uiAnimation> animation(new (std::nothrow) uiAnimation());
    if (!animation) {
        vanui::Report(target.messages, uiSeverity::Critical, "Memory allocation failure for Animation of widget");
        return false;
    }
    ReadInt(block, "Wait", animation->Wait);
    ReadInt(block, "Duration", animation->Duration);
    block.GetBoolean("DoFade", animation->DoFade);
    ReadInt(block, "Type", animation->Type);
    block.GetBoolean("DoPath", animation->DoPath);
    block.GetNumber("StartX", animation->StartX);
    block.GetNumber("StartY", animation->StartY);
    widget.animation = std::move(animation);
    return true;
}
