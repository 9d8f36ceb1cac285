// What the toolkit draws in a frame, recorded instead of sent: vertices (position and texture
// coordinate as floats, colour as four bytes: 20 bytes a vertex), 16-bit indices into them, and commands
// (indexed triangles, separate lines or one closed line loop, with the state they are drawn in: a texture or
// none, a line stipple, blending). Widgets, fonts and a program's own scene code append to a list in painting
// order; a backend (uiGLBackend, uiGLShaderBackend) or the program itself submits it. A quad becomes two
// triangles. Consecutive primitives that share their state and kind are merged into one command (line loops
// never are), as long as its vertices fit 16-bit indices.
//
// A command's indices count from its vertexOffset: vertex i of a command is
// Vertices()[vertexOffset + Indices()[firstIndex + k]]. Ownership and lifetime: the list owns
// its buffers and keeps their capacity across Clear, so a frame like the last allocates nothing.
// It borrows nothing; textures are the handles a backend's uiTextures gave. Order of calls per
// frame: Clear, append (SetTexture and SetLineStipple change the state of what follows), submit.
// One thread.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A vertex's colour: red, green, blue and alpha in 256 steps each (255 is 1.0).
struct uiDrawColor {
    uint8_t r = 255;
    uint8_t g = 255;
    uint8_t b = 255;
    uint8_t a = 255;

    // Each real rounded to the nearest step; below 0 is 0 and above 1 is 1 (as a GL clamps a
    // colour), a value that is not a number 0.
    static uiDrawColor FromReals(float red, float green, float blue, float alpha) {
        return uiDrawColor{Step(red), Step(green), Step(blue), Step(alpha)};
    }
    static uint8_t Step(float value) {
        // The comparisons are written so that a value that is not a number comes out as 0.
        const float clamped = std::min(1.0f, std::max(0.0f, value));
        return static_cast<uint8_t>(clamped * 255.0f + 0.5f);
    }
    bool operator==(const uiDrawColor& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const uiDrawColor& other) const { return !(*this == other); }
};

struct uiDrawVertex {
    float x = 0.0f;
    float y = 0.0f;
    float s = 0.0f;
    float t = 0.0f;
    uiDrawColor color;
};

using uiDrawIndex = uint16_t;

// The primitives a command draws: triangles of three indices each, lines of two, or one closed
// loop through all its indices (a stipple runs on along it, as the GL 1.1 stipple does).
enum class uiPrimitive : uint8_t { Triangles, Lines, LineLoop };

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
    uiPrimitive primitive = uiPrimitive::Triangles;
    uiDrawState state;
    // The vertex that index 0 names.
    uint32_t vertexOffset = 0;
    uint32_t firstIndex = 0;
    uint32_t indexCount = 0;
};

// A growing array of plain elements, as a draw list keeps its vertices and indices: appending
// leaves the new elements for the caller to write (no element is initialised twice in the hot
// path of text), and Clear keeps the capacity. Read it like a vector.
template <typename T> class uiDrawBuffer {
public:
    uiDrawBuffer() = default;
    uiDrawBuffer(const uiDrawBuffer& other) { *this = other; }
    uiDrawBuffer& operator=(const uiDrawBuffer& other) {
        if (this != &other) {
            count = 0;
            std::copy(other.begin(), other.end(), Append(other.count));
        }
        return *this;
    }

    size_t size() const { return count; }
    size_t capacity() const { return room; }
    bool empty() const { return count == 0; }
    const T* data() const { return items.get(); }
    const T* begin() const { return items.get(); }
    const T* end() const { return items.get() + count; }
    const T& operator[](size_t index) const { return items[index]; }
    const T& back() const { return items[count - 1]; }

    // Room for n more elements at the end, which the caller writes; valid until the next Append.
    T* Append(size_t n) {
        if (room - count < n) {
            Grow(count + n);
        }
        T* at = items.get() + count;
        count += n;
        return at;
    }
    void Clear() { count = 0; }

private:
    // At least twice the room, so that appending one at a time costs little.
    void Grow(size_t needed) {
        const size_t larger = needed > 2 * room ? needed : 2 * room;
        std::unique_ptr<T[]> moved(new T[larger]);
        std::copy(begin(), end(), moved.get());
        items = std::move(moved);
        room = larger;
    }

    std::unique_ptr<T[]> items;
    size_t count = 0;
    size_t room = 0;
};

class uiDrawList {
public:
    // The most vertices one command's indices can name.
    static constexpr uint32_t MAX_COMMAND_VERTICES = 65536;

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
    void SetCurrentColor(const uiDrawColor& color);
    uiDrawColor CurrentColor() const {
        return vertices.size() > currentSetAt ? vertices.back().color : current;
    }

    // The corners in drawing order (top left, top right, bottom right, bottom left for a
    // rectangle); the triangles are (v0, v1, v2) and (v0, v2, v3), as Mesa draws a GL_QUADS quad.
    void AddQuad(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2,
                 const uiDrawVertex& v3) {
        const uiDrawIndex base = Extend(uiPrimitive::Triangles, 4, 6, true);
        uiDrawVertex* v = vertices.Append(4);
        v[0] = v0;
        v[1] = v1;
        v[2] = v2;
        v[3] = v3;
        WriteQuadIndices(indices.Append(6), base);
    }
    // Room for count quads of the current state in one go (at most MAX_COMMAND_VERTICES / 4):
    // their indices are written, and the caller writes the 4 x count corners, each quad's in
    // AddQuad's order. Valid until the next append. No quads add no command.
    uiDrawVertex* AddQuads(uint32_t count);
    void AddTriangle(const uiDrawVertex& v0, const uiDrawVertex& v1, const uiDrawVertex& v2);
    void AddLine(const uiDrawVertex& from, const uiDrawVertex& to);
    // A closed loop through count vertices (at most MAX_COMMAND_VERTICES; more are left out);
    // never merged with another. No vertices add no command.
    void AddLineLoop(const uiDrawVertex* vertices, size_t count);

    const uiDrawBuffer<uiDrawVertex>& Vertices() const { return vertices; }
    const uiDrawBuffer<uiDrawIndex>& Indices() const { return indices; }
    const std::vector<uiDrawCommand>& Commands() const { return commands; }

private:
    // Counts the vertices and indices about to be appended into the last command when it can
    // take them (the same primitive and state, joinable, room for the vertices), else into a new
    // one, which goes on counting from the last one's first vertex while 16-bit indices reach;
    // returns the index the first new vertex will have. Appending nothing (an empty text, a loop
    // of no vertices) leaves the commands as they are. Inline: glyphs call it per quad.
    uiDrawIndex Extend(uiPrimitive primitive, uint32_t vertexCount, uint32_t indexCount, bool joinable) {
        if (vertexCount == 0) {
            return 0;
        }
        if (!commands.empty()) {
            uiDrawCommand& last = commands.back();
            const size_t base = vertices.size() - last.vertexOffset;
            if (base + vertexCount <= MAX_COMMAND_VERTICES) {
                if (joinable && last.primitive == primitive && last.state == state) {
                    last.indexCount += indexCount;
                } else {
                    StartCommand(primitive, indexCount, last.vertexOffset);
                }
                return static_cast<uiDrawIndex>(base);
            }
        }
        StartCommand(primitive, indexCount, static_cast<uint32_t>(vertices.size()));
        return 0;
    }
    void StartCommand(uiPrimitive primitive, uint32_t indexCount, uint32_t vertexOffset);
    // The two triangles of the quad whose corners are first to first + 3.
    static void WriteQuadIndices(uiDrawIndex* index, uiDrawIndex first) {
        index[0] = first;
        index[1] = static_cast<uiDrawIndex>(first + 1);
        index[2] = static_cast<uiDrawIndex>(first + 2);
        index[3] = first;
        index[4] = static_cast<uiDrawIndex>(first + 2);
        index[5] = static_cast<uiDrawIndex>(first + 3);
    }
    void AppendIndices(uiDrawIndex base, uint32_t count);

    uiDrawBuffer<uiDrawVertex> vertices;
    uiDrawBuffer<uiDrawIndex> indices;
    std::vector<uiDrawCommand> commands;
    uiDrawState state;
    uiDrawColor current;
    // The vertex count when the current colour was last set.
    size_t currentSetAt = 0;
};
