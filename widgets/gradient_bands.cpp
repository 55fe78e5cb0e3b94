#include "widgets/gradient_bands.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

namespace {

int T(double x)
{
    return int(std::trunc(x));
}

// Ties go to the even integer.
int roundEven(double x)
{
    return int(std::nearbyint(x));
}

int channel(int start, int end, int i, int n)
{
    if (n == 1)
        return start;
    return start + roundEven(double(i) * (end - start) / (n - 1));
}

void add(std::vector<GradientShape> &shapes, Rgb color, int x1, int y1, int x2, int y2, bool ellipse = false)
{
    shapes.push_back(
        {ellipse, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), color});
}

} // namespace

std::vector<GradientShape> GradientShapes(int W, int H, Rgb from, Rgb to, int n, TDirection d)
{
    using D = TDirection;
    std::vector<GradientShape> shapes;
    if (n < 1)
        n = 1;

    double sx = 0;
    double sy = 0;
    int mid = 0;
    switch (d) {
    case D::TopToBottom:
    case D::BottomToTop:
        sy = double(H) / (n + 1);
        break;
    case D::LeftToRight:
    case D::RightToLeft:
        sx = double(W) / (n + 1);
        break;
    case D::EdgesToCenter:
    case D::CenterToEdges:
    case D::EllipticIn:
    case D::EllipticOut:
        sx = double(W) / (2 * n + 2);
        sy = double(H) / (2 * n + 2);
        break;
    case D::HCenterToEdges:
    case D::EdgesToHCenter:
        sy = double(H) / (2 * n + 2);
        mid = T(H / 2.0);
        break;
    case D::VCenterToEdges:
    case D::EdgesToVCenter:
        sx = double(W) / (2 * n + 2);
        mid = T(W / 2.0);
        break;
    case D::TopLeft:
    case D::BottomLeft:
    case D::TopRight:
    case D::BottomRight:
        sx = double(W) / (n + 1);
        sy = double(H) / (n + 1);
        break;
    }

    const bool fromFirst = d == D::TopToBottom || d == D::LeftToRight || d == D::EdgesToCenter ||
                           d == D::EdgesToHCenter || d == D::EdgesToVCenter || d == D::EllipticIn;
    const Rgb start = fromFirst ? from : to;
    const Rgb end = fromFirst ? to : from;

    if (d == D::EllipticIn || d == D::EllipticOut)
        add(shapes, start, 0, 0, W, H);

    for (int i = 0; i < n; ++i) {
        const Rgb c{channel(start.red, end.red, i, n), channel(start.green, end.green, i, n),
                    channel(start.blue, end.blue, i, n)};
        const int xi = T(i * sx);
        const int yi = T(i * sy);
        const int xn = T((i + 1) * sx);
        const int yn = T((i + 1) * sy);
        switch (d) {
        case D::TopToBottom:
        case D::BottomToTop:
            add(shapes, c, 0, yi - 1, W, yn);
            break;
        case D::LeftToRight:
        case D::RightToLeft:
            add(shapes, c, xi - 1, 0, xn, H);
            break;
        case D::EdgesToCenter:
        case D::CenterToEdges:
            add(shapes, c, xi - 1, yi - 1, W - xi, H - yi);
            break;
        case D::HCenterToEdges:
        case D::EdgesToHCenter:
            add(shapes, c, 0, yi - 1, W, yn);
            add(shapes, c, 0, H - yi + 1, W, H - yn);
            break;
        case D::VCenterToEdges:
        case D::EdgesToVCenter:
            add(shapes, c, xi - 1, 0, xn, H);
            add(shapes, c, W - xi + 1, 0, W - xn, H);
            break;
        case D::TopLeft:
            add(shapes, c, 0, 0, W - xi + 1, H - yi + 1);
            break;
        case D::BottomLeft:
            add(shapes, c, 0, yi - 1, W - xi + 1, H);
            break;
        case D::TopRight:
            add(shapes, c, xi - 1, 0, W, H - yi + 1);
            break;
        case D::BottomRight:
            add(shapes, c, xi - 1, yi - 1, W, H);
            break;
        case D::EllipticIn:
        case D::EllipticOut:
            add(shapes, c, xi - 1, yi - 1, W - xi, H - yi, true);
            break;
        }
    }

    switch (d) {
    case D::TopToBottom:
    case D::BottomToTop:
        add(shapes, end, 0, T(n * sy) - 1, W, H);
        break;
    case D::LeftToRight:
    case D::RightToLeft:
        add(shapes, end, T(n * sx) - 1, 0, W, H);
        break;
    case D::HCenterToEdges:
    case D::EdgesToHCenter:
        add(shapes, end, 0, T(n * sy) - 1, W, mid);
        add(shapes, end, 0, mid - 1, W, H - T((n - 1) * sy));
        break;
    case D::VCenterToEdges:
    case D::EdgesToVCenter:
        add(shapes, end, T(n * sx) - 1, 0, mid, H);
        add(shapes, end, mid - 1, 0, W - T((n - 1) * sx), H);
        break;
    default:
        break;
    }
    return shapes;
}

} // namespace tessaly
