#include "ControllerGlyph.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tarvik::icon {
namespace {

struct Point {
    double x;
    double y;
};

struct Colour {
    double r;
    double g;
    double b;
};

// Every length in pixels of the image being drawn.
struct Proportions {
    Point bodyLeft, bodyRight;  // axis of the body's horizontal stadium
    double bodyRadius;
    Point gripTop, gripBottom;  // left grip; the right one mirrors it
    double gripRadius;
    double outline;
    Point pad;  // centre of the direction pad
    double padArm, padHalfWidth;
    Point buttonA, buttonB;
    double buttonRadius;
};

constexpr Proportions kLarge{
    .bodyLeft = {10.5, 14.5},
    .bodyRight = {21.5, 14.5},
    .bodyRadius = 7.5,
    .gripTop = {9.5, 15.5},
    .gripBottom = {6.8, 24.5},
    .gripRadius = 5.0,
    .outline = 1.3,
    .pad = {10.5, 14.5},
    .padArm = 4.5,
    .padHalfWidth = 1.5,
    .buttonA = {20.5, 17.5},
    .buttonB = {24.5, 12.5},
    .buttonRadius = 2.2,
};

// At 16 pixels the pad's bars and the buttons sit on whole pixels.
constexpr Proportions kSmall{
    .bodyLeft = {5.0, 7.5},
    .bodyRight = {11.0, 7.5},
    .bodyRadius = 4.5,
    .gripTop = {4.5, 8.0},
    .gripBottom = {3.6, 12.4},
    .gripRadius = 2.6,
    .outline = 1.0,
    .pad = {4.5, 7.5},
    .padArm = 1.5,
    .padHalfWidth = 0.5,
    .buttonA = {11.0, 10.0},
    .buttonB = {13.0, 7.0},
    .buttonRadius = 1.1,
};

constexpr Colour kOutline{30, 38, 51};
constexpr Colour kBodyTop{104, 140, 196};
constexpr Colour kBodyBottom{56, 86, 134};
constexpr Colour kPad{242, 244, 248};
constexpr Colour kButtonA{226, 72, 62};
constexpr Colour kButtonB{244, 196, 48};

// Signed distances: negative inside a shape, positive outside.
double capsule(Point p, Point a, Point b, double radius) {
    const double abx = b.x - a.x;
    const double aby = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * abx + (p.y - a.y) * aby) / (abx * abx + aby * aby), 0.0, 1.0);
    const double dx = p.x - (a.x + t * abx);
    const double dy = p.y - (a.y + t * aby);
    return std::sqrt(dx * dx + dy * dy) - radius;
}

double box(Point p, Point centre, double halfWidth, double halfHeight) {
    const double qx = std::fabs(p.x - centre.x) - halfWidth;
    const double qy = std::fabs(p.y - centre.y) - halfHeight;
    const double ox = std::max(qx, 0.0);
    const double oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0);
}

double circle(Point p, Point centre, double radius) {
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return std::sqrt(dx * dx + dy * dy) - radius;
}

Point mirrored(Point p, int size) {
    return {size - p.x, p.y};
}

double body(Point p, const Proportions& g, int size) {
    const double main = capsule(p, g.bodyLeft, g.bodyRight, g.bodyRadius);
    const double left = capsule(p, g.gripTop, g.gripBottom, g.gripRadius);
    const double right =
        capsule(p, mirrored(g.gripTop, size), mirrored(g.gripBottom, size), g.gripRadius);
    return std::min({main, left, right});
}

double pad(Point p, const Proportions& g) {
    return std::min(box(p, g.pad, g.padArm, g.padHalfWidth),
                    box(p, g.pad, g.padHalfWidth, g.padArm));
}

// The colour at one point, or nothing (false) outside the glyph.
bool shade(Point p, const Proportions& g, int size, Colour& out) {
    const double d = body(p, g, size);
    if (d > 0) return false;
    if (d > -g.outline) {
        out = kOutline;
    } else if (pad(p, g) < 0) {
        out = kPad;
    } else if (circle(p, g.buttonA, g.buttonRadius) < 0) {
        out = kButtonA;
    } else if (circle(p, g.buttonB, g.buttonRadius) < 0) {
        out = kButtonB;
    } else {
        const double t = std::clamp(p.y / size, 0.0, 1.0);
        out = {kBodyTop.r + (kBodyBottom.r - kBodyTop.r) * t,
               kBodyTop.g + (kBodyBottom.g - kBodyTop.g) * t,
               kBodyTop.b + (kBodyBottom.b - kBodyTop.b) * t};
    }
    return true;
}

uint8_t toByte(double v) {
    return static_cast<uint8_t>(std::clamp(std::floor(v + 0.5), 0.0, 255.0));
}

}  // namespace

Image renderControllerGlyph(int size) {
    if (size != 32 && size != 16) throw std::invalid_argument("the glyph is drawn at 32 or 16");
    const Proportions& g = size == 32 ? kLarge : kSmall;
    constexpr int kSamples = 8;  // per axis and pixel, for smooth edges
    Image image;
    image.size = size;
    image.pixels.resize(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
                    Colour c{};
                    if (!shade(p, g, size, c)) continue;
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    ++covered;
                }
            }
            Rgba& out = image.pixels[static_cast<std::size_t>(y * size + x)];
            if (covered == 0) continue;
            out = {toByte(sum.r / covered), toByte(sum.g / covered), toByte(sum.b / covered),
                   toByte(255.0 * covered / (kSamples * kSamples))};
        }
    }
    return image;
}

}  // namespace tarvik::icon
