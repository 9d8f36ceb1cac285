// The toolkit's six font slots (uiFontSlot): 0 the default only, 1 captions ("Label"), 2 value
// texts ("Text"), 3 "Title", 4 "Small", 5 "Mono". Construction loads "default.krf" into every
// slot; LoadItem then gives single slots fonts of their own. The table owns every font it loaded
// (the shared default once) for its whole life, so replacing a slot never frees or leaks a font;
// a font that failed to load is destroyed at once. Slot(i) is null when the slot holds no font.
// A slot outside 0..5 is refused with one message.
//
// Font files are opened by their names, relative to the working directory, unless the table is
// given search folders: a relative name is then looked for in each folder in turn and opened
// where it is first found; a name that no folder holds is reported as a file that can't be
// opened, under the name as given. Every path looked at is remembered, so that a program can
// watch the fonts a UI file asked for. The fonts make their textures through the texture
// interface and report to the sink the table was given (both borrowed; see uiFont.h).
#pragma once

#include <vanui/uiFont.h>

#include <memory>
#include <string>
#include <vector>

enum uiFontSlot : int {
    UIFONT_DEFAULT = 0,
    UIFONT_LABEL = 1,
    UIFONT_TEXT = 2,
    UIFONT_TITLE = 3,
    UIFONT_SMALL = 4,
    UIFONT_MONO = 5,
};

class uiFontTable {
public:
    static constexpr int SLOT_COUNT = 6;

    explicit uiFontTable(std::vector<std::string> searchFolders = {}, uiTextures* textures = nullptr,
                         const uiMessageSink* messages = nullptr);
    uiFontTable(const uiFontTable&) = delete;
    uiFontTable& operator=(const uiFontTable&) = delete;

    // Loads the font into the slot; false (slot kept) when the slot is outside the table or the
    // font does not load.
    bool LoadItem(int slot, const std::string& fileName);

    // The slot's font; null for an empty slot or one outside the table.
    uiFont* Slot(int slot) const;

    // A font read through the table's lookup, owned by the caller; null once a load that failed
    // has been reported.
    std::unique_ptr<uiFont> OpenFont(const std::string& fileName);
    // Every path a lookup has looked at, found or not, each once, in the order first looked at.
    const std::vector<std::string>& TriedPaths() const { return triedPaths; }

private:
    bool CreateDefault();
    // Like OpenFont; path receives the path the font was read from.
    std::unique_ptr<uiFont> OpenFontAt(const std::string& fileName, std::string& path);
    uiFont* LoadFont(const std::string& fileName, std::string& path);
    // The path fileName opens under; empty when no search folder holds it.
    std::string FindFile(const std::string& fileName);
    void RememberPath(const std::string& path);

    std::vector<std::string> folders;
    uiTextures* textures = nullptr;
    const uiMessageSink* messages = nullptr;
    std::vector<std::string> triedPaths;
    std::vector<std::unique_ptr<uiFont>> fonts;
    uiFont* slots[SLOT_COUNT] = {};
};
