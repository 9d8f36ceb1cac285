#include "uiLoader.h"

#include "InputFile.h"
#include "Log.h"
#include "Logger.h"
#include "Parser.h"
#include "uiStyles.h"

#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <new>

using namespace drev;

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

const FontEntry FONT_ENTRIES[] = {{"Label", 1}, {"Text", 2}, {"Title", 3}, {"Small", 4}, {"Mono", 5}};

// A message formatted as the log formats it, cut at the same length, so that what a load keeps
// of an error reads exactly as its log line.
std::string FormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string FormatMessage(const char* format, ...) {
    char text[Logger::MESSAGE_BUFFER_SIZE];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// A number of a block, through single precision and truncated toward zero; a missing key or
// another kind of value leaves the field alone.
void ReadInt(const Hash& block, const char* key, int& field) {
    float number = 0.0f;
    if (block.GetNumber(key, number)) {
        field = vanui::TruncateToInt(number);
    }
}

// Reads the sections of one UI file from a Tokenizer that stands just after a section's first
// token. Each reader returns false after logging the error that ends the load.
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
    // Logs a problem the Tokenizer's input shows, at the line the Tokenizer has reached. A lexical
    // error is always the first thing wrong: every reader stops at the error token.
    void Report(const char* problem) {
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
            Report(missing);
            return nullptr;
        }
        if (value->Kind() != VALUE_HASH) {
            Report("{ expected");
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
            Log(LOG_TYPE_RECORD, "Warning: invalid entries found in UI file [%s] for uiFontTable ",
                fileName.c_str());
        }
        Log(LOG_TYPE_RECORD, "Loaded an uiFontTable with [%d] valid entries from UI file [%s]", count,
            fileName.c_str());
        return true;
    }

    bool ReadColorTable() {
        std::unique_ptr<Value> table = ReadHashValue("bad ColorTable definition");
        if (!table) {
            return false;
        }
        const int count = loader.FillColorTable(table->AsHash());
        if (count == 0) {
            loader.FailLoad(
                sectionLine,
                FormatMessage("UI file [%s] not correct: problem in ColorTable", fileName.c_str()),
                std::string());
            return false;
        }
        Log(LOG_TYPE_RECORD, "Loaded an uiColortable with [%d] entries from UI file [%s]", count,
            fileName.c_str());
        return true;
    }

    bool ReadItem(const std::string& typeName) {
        if (tokenizer.NextToken() != TOKEN_STRING) {
            Report("widget name expected");
            return false;
        }
        const std::string itemName = tokenizer.TextValue();
        if (tokenizer.NextToken() != TOKEN_STRING) {
            Report("bad parent name for widget");
            return false;
        }
        const std::string parentName = tokenizer.TextValue();
        std::unique_ptr<Value> settings = ReadHashValue("bad widget name");
        if (!settings) {
            return false;
        }
        if (!loader.ParseItem(typeName, itemName, parentName, settings->AsHash())) {
            // ParseItem has logged and kept why it failed.
            loader.FailLoad(sectionLine,
                             FormatMessage("UI file [%s] not correct: problem in item [%s]>[%s:%s]",
                                           fileName.c_str(), parentName.c_str(), itemName.c_str(),
                                           typeName.c_str()),
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

// A child widget for the type codes of uiWindow, uiBevel, uiLabel and uiButton (the button
// clickable); null for any other code. Top-level windows are uiGroup objects.
bool MakesChild(int typeCode) {
    return typeCode == UITYPE_WINDOW || typeCode == UITYPE_BEVEL || typeCode == UITYPE_LABEL ||
           typeCode == UITYPE_BUTTON;
}

} // namespace

bool uiLoader::LoadFile(const std::string& fileName) {
    std::ifstream input;
    if (!vanui::OpenInputFile(input, fileName)) {
        context.loadError = uiLoadError{FormatMessage("The UI file [%s] was not found.", fileName.c_str()), 0, ""};
        Log(LOG_TYPE_CRITICAL, "%s", context.loadError.message.c_str());
        return false;
    }
    return Parse(input, fileName);
}

bool uiLoader::Parse(std::istream& input, const std::string& fileName) {
    context.loadError = uiLoadError();
    Tokenizer tokenizer(input);
    tokenizer.SetQuiet(context.quietLexicalErrors);
    SectionReader reader(*this, tokenizer, fileName);
    while (tokenizer.NextToken() != TOKEN_END) {
        if (!reader.Read()) {
            return false;
        }
    }
    return true;
}

void uiLoader::FailLoad(int line, const std::string& message, const std::string& cause) {
    context.loadError = uiLoadError{message, line, cause};
    Log(LOG_TYPE_ERROR, "%s", message.c_str());
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
        context.colorTable.SetEntry(index, uiColor(rgba[0], rgba[1], rgba[2], rgba[3]));
        ++count;
    }
    return count;
}

bool uiLoader::FillFontTable(const Hash& table, int& count) {
    bool allGood = true;
    count = 0;
    for (const FontEntry& entry : FONT_ENTRIES) {
        std::string fontFile;
        if (table.GetString(entry.key, fontFile) && context.fonts.LoadItem(entry.slot, fontFile)) {
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
bool uiLoader::ParseItem(const std::string& typeName, const std::string& itemName,
                          const std::string& parentName, const Hash& settings) {
    const int code = TypeCode(typeName);
    uiWidget* widget = nullptr;
    if (parentName == ROOT_NAME) {
        if (code == UITYPE_WINDOW) {
            context.windows.push_back(std::make_unique<uiGroup>());
            widget = context.windows.back().get();
        }
    } else {
        uiGroup* window = context.FindWindow(parentName);
        if (window == nullptr) {
            context.loadError.cause = FormatMessage("Parent [%s] of item [%s:%s] not found", parentName.c_str(),
                                            itemName.c_str(), typeName.c_str());
            Log(LOG_TYPE_ERROR, "%s", context.loadError.cause.c_str());
            return false;
        }
        if (MakesChild(code)) {
            widget = window->AddChild(std::make_unique<uiWidget>());
            widget->clickable = code == UITYPE_BUTTON;
        }
    }
    if (widget == nullptr) {
        Log(LOG_TYPE_ERROR, "Item [%s:%s] makes no widget under parent [%s]; item skipped", itemName.c_str(),
            typeName.c_str(), parentName.c_str());
        return true;
    }
    SetUpWidget(*widget, itemName, ReadPlacement(settings));
    SetItemStyle(*widget, settings);
    SetItemAnimation(*widget, settings);
    return true;
}

void uiLoader::SetUpWidget(uiWidget& widget, const std::string& itemName, const uiRectF& placement) {
    widget.name = itemName;
    widget.caption = itemName;
    widget.valueText.SetText(itemName + VALUE_SUFFIX);
    widget.SetRect(placement);
    widget.colorTable = &context.colorTable;
    widget.workColors = &context.workColors;
    widget.context = &context;
}

// A widget made without a Style block takes the default look; a Style that is not a hash
// leaves the look the widget was created with.
void uiLoader::SetItemStyle(uiWidget& widget, const Hash& settings) {
    const Value* block = settings.Find("Style");
    if (block == nullptr) {
        widget.style = UISTYLE_DEFAULT;
    } else if (block->Kind() == VALUE_HASH) {
        ApplyStyle(widget, block->AsHash());
    } else {
        Log(LOG_TYPE_ERROR, "Wrong style parameters for widget [%s]", widget.name.c_str());
    }
}

void uiLoader::SetItemAnimation(uiWidget& widget, const Hash& settings) {
    const Value* block = settings.Find("Animation");
    if (block == nullptr) {
        return;
    }
    if (block->Kind() == VALUE_HASH) {
        ApplyAnimation(widget, block->AsHash());
    } else {
        Log(LOG_TYPE_ERROR, "Wrong animation parameters for widget [%s]", widget.name.c_str());
    }
}

bool uiLoader::ApplyStyle(uiWidget& widget, const Hash& block) {
    ReadInt(block, "Shape", widget.style.Shape);
    ReadInt(block, "Fill", widget.style.Fill);
    ReadInt(block, "Aspect", widget.style.Aspect);
    block.GetBoolean("Contour", widget.style.Contour);
    block.GetBoolean("Border", widget.style.Border);
    // The Style block names the highlight flag DoPath.
    block.GetBoolean("DoPath", widget.style.highlight);
    return true;
}

bool uiLoader::ApplyAnimation(uiWidget& widget, const Hash& block) {
    std::unique_ptr<uiAnimation> animation(new (std::nothrow) uiAnimation());
    if (!animation) {
        Log(LOG_TYPE_CRITICAL, "Memory allocation failure for Animation of widget");
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
