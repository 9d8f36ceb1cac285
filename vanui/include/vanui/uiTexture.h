// Textures as the toolkit sees them: a handle it was given. The core never calls a graphics API;
// when a font needs its coverage sheet on the GPU it describes the texture and asks the program's
// backend for it (uiTextures), and its draw list names the handle it got back. A backend for
// another graphics API implements uiTextures and reads the handles in the commands it submits.
//
// Ownership: the object that asked for a texture deletes it through the same uiTextures, which
// must outlive it. One thread, the one that owns the graphics context.
#pragma once

#include <cstdint>

// 0 is no texture: what is drawn with it is untextured.
using uiTextureId = uint32_t;

enum class uiTextureFilter : uint8_t { Linear, Nearest };

// A coverage texture: width x height bytes, row after row from the top, no padding; a byte is
// the texture's alpha, to be multiplied into the vertex colour (and its colour is white).
struct uiTextureDesc {
    int width = 0;
    int height = 0;
    const unsigned char* coverage = nullptr;
    uiTextureFilter filter = uiTextureFilter::Linear;
};

// Why a backend refused a texture, for the toolkit's message.
struct uiTextureRefusal {
    enum Kind { None, TooLarge, NoName, Refused } kind = None;
    // The backend's own code (a GL error) for Refused; the largest side it takes for TooLarge.
    unsigned code = 0;
};

class uiTextures {
public:
    virtual ~uiTextures() = default;
    // A new texture with the coverage; 0, with the reason, when the backend can't make it.
    virtual uiTextureId Create(const uiTextureDesc& desc, uiTextureRefusal& refusal) = 0;
    // Replaces the whole content of a texture of the same size; false when it can't.
    virtual bool Update(uiTextureId texture, const uiTextureDesc& desc) = 0;
    // Deleting 0 does nothing.
    virtual void Delete(uiTextureId texture) = 0;
};
