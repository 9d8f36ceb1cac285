#include "FontTestScene.h"

#include <vanui/uiColor.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiFont.h>

#include <string>

namespace {

const uiColor WHITE(1.0f, 1.0f, 1.0f, 1.0f);
const uiColor LIGHT_RED(1.0f, 0.3f, 0.3f, 1.0f);

const uint8_t SHADE = 155;

void DrawBackground(uiDrawList& list) {
    list.AddQuad(uiDrawVertex{0, 0, 0, 0, {SHADE, 0, 0, 255}}, uiDrawVertex{0, 600, 0, 0, {0, SHADE, 0, 255}},
                 uiDrawVertex{800, 600, 0, 0, {0, 0, SHADE, 255}}, uiDrawVertex{800, 0, 0, 0, {0, SHADE, 0, 255}});
}

void DrawLine(uiFont& font, const std::string& text, float x, float& y) {
    font.DrawText(text, x, y);
    font.NextLine(y);
}

} // namespace

void DrawFontTestScene(uiDrawList& list, uiFont& font) {
    DrawBackground(list);

    float x = 10;
    font.Bind(list);
    float y = 10;
    font.SetColor(&WHITE);
    font.SetSpacing(0);
    DrawLine(font, font.Name(), x, y);

    list.SetCurrentColor(uiDrawColor());
    font.DrawSheet(x, 50, 1.0f, false);

    y = 250;
    font.SetScale(1.25f);
    font.SetItalic(true);
    DrawLine(font, "This is a test: scale 1.25, spacing 0.0, italic", x, y);
    font.SetSpacing(0.2f);
    DrawLine(font, "THIS IS A TEST: SCALE 1.25, spacing 0.2, italic", x, y);
    font.SetColors(&WHITE, &LIGHT_RED);
    font.SetScale(2.0f);
    font.SetUnderline(true);
    DrawLine(font, "This is a test: scale 2.0, spacing 0.2, italic", x, y);
    font.SetScale(1.0f);
    font.SetSpacing(0.5f);
    font.SetItalic(false);
    DrawLine(font, "This is a test: scale 1.0, spacing 0.5", x, y);
    font.SetSpacing(0);
    DrawLine(font, "This is a test: scale 1.0, spacing 0.0", x, y);
    font.SetUnderline(false);
    font.SetScale(2.0f);
    DrawLine(font, "This is a test: scale 2.0, spacing 0.0", x, y);
    font.SetColor(&WHITE);
    font.SetScale(0.75f);
    DrawLine(font, "This is a test: scale 0.75, spacing 0.0", x, y);
    font.SetScale(1.0f);
    font.NextLine(y);
    DrawLine(font, "Next rows are Test(): scale 1.0, spacing 0.2", x, y);
    font.NextLine(y);
    font.SetSpacing(0.2f);
    const unsigned rows[][2] = {{0, 50}, {51, 100}, {101, 150}, {151, 200}, {201, 250}};
    for (int i = 0; i < 5; ++i) {
        if (i > 0) {
            font.NextLine(y);
        }
        font.DrawCharRange(rows[i][0], rows[i][1], x, y);
    }
    font.Unbind();
}
