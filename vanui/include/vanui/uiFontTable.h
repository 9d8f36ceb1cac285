// The toolkit's six font slots: 0 default only, 1 captions ("Label"), 2 value texts ("Text"),
// 3 "Title", 4 "Small", 5 "Mono". Construction loads "default.krf" into every slot; LoadItem
// then gives single slots fonts of their own. The table owns every font it loaded (the shared
// default once) for its whole life, so replacing a slot never frees or leaks a font; a font
// that failed to load is destroyed at once. Slot(i) is null when the slot holds no font.
//
// Font files are opened by their names, relative to the working directory, unless the table is
// given search folders: a relative name is then looked for in each folder in turn and opened
// where it is first found; a name that no folder holds is reported as a file that can't be
// opened, under the name as given. Every path looked at is remembered, so that a program can
// watch the fonts a UI file asked for.
#pragma once

#include <vanui/uiFont.h>

#include <memory>
#include <string>
#include <vector>

class uiFontTable {
public:
    static constexpr int SLOT_COUNT = 6;

    uiFontTable();
    explicit uiFontTable(std::vector<std::string> searchFolders);
    uiFontTable(const uiFontTable&) = delete;
    uiFontTable& operator=(const uiFontTable&) = delete;

    bool CreateDefault();
    // The caller guarantees 0 <= slot < SLOT_COUNT.
    bool LoadItem(int slot, const std::string& fileName);

    uiFont* Slot(int slot) const { return slots[slot]; }

    // A font read through the table's lookup, owned by the caller; null once a load that failed
    // has been logged.
    std::unique_ptr<uiFont> OpenFont(const std::string& fileName);
    // Every path a lookup has looked at, found or not, each once, in the order first looked at.
    const std::vector<std::string>& TriedPaths() const { return triedPaths; }

private:
    // Like OpenFont; path receives the path the font was read from.
    std::unique_ptr<uiFont> OpenFontAt(const std::string& fileName, std::string& path);
    uiFont* LoadFont(const std::string& fileName, std::string& path);
    // The path fileName opens under; empty when no search folder holds it.
    std::string FindFile(const std::string& fileName);
    void RememberPath(const std::string& path);

    std::vector<std::string> folders;
    std::vector<std::string> triedPaths;
    std::vector<std::unique_ptr<uiFont>> fonts;
    uiFont* slots[SLOT_COUNT] = {};
};
