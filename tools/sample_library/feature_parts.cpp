// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Nose, mouth, open mouth, brows and beard: the small features in the middle of the face.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

// A brush line along a cubic curve, widths at its start, middle and end.
struct Stroke {
    QPointF a, b, c, d;
    double w0, w1, w2;
};

QPainterPath strokeShape(const Stroke& s) {
    return taperedStroke(curve(s.a, s.b, s.c, s.d), s.w0, s.w1, s.w2);
}

struct NoseStyle {
    std::array<Stroke, 2> strokes;
    double shade;  // strength of the soft shadow beside the bridge, 0 for none
};

constexpr std::array<NoseStyle, 4> kNoses = {{
    {{{{{97, 105}, {97, 109}, {96, 112}, {94, 114.5}, 0.2, 1.3, 1.4},
       {{91.5, 115}, {92.5, 116}, {94, 116.2}, {95.5, 115.6}, 0.2, 1.0, 0.3}}},
     60},
    {{{{{94, 113.5}, {95, 114.5}, {96, 114.5}, {97, 113.5}, 0.3, 1.4, 0.3},
       {{95, 113}, {95, 113}, {95, 113}, {95, 113}, 0, 0, 0}}},
     0},
    {{{{{96, 98}, {97, 104}, {98, 110}, {96, 115}, 0.2, 1.2, 1.2},
       {{96, 115}, {94.5, 116.5}, {92.5, 116.5}, {91, 115}, 1.2, 0.9, 0.2}}},
     90},
    {{{{{97, 108}, {97, 111}, {97, 114}, {96, 115.5}, 0.2, 1.0, 1.2},
       {{96, 115.5}, {95, 116}, {93, 116}, {92, 115.5}, 1.2, 0.8, 0.2}}},
     40},
}};

struct MouthStyle {
    double halfWidth;
    double sag;    // how far the middle of the upper line lies below the corners
    double depth;  // how far the open mouth reaches below the corners; 0 for a closed mouth
    bool teeth;
    double wave;  // height of the waves of a wavy closed line; 0 for a smooth line
};

// The expression mouths follow the plain ones: a broad closed grin, laughing, frowning, a small
// "o", shouting and a wavy, embarrassed line.
constexpr std::array<MouthStyle, 12> kMouths = {{
    {7, 1.2, 5.5, false, 0},
    {6, 2.0, 0, false, 0},
    {3.5, -2.5, 4.5, false, 0},
    {5, 0.3, 0, false, 0},
    {9, 1.5, 8, true, 0},
    {7.5, 3.0, 0, false, 0},
    {10, 4.0, 0, false, 0},
    {9.5, 1.0, 8.5, false, 0},
    {6.5, -3.0, 0, false, 0},
    {3.5, -4.5, 4, false, 0},
    {8, -4.0, 8.5, true, 0},
    {8, 0, 0, false, 1.3},
}};

constexpr QColor kLipLine{126, 70, 66};
constexpr QColor kMouthInside{196, 102, 106};
constexpr QColor kTongue{244, 156, 156};

struct BrowStyle {
    double innerX, innerY, outerX, outerY;  // relative to the axis and the brow line
    double arch, width;
};

// The expression brows follow the plain ones; they sit a little lower, so that a fringe does not
// hide what they say.
constexpr std::array<BrowStyle, 8> kBrows = {{
    {-8, 1, -29, 2, 4, 2.4},
    {-8, 0, -30, 0, 1.5, 3.6},
    {-8, 3, -29, -2, 2, 2.8},
    {-8, -3, -29, 3, 2, 2.4},
    {-11, 0, -25, 0, 3, 2.0},
    {-6, 7, -29, -1, -1, 3.4},  // angry: the inner ends pulled down
    {-7, 0, -29, 6, -1, 3.0},   // sad: the inner ends raised
    {-8, 0, -29, 1, 5, 2.8},    // raised in surprise
}};

const MouthStyle& mouthStyle(int variant) {
    return kMouths[static_cast<std::size_t>(variant) % kMouths.size()];
}

QPainterPath upperLine(const MouthStyle& m) {
    const double y = kMouthY + m.sag / 0.75;
    return curve({kMidX - m.halfWidth, kMouthY}, {kMidX - m.halfWidth / 2, y},
                 {kMidX + m.halfWidth / 2, y}, {kMidX + m.halfWidth, kMouthY});
}

// A closed line that waves up and down one and a half times between the corners.
QPainterPath wavyLine(const MouthStyle& m) {
    constexpr int kSteps = 24;
    QPainterPath line(QPointF(kMidX - m.halfWidth, kMouthY));
    for (int i = 1; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        line.lineTo(kMidX - m.halfWidth + 2 * m.halfWidth * t,
                    kMouthY - m.wave * std::sin(3.0 * std::numbers::pi * t));
    }
    return line;
}

QPainterPath openingOf(const MouthStyle& m) {
    QPainterPath shape = upperLine(m);
    const double y = kMouthY + m.depth / 0.75;
    shape.cubicTo(QPointF(kMidX + m.halfWidth * 0.6, y), QPointF(kMidX - m.halfWidth * 0.6, y),
                  QPointF(kMidX - m.halfWidth, kMouthY));
    shape.closeSubpath();
    return shape;
}

}  // namespace

void drawNose(QPainter& painter, int variant) {
    const NoseStyle& n = kNoses[static_cast<std::size_t>(variant) % kNoses.size()];
    if (n.shade > 0)
        softSpot(painter, {98, 109}, 4, 7, withAlpha(kSkinShade, int(n.shade * 2)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(kSkinLine, 200));
    for (const Stroke& s : n.strokes)
        if (s.w1 > 0)
            painter.drawPath(strokeShape(s));
}

void drawMouth(QPainter& painter, int variant) {
    const MouthStyle& m = mouthStyle(variant);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLipLine);
    painter.drawPath(taperedStroke(m.wave > 0 ? wavyLine(m) : upperLine(m), 0.5, 1.6, 0.5));
    if (m.depth <= 0)
        return;
    painter.setBrush(withAlpha(kLipLine, 130));
    const double y = kMouthY + m.depth / 0.75 + 0.6;
    painter.drawPath(
        taperedStroke(curve({kMidX - m.halfWidth * 0.6, y - 2}, {kMidX - m.halfWidth * 0.3, y},
                            {kMidX + m.halfWidth * 0.3, y}, {kMidX + m.halfWidth * 0.6, y - 2}),
                      0.1, 0.9, 0.1));
}

void drawOpenMouth(QPainter& painter, int variant) {
    const MouthStyle& m = mouthStyle(variant);
    if (m.depth <= 0)
        return;
    const QPainterPath inside = openingOf(m);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMouthInside);
    painter.drawPath(inside);
    painter.setClipPath(inside);
    softSpot(painter, {kMidX, kMouthY + m.depth}, m.halfWidth * 0.8, m.depth * 0.6, kTongue);
    if (m.teeth) {
        painter.setBrush(kWhite);
        const double top = kMouthY + std::min(0.0, m.sag) - 2;
        painter.drawRect(QRectF(kMidX - m.halfWidth, top, 2 * m.halfWidth, 4.5));
    }
    painter.setClipping(false);
}

void drawBrows(QPainter& painter, int variant) {
    const BrowStyle& b = kBrows[static_cast<std::size_t>(variant) % kBrows.size()];
    const QPointF inner(kMidX + b.innerX, kBrowY + b.innerY);
    const QPointF outer(kMidX + b.outerX, kBrowY + b.outerY);
    const QPointF lift(0, -b.arch / 0.75);
    const QPointF c1 = inner + (outer - inner) / 3 + lift;
    const QPointF c2 = inner + (outer - inner) * 2 / 3 + lift;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBrowColour);
    painter.drawPath(
        withMirror(taperedStroke(curve(inner, c1, c2, outer), b.width, b.width * 0.85, 0.4)));
}

void drawBeard(QPainter& painter, int variant) {
    if (variant == 0) {
        softSpot(painter, {kMidX, kChinY - 6}, 22, 9, withAlpha(kHairShade, 110));
        softSpot(painter, {kMidX, kMouthY - 5}, 9, 2.5, withAlpha(kHairShade, 120));
        return;
    }
    QPainterPath goatee(QPointF(kMidX - 7, kMouthY + 6));
    goatee.cubicTo(QPointF(kMidX - 6, kChinY + 2), QPointF(kMidX - 2, kChinY + 7),
                   QPointF(kMidX, kChinY + 8));
    goatee.cubicTo(QPointF(kMidX + 2, kChinY + 7), QPointF(kMidX + 6, kChinY + 2),
                   QPointF(kMidX + 7, kMouthY + 6));
    goatee.closeSubpath();
    goatee.addPath(
        withMirror(taperedStroke(curve({kMidX - 1, kMouthY - 4}, {kMidX - 5, kMouthY - 5},
                                       {kMidX - 9, kMouthY - 4}, {kMidX - 12, kMouthY + 1}),
                                 2.6, 2.4, 0.4)));
    fillShaded(painter, goatee, kHair, kHairShade, kMouthY - 5, kChinY + 8, kHairLine, 1.0);
}

}  // namespace kelvaro::samples
