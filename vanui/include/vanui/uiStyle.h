// How a widget is drawn: a plain record copied by value. The UI file's Style block fills it;
// the drawing reads Fill, Aspect, Border and Contour, and the colour refresh reads highlight.
#pragma once

struct uiStyle {
    int Shape = 0;
    int Fill = 12;
    int Aspect = 1;
    bool Border = false;
    bool Contour = false;
    bool highlight = false;
};
