#pragma once

#include <vector>

namespace tessaly {

enum class TDirection {
    TopToBottom,
    BottomToTop,
    LeftToRight,
    RightToLeft,
    EdgesToCenter,
    CenterToEdges,
    HCenterToEdges,
    EdgesToHCenter,
    VCenterToEdges,
    EdgesToVCenter,
    TopLeft,
    BottomLeft,
    TopRight,
    BottomRight,
    EllipticIn,
    EllipticOut,
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// One filled shape: the pixels x1 <= x < x2, y1 <= y < y2 (corners already
// put in order), or the ellipse inscribed in that box.
struct GradientShape
{
    bool ellipse = false;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb color;
};

// The shapes that paint a W x H gradient panel, in painting order.
std::vector<GradientShape> GradientShapes(int width, int height, Rgb from, Rgb to, int count,
                                          TDirection direction);

} // namespace tessaly
