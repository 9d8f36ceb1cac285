#include "ErrorBand.h"

#include "UiTestScene.h"
#include <vanui/uiColor.h>
#include <vanui/uiFont.h>

#include <vanui/uiDrawList.h>

#include <vector>

namespace {

const int MARGIN = 4;
const int HEIGHT_WITHOUT_TEXT = 8;
// The font keeps a pointer to its colour, so the colour lives as long as the program.
const uiColor WHITE(1.0f, 1.0f, 1.0f, 1.0f);

// The text cut at blanks into lines that fit the picture's width; a word longer than a line
// stands alone and runs over the edge.
std::vector<std::string> WrapLines(uiFont& font, const std::string& text) {
    const int width = UI_TEST_WIDTH - 2 * MARGIN;
    std::vector<std::string> lines{std::string()};
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        std::string& line = lines.back();
        const std::string joined = line.empty() ? word : line + " " + word;
        if (line.empty() || font.GetTextWidth(joined) <= width) {
            line = joined;
        } else {
            lines.push_back(word);
        }
        start = end + 1;
    }
    return lines;
}

int HeightOf(const uiFont* font, size_t lineCount) {
    return font != nullptr && font->IsLoaded()
               ? static_cast<int>(lineCount) * font->GetHeight() + 2 * MARGIN
               : HEIGHT_WITHOUT_TEXT;
}

} // namespace

void DrawErrorBand(uiDrawList& list, uiFont* font, const std::string& text) {
    const bool withText = font != nullptr && font->IsLoaded();
    const std::vector<std::string> lines = withText ? WrapLines(*font, text) : std::vector<std::string>();
    const float top = static_cast<float>(UI_TEST_HEIGHT - HeightOf(font, lines.size()));
    const float right = static_cast<float>(UI_TEST_WIDTH);
    const float bottom = static_cast<float>(UI_TEST_HEIGHT);
    const uiDrawColor red = uiDrawColor::FromReals(0.75f, 0.05f, 0.05f, 1);
    list.AddQuad(uiDrawVertex{0, top, 0, 0, red}, uiDrawVertex{right, top, 0, 0, red}, uiDrawVertex{right, bottom, 0, 0, red},
                 uiDrawVertex{0, bottom, 0, 0, red});
    if (!withText) {
        return;
    }
    font->Bind(list);
    font->SetColor(&WHITE);
    float y = top + static_cast<float>(MARGIN);
    for (const std::string& line : lines) {
        font->DrawText(line, static_cast<float>(MARGIN), y);
        y += static_cast<float>(font->GetHeight());
    }
    font->Unbind();
}
