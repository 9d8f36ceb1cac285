// A texture font read from a KORU font file (.krf): a 256-byte header, a table of character
// cells and an 8-bit coverage image that becomes the alpha of one texture.
//
// The constructor reads the file and asks the backend's texture interface for the texture of its
// sheet (which may need the backend's graphics context current); the font deletes it through the
// same interface, which must outlive the font. A font made without a texture interface is read
// and measures text, but draws nothing. The constructor never fails as such: IsLoaded tells
// whether the load worked, and a font that failed is a valid object on which every drawing and
// measuring operation does nothing and returns 0. Each failure is reported once, naming the file,
// to the sink the font was given (standard error without one).
//
// Drawing: set the colours (and any style), Bind to a draw list, draw any number of strings,
// Unbind. What is drawn is appended to that list (glyph quads with the font's texture, boxes and
// underlines untextured), which the caller submits with blending on, as the backends do.
// Positions are window pixels, y growing downwards; a text position is the top-left corner of
// its first cell.
// A text is read as UTF-8 when it is valid UTF-8 holding a byte above 127, and otherwise as
// Latin-1, each byte one code 0..255; either way it is drawn and measured character by
// character. Codes the font has no glyph for, those above 65535 included, draw as
// missing-glyph boxes and measure 0. The style (scale, italic, underline, spacing, colours)
// persists until changed; slant and spacing are whole pixels computed at the scale current
// when they were set. Colours are borrowed and must outlive their use on the font.
#pragma once

#include <vanui/uiColor.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiGlyph.h>
#include <vanui/uiMessage.h>
#include <vanui/uiTexture.h>

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>

class uiFontFileReader;
namespace vanui {
class uiTextCodes;
}

class uiFont {
public:
    // textures and messages are borrowed.
    explicit uiFont(const std::string& fileName, uiTextures* textures = nullptr,
                    const uiMessageSink* messages = nullptr);
    ~uiFont();
    uiFont(const uiFont&) = delete;
    uiFont& operator=(const uiFont&) = delete;

    // The message of a font file that can't be opened, for a caller that finds out before
    // constructing a font (a lookup in folders that found nothing).
    static void ReportUnreadableFile(const std::string& fileName, const uiMessageSink* messages);

    bool IsLoaded() const { return loaded; }
    // The display name: the header's font name, then " <size> <W>x<H>".
    const std::string& Name() const { return name; }

    // Draws into the list from now on, with the font's texture; the list must outlive the
    // drawing until Unbind. A font that is not loaded, or has no texture, binds nothing and draws
    // nothing.
    void Bind(uiDrawList& list);
    void Unbind();

    void SetScale(float newScale);
    void SetItalic(bool on);
    void SetSpacing(float factor);
    void SetUnderline(bool on);
    // A null top changes nothing; a null bottom means the top colour for both.
    void SetColors(const uiColor* top, const uiColor* bottom);
    void SetColor(const uiColor* color);

    // Each returns the pen advance, spacing after the last glyph included.
    float DrawText(std::string_view text, float x, float y);
    // Null colours mean the font's own.
    float DrawTextStyled(std::string_view text, float x, float y, float drawScale, const uiColor* top,
                         const uiColor* bottom);
    // Codes first to last inclusive on one line; codes above 65535 are never drawn.
    float DrawCharRange(unsigned first, unsigned last, float x, float y);
    // The whole glyph sheet in the list's current colour, optionally with a frame one pixel
    // outside.
    void DrawSheet(float x, float y, float drawScale, bool framed);

    // Sum of glyph widths at scale 1; codes without a glyph count 0.
    int GetTextWidth(std::string_view text);
    int GetGlyphWidth(uint32_t code);
    // Moves y down by one line at the current scale (by 1 on a font that is not loaded).
    void NextLine(float& y) const;
    int GetHeight() const;

    bool GetGlyph(uint32_t code, uiGlyph& glyph);
    size_t GetGlyphCount() const { return glyphs.size(); }

    uiTextureId GetTexture() const { return texture; }
    int GetTexWidth() const { return texWidth; }
    int GetTexHeight() const { return texHeight; }
    int GetNominalWidth() const { return nominalWidth; }
    float GetScale() const { return scale; }
    bool IsItalic() const { return italic; }
    float GetSlant() const { return slant; }
    bool IsUnderlined() const { return underline; }
    float GetSpacing() const { return spacing; }

private:
    using GlyphMap = std::map<uint16_t, uiGlyph>;

    bool Load(const std::string& fileName);
    bool ParseFontFile(std::istream& in, const std::string& fileName);
    void TakeHeader(const uiFontFileReader& file);
    bool CreateTexture(const unsigned char* image, const std::string& fileName);
    void BuildGlyphs(const uiFontFileReader& file);

    // The glyph of a code, or null; inline for codes 0..255, the codes of nearly every text.
    const uiGlyph* FindGlyph(uint32_t code) {
        if (code < byteGlyphs.size()) {
            return hasByteGlyph[code] ? &byteGlyphs[code] : nullptr;
        }
        return FindGlyphAbove255(code);
    }
    const uiGlyph* FindGlyphAbove255(uint32_t code);
    // The colours of a text's glyphs (uiDrawList.h's), each converted once; one that is not
    // there is the list's current colour at each glyph.
    struct GlyphColors {
        bool hasTop = false;
        bool hasBottom = false;
        uiDrawColor top;
        uiDrawColor bottom;
    };
    static GlyphColors ResolveColors(const uiColor* top, const uiColor* bottom);
    bool DrawGlyphRun(const vanui::uiTextCodes& codes, float x, float y, float drawScale, const GlyphColors& colors,
                      float& advance);
    float DrawGlyph(uint32_t code, float x, float y, float drawScale, const GlyphColors& colors);
    float DrawGlyphQuad(const uiGlyph& glyph, float x, float y, float drawScale, const GlyphColors& colors);
    float DrawMissingGlyph(float x, float y, float drawScale, const GlyphColors& colors);
    void DrawUnderline(float x, float y, float width, float height, const GlyphColors& colors);
    void DrawUntexturedOutline(const uiDrawVertex (&corners)[4]);

    uiTextures* textures = nullptr;
    const uiMessageSink* messages = nullptr;
    std::string name;
    bool loaded = false;
    uiTextureId texture = 0;
    int texWidth = 0;
    int texHeight = 0;
    int lineHeight = 0;
    int nominalWidth = 0;
    float scale = 1.0f;
    bool italic = false;
    float slant = 0.0f;
    bool underline = false;
    float spacing = 0.0f;
    uiDrawList* target = nullptr;
    const uiColor* topColor = nullptr;
    const uiColor* bottomColor = nullptr;
    GlyphMap glyphs;
    GlyphMap::const_iterator lastGlyph = glyphs.end();
    // A copy of the glyph of every code 0..255, the codes of Latin-1 text and of most Latin
    // letters, so that drawing and measuring text neither searches the map nor follows a node
    // glyph after glyph; hasByteGlyph tells the codes that have one.
    std::array<uiGlyph, 256> byteGlyphs{};
    std::array<bool, 256> hasByteGlyph{};
    // The glyphs of the text DrawGlyphRun draws, each looked up once; the room stays from text
    // to text.
    uiDrawBuffer<const uiGlyph*> runGlyphs;
};
