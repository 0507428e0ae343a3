// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Back hair: the mass behind everything, locks in front of the jaw, and long hair falling over
// the shoulders in front of the clothes. One style table drives all three layers.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

struct BackHairStyle {
    QColor colour;
    double bottom, halfWidth;  // lower edge of the mass and its half width there
    int tails;                 // 0 none, 1 a ponytail, 2 twin tails
    double lockBottom;         // lower end of the locks in front of the jaw, 0 for none
    double overBottom;         // lower end of the hair over the shoulders, 0 for none
};

constexpr std::array<BackHairStyle, 6> kStyles = {{
    {kHair, 146, 46, 0, 142, 0},
    {{220, 210, 196}, 205, 54, 0, 0, 198},
    {{232, 214, 190}, 118, 38, 1, 0, 0},
    {{216, 208, 224}, 120, 40, 2, 0, 0},
    {{206, 196, 182}, 122, 41, 0, 0, 0},
    {{234, 220, 204}, 190, 52, 0, 150, 186},
}};

const BackHairStyle& style(int variant) {
    return kStyles[static_cast<std::size_t>(variant) % kStyles.size()];
}

QPainterPath massShape(const BackHairStyle& s) {
    const double x = kMidX - s.halfWidth;
    QPainterPath left(QPointF(kMidX, 27));
    left.cubicTo(QPointF(66, 27), QPointF(45, 48), QPointF(45, 80));
    left.cubicTo(QPointF(45, 110), QPointF(x, s.bottom - 34), QPointF(x, s.bottom));
    left.quadTo(QPointF(x + 0.3 * s.halfWidth, s.bottom - 8),
                QPointF(kMidX - 0.5 * s.halfWidth, s.bottom - 2));
    left.quadTo(QPointF(kMidX - 0.2 * s.halfWidth, s.bottom - 9), QPointF(kMidX, s.bottom - 4));
    return symmetricOutline(left);
}

QPainterPath tails(const BackHairStyle& s) {
    if (s.tails == 1)
        return taperedStroke(curve({128, 46}, {162, 52}, {170, 118}, {150, 184}), 12, 24, 1);
    if (s.tails == 2)
        return withMirror(
            taperedStroke(curve({54, 58}, {24, 70}, {18, 140}, {32, 196}), 12, 22, 1));
    return {};
}

void fillHair(QPainter& painter, const QPainterPath& shape, const BackHairStyle& s, double darker) {
    fillShaded(painter, shape, s.colour.darker(static_cast<int>(darker)),
               s.colour.darker(static_cast<int>(darker + 18)), 40, s.bottom, kHairLine, 1.4);
}

}  // namespace

void drawBackHairMass(QPainter& painter, int variant) {
    const BackHairStyle& s = style(variant);
    fillHair(painter, tails(s), s, 104);
    fillHair(painter, massShape(s), s, 110);
}

void drawBackHairLocks(QPainter& painter, int variant) {
    const BackHairStyle& s = style(variant);
    if (s.lockBottom <= 0)
        return;
    fillHair(painter,
             withMirror(taperedStroke(curve({53, 96}, {49, 114}, {53, 128}, {62, s.lockBottom}), 10,
                                      9, 0.6)),
             s, 100);
}

void drawBackHairOver(QPainter& painter, int variant) {
    const BackHairStyle& s = style(variant);
    if (s.overBottom <= 0)
        return;
    fillHair(painter,
             withMirror(taperedStroke(curve({60, 118}, {50, 150}, {46, 172}, {48, s.overBottom}),
                                      12, 18, 1.5)),
             s, 102);
}

}  // namespace kelvaro::samples
