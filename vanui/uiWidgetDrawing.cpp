#include "uiWidgetDrawing.h"

#include "uiRectMath.h"
#include "uiVertexColor.h"
#include <vanui/uiFont.h>

#include <cstdint>
#include <initializer_list>

namespace vanui {

namespace {

const float DARK_SHADE = 0.8f;
const float BRIGHT_SHADE = 1.2f;
const float CONTOUR_INSET = 6.0f;
const uint16_t CONTOUR_PATTERN = 0xCCCC;

// Fonts keep the colours they are given, so these outlive every text call.
const uiColor CAPTION_SHADOW(0.0f, 0.0f, 0.0f, 1.0f);
uiColor lentTextColor;

struct Point {
    float x;
    float y;
};

struct ShadedVertex {
    float x;
    float y;
    const uiDrawColor* color;
};

// The boxes as drawing coordinates: outer x1..y2, inner xa..yb, the frame widths g and h and
// the inner box's midpoints xm, ym for the band fills.
struct Geometry {
    float x1, y1, x2, y2;
    float xa, ya, xb, yb;
    float g, h;
    float xm, ym;
};

// ==== Box arithmetic ====

// One axis of the outer box: stretching shrinks it about its centre, rolling keeps the low
// edge and cuts the high one. A factor of exactly 1 leaves the box whole.
void PlaceAxis(double origin, float start, float size, float stretch, float roll, int32_t& low,
               int32_t& high) {
    low = TruncateToInt(origin + start + (size - static_cast<double>(stretch) * size) / 2.0);
    high = TruncateToInt(low + static_cast<double>(stretch) * size);
    if (roll != 1.0f) {
        high = TruncateToInt(high - (1.0 - roll) * size);
    }
}

int32_t Inset(int32_t edge, double by) {
    return TruncateToInt(edge + by);
}

// Half the distance between two edges, truncated; taken wide so no edges can overflow it.
float HalfSpan(int32_t low, int32_t high) {
    return static_cast<float>((static_cast<int64_t>(high) - low) / 2);
}

Geometry ToGeometry(const uiWidgetBoxes& boxes) {
    const uiRectI& outer = boxes.outer;
    const uiRectI& inner = boxes.inner;
    Geometry w;
    w.x1 = static_cast<float>(outer.x1);
    w.y1 = static_cast<float>(outer.y1);
    w.x2 = static_cast<float>(outer.x2);
    w.y2 = static_cast<float>(outer.y2);
    w.xa = static_cast<float>(inner.x1);
    w.ya = static_cast<float>(inner.y1);
    w.xb = static_cast<float>(inner.x2);
    w.yb = static_cast<float>(inner.y2);
    w.g = boxes.bevel;
    w.h = boxes.half;
    w.xm = w.xa + HalfSpan(inner.x1, inner.x2);
    w.ym = w.ya + HalfSpan(inner.y1, inner.y2);
    return w;
}

// ==== Primitives ====
// Everything a widget draws is untextured and appended to the frame's draw list in painting
// order. Strips, polygons and rectangles become quads of the same corners: the software
// renderer splits each into the same two triangles either way, so the picture stays the same
// while consecutive quads join one command.

uiDrawVertex Corner(const Point& point, const uiDrawColor& color) {
    return uiDrawVertex{point.x, point.y, 0.0f, 0.0f, color};
}

// A quad strip of the points in their strip order: quad i is points 2i, 2i+1, 2i+3, 2i+2.
void Strip(uiDrawList& list, const uiDrawColor& color, std::initializer_list<Point> points) {
    const Point* p = points.begin();
    for (size_t i = 0; i + 3 < points.size(); i += 2) {
        list.AddQuad(Corner(p[i], color), Corner(p[i + 1], color), Corner(p[i + 3], color), Corner(p[i + 2], color));
    }
}

void FilledRect(uiDrawList& list, const uiDrawColor& color, float left, float top, float right, float bottom) {
    list.AddQuad(Corner({left, top}, color), Corner({right, top}, color), Corner({right, bottom}, color),
                 Corner({left, bottom}, color));
}

// A quadrilateral whose colours smooth shading blends between its corners.
void ShadedQuad(uiDrawList& list, const ShadedVertex (&v)[4]) {
    list.AddQuad(Corner({v[0].x, v[0].y}, *v[0].color), Corner({v[1].x, v[1].y}, *v[1].color),
                 Corner({v[2].x, v[2].y}, *v[2].color), Corner({v[3].x, v[3].y}, *v[3].color));
}

// A closed outline through the four points, as its four sides.
void Outline(uiDrawList& list, const uiDrawColor& color, const Point (&points)[4]) {
    for (int side = 0; side < 4; ++side) {
        list.AddLine(Corner(points[side], color), Corner(points[(side + 1) % 4], color));
    }
}

// ==== Frames ====

// Raised and sunken: the first colour covers bottom and right, the second top and left.
void DrawBevel(uiDrawList& list, const Geometry& w, const uiDrawColor& bottomRight, const uiDrawColor& topLeft) {
    Strip(list, bottomRight, {{w.xa, w.yb}, {w.x1, w.y2}, {w.xb, w.yb}, {w.x2, w.y2}, {w.xb, w.ya}, {w.x2, w.y1}});
    Strip(list, topLeft, {{w.xb, w.ya}, {w.x2, w.y1}, {w.xa, w.ya}, {w.x1, w.y1}, {w.xa, w.yb}, {w.x1, w.y2}});
}

// A light ring offset by h, with dark lines along the outer top and left and the inner bottom
// and right, so the frame reads as a groove cut around the widget.
void DrawGroove(uiDrawList& list, const Geometry& w, const uiDrawColor& light, const uiDrawColor& dark) {
    const float h = w.h;
    Strip(list, light, {{w.xa, w.yb + h},
                  {w.x1 + h, w.y2},
                  {w.xb + h, w.yb + h},
                  {w.x2, w.y2},
                  {w.xb + h, w.ya},
                  {w.x2, w.y1 + h},
                  {w.xa, w.ya},
                  {w.x1 + h, w.y1 + h},
                  {w.xa, w.yb + h},
                  {w.x1 + h, w.y2}});
    Strip(list, dark,
        {{w.x2, w.y1 + h}, {w.x2, w.y1}, {w.x1 + h, w.y1 + h}, {w.x1, w.y1}, {w.x1 + h, w.y2}, {w.x1, w.y2}});
    Strip(list, dark,
        {{w.xa, w.yb}, {w.xa, w.yb + h}, {w.xb, w.yb}, {w.xb + h, w.yb + h}, {w.xb, w.ya}, {w.xb + h, w.ya}});
}

void DrawFrame(uiDrawList& list, int aspect, const Geometry& w, const uiColorSet& colours) {
    if (aspect < UIASPECT_FRAME || aspect > UIASPECT_GROOVE) {
        return;
    }
    const uiDrawColor light = ToDrawColor(colours.GetEntry(UICOLOR_LIGHT));
    const uiDrawColor dark = ToDrawColor(colours.GetEntry(UICOLOR_DARK));
    switch (aspect) {
    case UIASPECT_FRAME:
        Strip(list, light, {{w.xa, w.yb},
                      {w.x1, w.y2},
                      {w.xb, w.yb},
                      {w.x2, w.y2},
                      {w.xb, w.ya},
                      {w.x2, w.y1},
                      {w.xa, w.ya},
                      {w.x1, w.y1},
                      {w.xa, w.yb},
                      {w.x1, w.y2}});
        break;
    case UIASPECT_RAISED:
        DrawBevel(list, w, dark, light);
        break;
    case UIASPECT_SUNKEN:
        DrawBevel(list, w, light, dark);
        break;
    case UIASPECT_SHADOW:
        FilledRect(list, dark, w.x1 + w.g, w.y1 + w.g, w.x2 + w.g, w.y2 + w.g);
        break;
    case UIASPECT_UNDERLINE:
        FilledRect(list, light, w.x1, w.yb, w.x2, w.y2 - w.h);
        FilledRect(list, dark, w.x1, w.y2 - w.h, w.x2, w.y2);
        break;
    case UIASPECT_GROOVE:
        DrawGroove(list, w, light, dark);
        break;
    default:
        break;
    }
}

// ==== Fills ====

void DrawFill(uiDrawList& list, int fill, const Geometry& w, const uiColorSet& colours) {
    const uiColor base = colours.GetEntry(UICOLOR_BASE);
    if (fill == UIFILL_FLAT) {
        FilledRect(list, ToDrawColor(base), w.xa, w.ya, w.xb, w.yb);
        return;
    }
    if (fill < UIFILL_DIAGONAL_DARK_TOP_LEFT || fill > UIFILL_VERTICAL_BAND) {
        return;
    }
    const uiDrawColor dark = ToDrawColor(base * DARK_SHADE);
    const uiDrawColor plain = ToDrawColor(base);
    const uiDrawColor bright = ToDrawColor(base * BRIGHT_SHADE);
    const uiDrawColor* const B08 = &dark;
    const uiDrawColor* const B10 = &plain;
    const uiDrawColor* const B12 = &bright;
    switch (fill) {
    case UIFILL_DIAGONAL_DARK_TOP_LEFT:
        ShadedQuad(list, {{w.xa, w.ya, B08}, {w.xb, w.ya, B10}, {w.xb, w.yb, B12}, {w.xa, w.yb, B10}});
        break;
    case UIFILL_DIAGONAL_BRIGHT_TOP_LEFT:
        ShadedQuad(list, {{w.xa, w.ya, B12}, {w.xb, w.ya, B10}, {w.xb, w.yb, B08}, {w.xa, w.yb, B10}});
        break;
    case UIFILL_HORIZONTAL_DARK_RIGHT:
        ShadedQuad(list, {{w.xb, w.ya, B08}, {w.xb, w.yb, B08}, {w.xa, w.yb, B12}, {w.xa, w.ya, B12}});
        break;
    case UIFILL_HORIZONTAL_BRIGHT_RIGHT:
        ShadedQuad(list, {{w.xb, w.ya, B12}, {w.xb, w.yb, B12}, {w.xa, w.yb, B08}, {w.xa, w.ya, B08}});
        break;
    case UIFILL_VERTICAL_BRIGHT_TOP:
        ShadedQuad(list, {{w.xa, w.ya, B12}, {w.xb, w.ya, B12}, {w.xb, w.yb, B08}, {w.xa, w.yb, B08}});
        break;
    case UIFILL_VERTICAL_DARK_TOP:
        ShadedQuad(list, {{w.xa, w.ya, B08}, {w.xb, w.ya, B08}, {w.xb, w.yb, B12}, {w.xa, w.yb, B12}});
        break;
    case UIFILL_HORIZONTAL_BAND:
        ShadedQuad(list, {{w.xa, w.ya, B08}, {w.xb, w.ya, B08}, {w.xb, w.ym, B12}, {w.xa, w.ym, B12}});
        ShadedQuad(list, {{w.xa, w.ym, B12}, {w.xb, w.ym, B12}, {w.xb, w.yb, B08}, {w.xa, w.yb, B08}});
        break;
    case UIFILL_VERTICAL_BAND:
        ShadedQuad(list, {{w.xa, w.yb, B08}, {w.xa, w.ya, B08}, {w.xm, w.ya, B12}, {w.xm, w.yb, B12}});
        ShadedQuad(list, {{w.xm, w.yb, B12}, {w.xm, w.ya, B12}, {w.xb, w.ya, B08}, {w.xb, w.yb, B08}});
        break;
    default:
        break;
    }
}

// ==== Outlines ====

void DrawBorder(uiDrawList& list, const Geometry& w, const uiColorSet& colours) {
    Outline(list, ToDrawColor(colours.GetEntry(UICOLOR_BORDER)),
            {{w.x1, w.y1}, {w.x2 + 1.0f, w.y1}, {w.x2 + 1.0f, w.y2 + 1.0f}, {w.x1, w.y2 + 1.0f}});
}

// The dashes run on around the corners, so the contour stays one stippled loop.
void DrawContour(uiDrawList& list, const Geometry& w, const uiColorSet& colours) {
    const float left = w.xa + CONTOUR_INSET;
    const float top = w.ya + CONTOUR_INSET;
    const float right = w.xb - CONTOUR_INSET;
    const float bottom = w.yb - CONTOUR_INSET;
    const uiDrawColor color = ToDrawColor(colours.GetEntry(UICOLOR_CONTOUR));
    const uiDrawVertex loop[4] = {Corner({left, top}, color), Corner({right, top}, color),
                                  Corner({right, bottom}, color), Corner({left, bottom}, color)};
    list.SetLineStipple(1, CONTOUR_PATTERN);
    list.AddLineLoop(loop, 4);
    list.ClearLineStipple();
}

// ==== Text placement ====

// Column 0 puts the text at the left edge, 1 centres it, 2 ends it at the right edge.
float PlaceColumn(const uiRectI& box, int column, double textWidth) {
    switch (column) {
    case 1:
        return static_cast<float>(TruncateToInt(
            box.x1 + (static_cast<double>(static_cast<int64_t>(box.x2) - box.x1) - textWidth) / 2.0));
    case 2:
        return static_cast<float>(TruncateToInt(box.x2 - textWidth));
    default:
        return static_cast<float>(box.x1);
    }
}

// Row 0 puts the text at the top edge, 1 centres it about the box's integer middle, 2 ends it
// at the bottom edge.
float PlaceRow(const uiRectI& box, int row, double textHeight) {
    switch (row) {
    case 1: {
        const int64_t middle = box.y1 + (static_cast<int64_t>(box.y2) - box.y1) / 2;
        return static_cast<float>(TruncateToInt(static_cast<double>(middle) - textHeight / 2.0));
    }
    case 2:
        return static_cast<float>(TruncateToInt(box.y2 - textHeight));
    default:
        return static_cast<float>(box.y1);
    }
}

} // namespace

uiWidgetBoxes ComputeWidgetBoxes(const uiRectF& rect, float ox, float oy, float sx, float sy, float rx,
                                 float ry, int aspect, float g) {
    uiWidgetBoxes boxes;
    uiRectI& outer = boxes.outer;
    PlaceAxis(ox, rect.Left, rect.Width, sx, rx, outer.x1, outer.x2);
    PlaceAxis(oy, rect.Top, rect.Height, sy, ry, outer.y1, outer.y2);

    boxes.bevel = g > 0.0f && g < 1.0f ? 1.0f : g;
    boxes.half = boxes.bevel / 2.0f < 1.0f ? 1.0f : boxes.bevel / 2.0f;

    boxes.inner = outer;
    switch (aspect) {
    case UIASPECT_FRAME:
    case UIASPECT_RAISED:
    case UIASPECT_SUNKEN:
    case UIASPECT_GROOVE:
        boxes.inner = {Inset(outer.x1, boxes.bevel), Inset(outer.y1, boxes.bevel),
                       Inset(outer.x2, -boxes.bevel), Inset(outer.y2, -boxes.bevel)};
        break;
    case UIASPECT_UNDERLINE:
        boxes.inner.y2 = Inset(outer.y2, -2.0 * boxes.half);
        break;
    default:
        break;
    }
    return boxes;
}

void DrawWidget(uiDrawList& list, const uiRectF& rect, float ox, float oy, float sx, float sy, float rx,
                float ry, const uiStyle& style, const uiColorSet& colours, float g) {
    const Geometry w = ToGeometry(ComputeWidgetBoxes(rect, ox, oy, sx, sy, rx, ry, style.Aspect, g));
    DrawFrame(list, style.Aspect, w, colours);
    DrawFill(list, style.Fill, w, colours);
    if (style.Border) {
        DrawBorder(list, w, colours);
    }
    if (style.Contour) {
        DrawContour(list, w, colours);
    }
}

void DrawCaptionText(uiDrawList& list, uiFont* font, const std::string& caption, const uiRectI& screenBox, int captionAlign,
                     const uiColor& textColor) {
    if (font == nullptr) {
        return;
    }
    const int column = captionAlign >= 1 && captionAlign <= 3 ? captionAlign - 1 : 0;
    const double height = font->GetHeight();
    const float x = PlaceColumn(screenBox, column, font->GetTextWidth(caption));
    const float y = static_cast<float>(TruncateToInt(screenBox.y1 - height));
    lentTextColor = textColor;
    font->Bind(list);
    font->SetColor(&CAPTION_SHADOW);
    font->DrawText(caption, x, y);
    font->SetColor(&lentTextColor);
    font->DrawText(caption, x - 1.0f, y + 1.0f);
    font->Unbind();
}

void DrawValueTextAligned(uiDrawList& list, uiFont* font, const std::string& text, const uiRectI& screenBox, int valueAlign,
                          const uiColor& textColor) {
    if (font == nullptr) {
        return;
    }
    const int cell = valueAlign >= 1 && valueAlign <= 9 ? valueAlign - 1 : 4;
    const float x = PlaceColumn(screenBox, cell % 3, font->GetTextWidth(text));
    const float y = PlaceRow(screenBox, cell / 3, font->GetHeight());
    lentTextColor = textColor;
    font->Bind(list);
    font->SetColor(&lentTextColor);
    font->DrawText(text, x, y);
    font->Unbind();
}

} // namespace vanui
