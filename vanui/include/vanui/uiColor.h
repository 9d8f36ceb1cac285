// A colour of four single-precision reals (red, green, blue, alpha), meant to lie in 0..1.
// Set stores values as given; the arithmetic saturates: addition, subtraction and scaling
// clamp every result component to 0..1, scaling and division leave alpha alone, and division
// does not clamp. Fonts and widgets borrow colours by pointer and never free them.
#pragma once

class uiColor {
public:
    uiColor() = default;
    uiColor(float red, float green, float blue, float alpha);

    void Set(float red, float green, float blue, float alpha);

    static float Clamp01(float value);

    uiColor operator+(const uiColor& other) const;
    uiColor& operator+=(const uiColor& other);
    uiColor operator-(const uiColor& other) const;
    uiColor& operator-=(const uiColor& other);
    uiColor operator*(float factor) const;
    uiColor& operator*=(float factor);
    uiColor operator/(float factor) const;
    uiColor& operator/=(float factor);

    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};
