#include <vanui/uiFontTable.h>

#include "uiReport.h"

#include <filesystem>
#include <new>

namespace {

const char* const DEFAULT_FONT_FILE = "default.krf";

} // namespace

uiFontTable::uiFontTable(std::vector<std::string> searchFolders, uiTextures* textureMaker,
                         const uiMessageSink* sink)
    : folders(std::move(searchFolders)), textures(textureMaker), messages(sink) {
    if (!CreateDefault()) {
        vanui::Report(messages, uiSeverity::Critical,
                      "Unable to create the default font table. Probably the file [default.uif] is missing.");
    }
}

bool uiFontTable::CreateDefault() {
    std::string path;
    uiFont* font = LoadFont(DEFAULT_FONT_FILE, path);
    if (font == nullptr) {
        return false;
    }
    for (uiFont*& slot : slots) {
        slot = font;
    }
    return true;
}

// The font that held the slot before stays owned by the table.
bool uiFontTable::LoadItem(int slot, const std::string& fileName) {
    if (slot < 0 || slot >= SLOT_COUNT) {
        vanui::Report(messages, uiSeverity::Error, "Font table slot [%d] does not exist (0 to %d); font [%s] not loaded",
                      slot, SLOT_COUNT - 1, fileName.c_str());
        return false;
    }
    std::string path;
    uiFont* font = LoadFont(fileName, path);
    if (font == nullptr) {
        return false;
    }
    slots[slot] = font;
    vanui::ReportAt(messages, uiSeverity::Info, path, 0, "Item [%d] of uiFonTable for [%s] loaded successfully.",
                    slot, path.c_str());
    return true;
}

uiFont* uiFontTable::Slot(int slot) const {
    if (slot < 0 || slot >= SLOT_COUNT) {
        vanui::Report(messages, uiSeverity::Error, "Font table slot [%d] does not exist (0 to %d)", slot,
                      SLOT_COUNT - 1);
        return nullptr;
    }
    return slots[slot];
}

// A loaded font joins the fonts the table owns.
uiFont* uiFontTable::LoadFont(const std::string& fileName, std::string& path) {
    std::unique_ptr<uiFont> font = OpenFontAt(fileName, path);
    if (!font) {
        return nullptr;
    }
    fonts.push_back(std::move(font));
    return fonts.back().get();
}

std::unique_ptr<uiFont> uiFontTable::OpenFont(const std::string& fileName) {
    std::string path;
    return OpenFontAt(fileName, path);
}

std::unique_ptr<uiFont> uiFontTable::OpenFontAt(const std::string& fileName, std::string& path) {
    path = FindFile(fileName);
    if (path.empty()) {
        uiFont::ReportUnreadableFile(fileName, messages);
        return nullptr;
    }
    std::unique_ptr<uiFont> font(new (std::nothrow) uiFont(path, textures, messages));
    if (!font || !font->IsLoaded()) {
        return nullptr;
    }
    return font;
}

// A file that exists but can't be read (a directory, no permission) is found here and refused
// by the font with its path in the message.
std::string uiFontTable::FindFile(const std::string& fileName) {
    const std::filesystem::path name(fileName);
    if (folders.empty() || name.is_absolute() || fileName.empty()) {
        RememberPath(fileName);
        return fileName;
    }
    for (const std::string& folder : folders) {
        const std::string path = (std::filesystem::path(folder) / name).string();
        RememberPath(path);
        std::error_code ignored;
        if (std::filesystem::exists(path, ignored)) {
            return path;
        }
    }
    return std::string();
}

void uiFontTable::RememberPath(const std::string& path) {
    for (const std::string& known : triedPaths) {
        if (known == path) {
            return;
        }
    }
    triedPaths.push_back(path);
}
