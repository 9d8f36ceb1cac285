#include "FontRasterizer.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace {

// FreeType positions are 26.6 fixed point.
int CeilPixels(FT_Pos value) {
    return value >= 0 ? static_cast<int>((value + 63) / 64) : -static_cast<int>(-value / 64);
}

int FloorPixels(FT_Pos value) {
    return -CeilPixels(-value);
}

// FreeType's own error texts, built from its error list.
// clang-format off
#undef FTERRORS_H_
#define FT_ERROR_START_LIST {
#define FT_ERRORDEF(e, v, s) {e, s},
#define FT_ERROR_END_LIST {0, nullptr}}
const struct {
    FT_Error code;
    const char* text;
} FREETYPE_ERRORS[] =
#include FT_ERRORS_H
;
// clang-format on

std::string FreeTypeMessage(FT_Error code) {
    for (const auto& error : FREETYPE_ERRORS) {
        if (error.code == code && error.text != nullptr) {
            return error.text;
        }
    }
    return "FreeType error " + std::to_string(code);
}

} // namespace

FontRasterizer::~FontRasterizer() {
    if (face_ != nullptr) {
        FT_Done_Face(face_);
    }
    if (library_ != nullptr) {
        FT_Done_FreeType(library_);
    }
}

FontOpen FontRasterizer::Open(const std::string& path, int pixelSize, std::string& error) {
    FT_Error code = FT_Init_FreeType(&library_);
    if (code != 0) {
        error = "cannot start FreeType: " + FreeTypeMessage(code);
        return FontOpen::NOT_USABLE;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot open font file \"" + path + "\": " + std::strerror(errno);
        return FontOpen::CANNOT_READ;
    }
    std::fclose(file);
    code = FT_New_Face(library_, path.c_str(), 0, &face_);
    if (code != 0) {
        face_ = nullptr;
        error = "\"" + path + "\" is not a font file FreeType can read: " + FreeTypeMessage(code);
        return FontOpen::NOT_USABLE;
    }
    if (!FT_IS_SCALABLE(face_)) {
        error = "font file \"" + path + "\" has no outlines to render at any size";
        return FontOpen::NOT_USABLE;
    }
    code = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
    if (code != 0) {
        error = "cannot set font \"" + path + "\" to " + std::to_string(pixelSize) +
                " pixels: " + FreeTypeMessage(code);
        return FontOpen::NOT_USABLE;
    }
    return FontOpen::OPENED;
}

std::string FontRasterizer::FamilyName() const {
    return face_->family_name != nullptr ? face_->family_name : "";
}

std::string FontRasterizer::StyleName() const {
    return face_->style_name != nullptr ? face_->style_name : "";
}

int FontRasterizer::Ascender() const {
    return CeilPixels(face_->size->metrics.ascender);
}

int FontRasterizer::LineHeight() const {
    return Ascender() - FloorPixels(face_->size->metrics.descender);
}

bool FontRasterizer::HasGlyph(std::uint32_t code) const {
    return FT_Get_Char_Index(face_, code) != 0;
}

bool FontRasterizer::Render(std::uint32_t code, RenderedGlyph& glyph, std::string& error) const {
    // Embedded bitmaps are skipped so every glyph comes from its outline as grey coverage.
    const FT_Error result = FT_Load_Char(face_, code, FT_LOAD_RENDER | FT_LOAD_NO_BITMAP);
    if (result != 0) {
        error = "cannot render character " + std::to_string(code) + ": " + FreeTypeMessage(result);
        return false;
    }
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows > 0 && bitmap.width > 0) {
        error = "character " + std::to_string(code) + " did not render as grey coverage";
        return false;
    }
    glyph.advance = slot->advance.x > 0 ? static_cast<int>((slot->advance.x + 32) / 64) : 0;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);

    // A negative pitch means the rows are stored bottom row first.
    const std::ptrdiff_t pitch = bitmap.pitch;
    const unsigned char* topRow = bitmap.buffer;
    if (pitch < 0) {
        topRow += (glyph.rows - 1) * -pitch;
    }
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* source = topRow + row * pitch;
        for (int column = 0; column < glyph.width; ++column) {
            glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column] = source[column];
        }
    }
    return true;
}
