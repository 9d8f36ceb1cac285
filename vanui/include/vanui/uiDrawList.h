// What the toolkit draws in a frame, recorded instead of sent: vertices (position, texture
// coordinate and colour, all floats) and commands (a primitive over a run of vertices, with
// the state it is drawn in: a texture or none, a line stipple, blending). Widgets, fonts and a
// program's own scene code append to a list in painting order; a backend (uiGLBackend) or the
// program itself submits it. Consecutive primitives that share their state and whose kind can
// be joined (quads, triangles, separate lines) are merged into one command.
//
// Ownership and lifetime: the list owns its buffers and keeps their capacity across Clear, so a
// frame like the last allocates nothing. It borrows nothing; textures are the handles a backend's uiTextures gave.
// Order of calls per frame: Clear, append (SetTexture and SetLineStipple change the state of what
// follows), submit. One thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct uiDrawColor {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
};

struct uiDrawVertex {
    float x = 0.0f;
    float y = 0.0f;
    float s = 0.0f;
    float t = 0.0f;
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
};

// The primitives a command draws. Quads are four vertices each, in their drawing order (top
// left, top right, bottom right, bottom left for a rectangle); a line loop is one closed loop.
enum class uiPrimitive : uint8_t { Lines, LineLoop, Triangles, Quads };

// The state a command is drawn in. A texture of 0 draws untextured; the texture's alpha is
// multiplied into the vertex colours (modulate). A stipple pattern of 0 draws solid lines.
struct uiDrawState {
    uint32_t texture = 0;
    uint16_t stipplePattern = 0;
    uint16_t stippleFactor = 1;
    bool blend = true;

    bool operator==(const uiDrawState& other) const {
        return texture == other.texture && stipplePattern == other.stipplePattern &&
               stippleFactor == other.stippleFactor && blend == other.blend;
    }
    bool operator!=(const uiDrawState& other) const { return !(*this == other); }
};

struct uiDrawCommand {
    uiPrimitive primitive = uiPrimitive::Quads;
    uiDrawState state;
    uint32_t firstVertex = 0;
    uint32_t vertexCount = 0;
};

class uiDrawList {
public:
    // Empties the list and resets its state (no texture, no stipple, blending, current colour
    // white); the buffers keep their capacity.
    void Clear();

    // The state of the primitives appended from now on.
    void SetTexture(uint32_t texture) { state.texture = texture; }
    uint32_t Texture() const { return state.texture; }
    void SetLineStipple(uint16_t factor, uint16_t pattern);
    void ClearLineStipple() { state.stipplePattern = 0; }

    // The colour of the last vertex appended, or the one set here if set since: what a
    // primitive drawn "in the current colour" takes, as a GL's current colour would give it.
    void SetCurrentColor(float r, float g, float b, float a);
    uiDrawColor CurrentColor() const {
        if (vertices.size() > currentSetAt) {
            const uiDrawVertex& last = vertices.back();
            return uiDrawColor{last.r, last.g, last.b, last.a};
        }
        return current;
    }

    void AddQuad(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2, const uiDrawVertex& v3) {
        Extend(uiPrimitive::Quads, 4, true);
        vertices.push_back(v0);
        vertices.push_back(v1);
        vertices.push_back(v2);
        vertices.push_back(v3);
    }
    void AddTriangle(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2);
    void AddLine(const uiDrawVertex& from, const uiDrawVertex& to);
    // A closed loop through count vertices; never merged with another.
    void AddLineLoop(const uiDrawVertex* vertices, size_t count);

    const std::vector<uiDrawVertex>& Vertices() const { return vertices; }
    const std::vector<uiDrawCommand>& Commands() const { return commands; }

private:
    // Counts the vertices about to be appended into the last command when it can take them (the
    // same primitive and state, joinable), else into a new one. Inline: glyphs call it per quad.
    void Extend(uiPrimitive primitive, uint32_t count, bool joinable) {
        if (joinable && !commands.empty() && commands.back().primitive == primitive && commands.back().state == state) {
            commands.back().vertexCount += count;
        } else {
            StartCommand(primitive, count);
        }
    }
    void StartCommand(uiPrimitive primitive, uint32_t count);

    std::vector<uiDrawVertex> vertices;
    std::vector<uiDrawCommand> commands;
    uiDrawState state;
    uiDrawColor current;
    // The vertex count when the current colour was last set.
    size_t currentSetAt = 0;
};
