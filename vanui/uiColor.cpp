#include <vanui/uiColor.h>

uiColor::uiColor(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}

void uiColor::Set(float red, float green, float blue, float alpha) {
    r = red;
    g = green;
    b = blue;
    a = alpha;
}

float uiColor::Clamp01(float value) {
    if (value < 0.0f) {
        return 0.0f;
    }
    return value > 1.0f ? 1.0f : value;
}

uiColor uiColor::operator+(const uiColor& other) const {
    uiColor sum(*this);
    return sum += other;
}

uiColor& uiColor::operator+=(const uiColor& other) {
    Set(Clamp01(r + other.r), Clamp01(g + other.g), Clamp01(b + other.b), Clamp01(a + other.a));
    return *this;
}

uiColor uiColor::operator-(const uiColor& other) const {
    uiColor difference(*this);
    return difference -= other;
}

uiColor& uiColor::operator-=(const uiColor& other) {
    Set(Clamp01(r - other.r), Clamp01(g - other.g), Clamp01(b - other.b), Clamp01(a - other.a));
    return *this;
}

uiColor uiColor::operator*(float factor) const {
    uiColor product(*this);
    return product *= factor;
}

uiColor& uiColor::operator*=(float factor) {
    Set(Clamp01(r * factor), Clamp01(g * factor), Clamp01(b * factor), a);
    return *this;
}

uiColor uiColor::operator/(float factor) const {
    uiColor quotient(*this);
    return quotient /= factor;
}

uiColor& uiColor::operator/=(float factor) {
    Set(r / factor, g / factor, b / factor, a);
    return *this;
}
