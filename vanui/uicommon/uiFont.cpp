#include <vanui/uiFont.h>

#include "InputFile.h"
#include "uiFontFileReader.h"
#include "uiReport.h"
#include "uiTextCodes.h"
#include "uiVertexColor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

using vanui::ReportAt;
using vanui::ToDrawColor;

namespace {

const float SLANT_FACTOR = 0.25f;
const float MISSING_BOX_FACTOR = 0.8f;
const uint16_t LAST_CODE = 0xFFFF;

// A zero-sized sheet gives coordinates of 0 instead of a division by zero.
float Ratio(int part, int whole) {
    return whole == 0 ? 0.0f : static_cast<float>(part) / static_cast<float>(whole);
}

// A size in whole pixels at the scale, rounded down; at scale 1, the common case of text in
// widgets, the size itself without the rounding's cost.
float Scaled(int size, float drawScale) {
    const float exact = static_cast<float>(size) * drawScale;
    return drawScale == 1.0f ? exact : std::floor(exact);
}

uiDrawVertex Vertex(float x, float y, float s, float t, const uiDrawColor& color) {
    return uiDrawVertex{x, y, s, t, color};
}

// The four corners of a glyph's quad, w by h pixels from x, y: the top edge moves slant pixels
// to the right, the bottom edge stays.
void WriteGlyphCorners(uiDrawVertex* v, const uiGlyph& glyph, float x, float y, float w, float h, float slant,
                       const uiDrawColor& upper, const uiDrawColor& lower) {
    v[0] = Vertex(x + slant, y, glyph.texLeft, glyph.texTop, upper);
    v[1] = Vertex(x + slant + w, y, glyph.texRight, glyph.texTop, upper);
    v[2] = Vertex(x + w, y + h, glyph.texRight, glyph.texBottom, lower);
    v[3] = Vertex(x, y + h, glyph.texLeft, glyph.texBottom, lower);
}

} // namespace

uiFont::uiFont(const std::string& fileName, uiTextures* textureMaker, const uiMessageSink* sink)
    : textures(textureMaker), messages(sink) {
    loaded = Load(fileName);
}

uiFont::~uiFont() {
    if (texture != 0) {
        textures->Delete(texture);
    }
}

// ==== Reading the font file ====

void uiFont::ReportUnreadableFile(const std::string& fileName, const uiMessageSink* messages) {
    ReportAt(messages, uiSeverity::Error, fileName, 0, "Wrong KORU font file [%s]", fileName.c_str());
}

bool uiFont::Load(const std::string& fileName) {
    std::ifstream in;
    if (!vanui::OpenInputFile(in, fileName, std::ios::binary)) {
        ReportUnreadableFile(fileName, messages);
        return false;
    }
    return ParseFontFile(in, fileName);
}

// The checks and messages are the reader's; the font reports the message and, once the file is
// whole, makes the texture and the glyphs. The file's buffers go with the reader on return.
bool uiFont::ParseFontFile(std::istream& in, const std::string& fileName) {
    uiFontFileReader file;
    const bool whole = file.Read(in, fileName);
    if (file.HasHeader()) {
        TakeHeader(file);
    }
    if (!whole) {
        ReportAt(messages, uiSeverity::Error, fileName, 0, "%s", file.Message().c_str());
        return false;
    }
    if (textures != nullptr && !CreateTexture(file.Sheet(), fileName)) {
        return false;
    }
    BuildGlyphs(file);
    return true;
}

// The metrics and the display name; the name stays even if a later part of the file fails.
void uiFont::TakeHeader(const uiFontFileReader& file) {
    const uiFontFileHeader& header = file.Header();
    texWidth = header.sheetWidth;
    texHeight = header.sheetHeight;
    lineHeight = header.lineHeight;
    nominalWidth = header.nominalWidth;
    name = file.DisplayName();
}

// The backend makes the sheet's texture or says why it did not, and the message names that
// refusal: a sheet larger than its largest texture (both sizes given), no texture name, or an
// upload the GL did not take (with the GL's error).
bool uiFont::CreateTexture(const unsigned char* image, const std::string& fileName) {
    if (image == nullptr) {
        ReportAt(messages, uiSeverity::Critical, fileName, 0,
                 "Image data of uiFont [%s] not available for openGL texture generation.", name.c_str());
        return false;
    }
    uiTextureRefusal refusal;
    texture = textures->Create(uiTextureDesc{texWidth, texHeight, image, uiTextureFilter::Linear}, refusal);
    if (texture != 0) {
        return true;
    }
    switch (refusal.kind) {
    case uiTextureRefusal::TooLarge:
        ReportAt(messages, uiSeverity::Error, fileName, 0,
                 "The glyph sheet of font file [%s] is %dx%d, larger than the largest OpenGL texture (%ux%u)",
                 fileName.c_str(), texWidth, texHeight, refusal.code, refusal.code);
        return false;
    case uiTextureRefusal::NoName:
        ReportAt(messages, uiSeverity::Error, fileName, 0, "Failed to allocate OpenGL texture for uiFont [%s].",
                 name.c_str());
        break;
    case uiTextureRefusal::None:
    case uiTextureRefusal::Refused:
        ReportAt(messages, uiSeverity::Error, fileName, 0,
                 "OpenGL refused the %dx%d glyph sheet of uiFont [%s] (error 0x%04X).", texWidth, texHeight,
                 name.c_str(), refusal.code);
        break;
    }
    ReportAt(messages, uiSeverity::Error, fileName, 0, "Impossible to create openGL texture for uiFont [%s]",
             fileName.c_str());
    return false;
}

// Entries count columns and rows from 1. For a code listed twice the first entry wins.
void uiFont::BuildGlyphs(const uiFontFileReader& file) {
    for (size_t i = 0; i < file.EntryCount(); ++i) {
        const uiFontFileEntry entry = file.Entry(i);
        uiGlyph glyph;
        glyph.width = entry.width;
        glyph.texLeft = Ratio(entry.x - 1, texWidth);
        glyph.texTop = Ratio(entry.y - 1, texHeight);
        glyph.texRight = glyph.texLeft + Ratio(glyph.width, texWidth);
        glyph.texBottom = glyph.texTop + Ratio(lineHeight, texHeight);
        glyphs.emplace(entry.code, glyph);
    }
    for (const auto& [code, glyph] : glyphs) {
        if (code < byteGlyphs.size()) {
            byteGlyphs[code] = glyph;
            hasByteGlyph[code] = true;
        }
    }
}

// ==== Style ====

void uiFont::SetScale(float newScale) {
    scale = newScale;
    if (italic) {
        slant = std::floor(static_cast<float>(lineHeight) * SLANT_FACTOR * scale);
    }
}

void uiFont::SetItalic(bool on) {
    italic = on;
    slant = on ? std::floor(static_cast<float>(lineHeight) * SLANT_FACTOR * scale) : 0.0f;
}

void uiFont::SetSpacing(float factor) {
    spacing = std::floor(static_cast<float>(nominalWidth) * scale * factor);
}

void uiFont::SetUnderline(bool on) {
    underline = on;
}

void uiFont::SetColors(const uiColor* top, const uiColor* bottom) {
    if (top == nullptr) {
        return;
    }
    topColor = top;
    bottomColor = bottom != nullptr ? bottom : top;
}

void uiFont::SetColor(const uiColor* color) {
    SetColors(color, color);
}

// ==== Drawing ====

void uiFont::Bind(uiDrawList& list) {
    if (!loaded || texture == 0) {
        return;
    }
    target = &list;
    target->SetTexture(texture);
}

void uiFont::Unbind() {
    if (target != nullptr) {
        target->SetTexture(0);
    }
    target = nullptr;
}

float uiFont::DrawText(std::string_view text, float x, float y) {
    return DrawTextStyled(text, x, y, scale, topColor, bottomColor);
}

// The codes of a UTF-8 text, or of a Latin-1 text its bytes 0..255 (uiTextCodes.h).
float uiFont::DrawTextStyled(std::string_view text, float x, float y, float drawScale, const uiColor* top,
                             const uiColor* bottom) {
    if (!loaded) {
        return 0.0f;
    }
    const GlyphColors colors = ResolveColors(top != nullptr ? top : topColor, bottom != nullptr ? bottom : bottomColor);
    const vanui::uiTextCodes codes(text);
    float advance = 0.0f;
    if (DrawGlyphRun(codes, x, y, drawScale, colors, advance)) {
        return advance;
    }
    float pen = x;
    for (const uint32_t code : codes) {
        pen = pen + DrawGlyph(code, pen, y, drawScale, colors);
        pen = pen + spacing;
    }
    return pen - x;
}

// The common text, drawn in one go: every character has a glyph, both colours are given and
// nothing is underlined, so the glyphs are quads of one state, one after the other. The corners
// and the pen move exactly as DrawGlyphQuad moves them. False, with nothing drawn, for any other
// text.
bool uiFont::DrawGlyphRun(const vanui::uiTextCodes& codes, float x, float y, float drawScale,
                          const GlyphColors& colors, float& advance) {
    if (target == nullptr || underline || !colors.hasTop || !colors.hasBottom) {
        return false;
    }
    // A text has at most one code a byte, and a run at most the quads of one command.
    const uint32_t mostQuads = uiDrawList::MAX_COMMAND_VERTICES / 4;
    runGlyphs.Clear();
    const uiGlyph** found = runGlyphs.Append(std::min<size_t>(codes.ByteCount(), mostQuads));
    uint32_t count = 0;
    for (const uint32_t code : codes) {
        const uiGlyph* glyph = FindGlyph(code);
        if (glyph == nullptr || count == mostQuads) {
            return false;
        }
        found[count++] = glyph;
    }
    const float h = Scaled(lineHeight, drawScale);
    uiDrawVertex* v = target->AddQuads(count);
    float pen = x;
    for (uint32_t i = 0; i < count; ++i) {
        const uiGlyph& glyph = *found[i];
        const float w = Scaled(glyph.width, drawScale);
        WriteGlyphCorners(v, glyph, pen, y, w, h, slant, colors.top, colors.bottom);
        v += 4;
        pen = pen + w;
        pen = pen + spacing;
    }
    advance = pen - x;
    return true;
}

// The range is cut at the last 16-bit code, which also ends the loop when last is the
// largest unsigned value.
float uiFont::DrawCharRange(unsigned first, unsigned last, float x, float y) {
    if (!loaded) {
        return 0.0f;
    }
    const unsigned end = last < LAST_CODE ? last : LAST_CODE;
    const GlyphColors colors = ResolveColors(topColor, bottomColor);
    float pen = x;
    for (unsigned code = first; code <= end; ++code) {
        pen = pen + DrawGlyph(static_cast<uint16_t>(code), pen, y, scale, colors);
        pen = pen + spacing;
    }
    return pen - x;
}

// A colour given is converted once for the whole text; one not given is the list's current colour
// at each glyph, as a GL's current colour stays when none is sent.
uiFont::GlyphColors uiFont::ResolveColors(const uiColor* top, const uiColor* bottom) {
    GlyphColors colors;
    colors.hasTop = top != nullptr;
    colors.hasBottom = bottom != nullptr;
    colors.top = colors.hasTop ? ToDrawColor(*top) : uiDrawColor();
    colors.bottom = colors.hasBottom ? ToDrawColor(*bottom) : uiDrawColor();
    return colors;
}

// The glyph's quad, or the box of a code without one.
inline float uiFont::DrawGlyph(uint32_t code, float x, float y, float drawScale, const GlyphColors& colors) {
    const uiGlyph* glyph = FindGlyph(code);
    return glyph != nullptr ? DrawGlyphQuad(*glyph, x, y, drawScale, colors) : DrawMissingGlyph(x, y, drawScale, colors);
}

// The glyph's quad, and the line under it when the font underlines.
inline float uiFont::DrawGlyphQuad(const uiGlyph& glyph, float x, float y, float drawScale, const GlyphColors& colors) {
    const float w = Scaled(glyph.width, drawScale);
    if (target == nullptr) {
        return w;
    }
    const float h = Scaled(lineHeight, drawScale);
    const uiDrawColor upper = colors.hasTop ? colors.top : target->CurrentColor();
    const uiDrawColor lower = colors.hasBottom ? colors.bottom : upper;
    uiDrawVertex corners[4];
    WriteGlyphCorners(corners, glyph, x, y, w, h, slant, upper, lower);
    target->AddQuad(corners[0], corners[1], corners[2], corners[3]);
    if (underline) {
        DrawUnderline(x, y, w, h, colors);
    }
    return w;
}

// The box of a code without glyph, untextured; its width is the advance.
float uiFont::DrawMissingGlyph(float x, float y, float drawScale, const GlyphColors& colors) {
    const float b = std::floor(static_cast<float>(nominalWidth) * drawScale * MISSING_BOX_FACTOR);
    const float h = std::floor(static_cast<float>(lineHeight) * drawScale);
    if (target == nullptr) {
        return b;
    }
    const uiDrawColor upper = colors.hasTop ? colors.top : target->CurrentColor();
    const uiDrawColor lower = colors.hasBottom ? colors.bottom : upper;
    const uiDrawVertex corners[4] = {Vertex(x + slant + 1.0f, y + 1.0f, 0.0f, 0.0f, upper),
                                     Vertex(x + slant + b - 1.0f, y + 1.0f, 0.0f, 0.0f, upper),
                                     Vertex(x + b - 1.0f, y + h - 1.0f, 0.0f, 0.0f, lower),
                                     Vertex(x + 1.0f, y + h - 1.0f, 0.0f, 0.0f, lower)};
    DrawUntexturedOutline(corners);
    return b;
}

// On the cell's bottom edge, reaching over the spacing and the slant to the next glyph, in the
// bottom colour.
void uiFont::DrawUnderline(float x, float y, float width, float height, const GlyphColors& colors) {
    const float length = std::floor(width + spacing + slant);
    const float lineY = y + std::floor(height);
    const uiDrawColor colour = colors.hasBottom ? colors.bottom : target->CurrentColor();
    const uint32_t texture = target->Texture();
    target->SetTexture(0);
    target->AddLine(Vertex(x, lineY, 0.0f, 0.0f, colour), Vertex(x + length, lineY, 0.0f, 0.0f, colour));
    target->SetTexture(texture);
}

void uiFont::DrawSheet(float x, float y, float drawScale, bool framed) {
    if (!loaded || target == nullptr) {
        return;
    }
    const float right = x + static_cast<float>(texWidth) * drawScale;
    const float bottom = y + static_cast<float>(texHeight) * drawScale;
    const uiDrawColor colour = target->CurrentColor();
    target->AddQuad(Vertex(x, y, 0.0f, 0.0f, colour), Vertex(right, y, 1.0f, 0.0f, colour),
                    Vertex(right, bottom, 1.0f, 1.0f, colour), Vertex(x, bottom, 0.0f, 1.0f, colour));
    if (!framed) {
        return;
    }
    const uiDrawVertex corners[4] = {Vertex(x - 1.0f, y - 1.0f, 0.0f, 0.0f, colour),
                                     Vertex(right + 1.0f, y - 1.0f, 0.0f, 0.0f, colour),
                                     Vertex(right + 1.0f, bottom + 1.0f, 0.0f, 0.0f, colour),
                                     Vertex(x - 1.0f, bottom + 1.0f, 0.0f, 0.0f, colour)};
    DrawUntexturedOutline(corners);
}

// A closed outline as its four sides, untextured, between the glyphs of the text around it.
void uiFont::DrawUntexturedOutline(const uiDrawVertex (&corners)[4]) {
    const uint32_t texture = target->Texture();
    target->SetTexture(0);
    for (int side = 0; side < 4; ++side) {
        target->AddLine(corners[side], corners[(side + 1) % 4]);
    }
    target->SetTexture(texture);
}

// ==== Measuring ====

int uiFont::GetTextWidth(std::string_view text) {
    if (!loaded) {
        return 0;
    }
    int width = 0;
    for (const uint32_t code : vanui::uiTextCodes(text)) {
        const uiGlyph* glyph = FindGlyph(code);
        width += glyph != nullptr ? glyph->width : 0;
    }
    return width;
}

int uiFont::GetGlyphWidth(uint32_t code) {
    const uiGlyph* glyph = loaded ? FindGlyph(code) : nullptr;
    return glyph != nullptr ? glyph->width : 0;
}

void uiFont::NextLine(float& y) const {
    y = std::floor(static_cast<float>(lineHeight) * scale) + 1.0f + y;
}

int uiFont::GetHeight() const {
    return loaded ? lineHeight : 0;
}

bool uiFont::GetGlyph(uint32_t code, uiGlyph& glyph) {
    const uiGlyph* found = FindGlyph(code);
    if (found == nullptr) {
        return false;
    }
    glyph = *found;
    return true;
}

// Above 255 the latest lookup is tried first. A code above the font's 16-bit codes has no glyph.
const uiGlyph* uiFont::FindGlyphAbove255(uint32_t code) {
    if (code > LAST_CODE) {
        return nullptr;
    }
    if (lastGlyph == glyphs.end() || lastGlyph->first != code) {
        lastGlyph = glyphs.find(code);
    }
    return lastGlyph != glyphs.end() ? &lastGlyph->second : nullptr;
}
