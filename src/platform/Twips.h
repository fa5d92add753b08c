#pragma once

#include <QRect>

#include <cmath>

// Sizes and positions of the forms are given in twips: 15 twips per pixel at 96 dpi.
inline int Twips(int twips)
{
    return int(std::lround(twips / 15.0));
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}
