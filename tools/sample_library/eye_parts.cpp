// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Eyes: the eye shape is the opening (the white of the eye, and the mask of the iris), the eye
// layer draws lids and lashes around it, and the iris sits in the opening, taller than it so
// the lids trim it. The expression eyes follow the open ones: wide, angry and sad openings, then
// closed eyes, whose eye shape stays empty so the iris masked into it disappears.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

// The opening of the left eye relative to its centre; the right eye is its mirror image.
struct EyeShape {
    double halfWidth;
    double top, bottom;  // highest and lowest point of the opening (top negative)
    double outerDrop;    // height of the outer corner below the centre
    double lidWidth;     // thickness of the upper lash line
    double slant;        // how far the inner half of the upper lid dips (negative: it rises)
};

constexpr std::array<EyeShape, 9> kEyeShapes = {{
    {12, -8.5, 6.5, 1, 3.4, 0},
    {12.5, -6, 6, 2, 3.9, 0},
    {11, -8.5, 8.5, 0, 2.9, 0},
    {13, -7, 5, -3, 3.3, 0},
    {12, -7.5, 6, 3.5, 3.0, 0},
    {13.5, -5.5, 5, 0, 2.7, 0},
    {12.5, -9, 8, 0.5, 2.8, 0},   // wide open
    {13, -5.5, 5, -2, 3.8, 3},    // narrowed in anger
    {12, -6.5, 5.5, 5, 3.0, -3},  // sad, drooping outwards
}};

// A closed eye: one lid line from the outer to the inner corner and a flick of lashes.
struct ClosedLid {
    double rise;   // height of the middle above the corners: up for a smile, down when calm
    double width;  // thickness of the lid line in the middle
    QPointF lash;  // where the lashes point from the outer corner
};

constexpr std::array<ClosedLid, 2> kClosedLids = {{
    {6.5, 3.2, {-5, -3}},  // closed in a smile
    {-3.5, 2.6, {-5, 3}},  // closed calmly
}};

struct IrisStyle {
    double rx, ry;
    QColor colour;
    double pupil;  // pupil size relative to the iris
};

constexpr std::array<IrisStyle, 6> kIrises = {{
    {7.5, 10.5, {150, 178, 212}, 0.45},
    {7.0, 11.0, {160, 196, 172}, 0.40},
    {8.0, 10.5, {204, 174, 146}, 0.50},
    {7.5, 11.5, {186, 166, 212}, 0.35},
    {6.5, 10.5, {178, 182, 188}, 0.55},
    {8.0, 11.0, {216, 192, 134}, 0.45},
}};

constexpr QPointF kLeftEye{kMidX - kEyeDx, kEyeY};

const EyeShape& eyeShape(int variant) {
    return kEyeShapes[static_cast<std::size_t>(variant) % kEyeShapes.size()];
}

bool isClosed(int variant) {
    return variant >= static_cast<int>(kEyeShapes.size());
}

QPointF outerCorner(const EyeShape& e) {
    return kLeftEye + QPointF(-e.halfWidth, e.outerDrop);
}
QPointF innerCorner(const EyeShape& e) {
    return kLeftEye + QPointF(e.halfWidth - 1, 3);
}

// Control points at 4/3 of the wanted height put the curve's peak at that height.
QPainterPath upperLid(const EyeShape& e, double lift) {
    const double y = kEyeY + e.top / 0.75 - lift;
    return curve(outerCorner(e) - QPointF(0, lift), {kLeftEye.x() - e.halfWidth + 3, y - e.slant},
                 {kLeftEye.x() + e.halfWidth - 6, y + e.slant}, innerCorner(e) - QPointF(0, lift));
}

QPainterPath lowerLid(const EyeShape& e, double drop) {
    const double y = kEyeY + e.bottom / 0.75 + drop;
    return curve(innerCorner(e) + QPointF(0, drop), {kLeftEye.x() + e.halfWidth - 5, y},
                 {kLeftEye.x() - e.halfWidth + 5, y}, outerCorner(e) + QPointF(0, drop));
}

QPainterPath opening(const EyeShape& e) {
    QPainterPath path = upperLid(e, 0);
    path.connectPath(lowerLid(e, 0));
    path.closeSubpath();
    return path;
}

void drawLashes(QPainter& painter, const EyeShape& e) {
    const QPointF o = outerCorner(e);
    QPainterPath lashes =
        taperedStroke(upperLid(e, e.lidWidth * 0.4), e.lidWidth + 0.6, e.lidWidth, 0.8);
    lashes.addPath(taperedStroke(
        curve(o + QPointF(3, -2), o + QPointF(0, -3), o + QPointF(-3, -4), o + QPointF(-5, -7)),
        2.4, 1.6, 0.2));
    lashes.addPath(taperedStroke(
        curve(o + QPointF(4, -1), o + QPointF(0, 0), o + QPointF(-3, 0), o + QPointF(-6, -2)), 2.0,
        1.4, 0.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(withMirror(lashes));
    painter.setBrush(withAlpha(kInk, 190));
    painter.drawPath(withMirror(taperedStroke(lowerLid(e, 0.9), 0.2, 1.2, 1.6)));
}

void drawCrease(QPainter& painter, const EyeShape& e) {
    const double y = kEyeY + e.top - 3.5;
    painter.setPen(QPen(withAlpha(kSkinLine, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(
        withMirror(curve({kLeftEye.x() - e.halfWidth + 3, y + 3}, {kLeftEye.x() - 4, y - 3},
                         {kLeftEye.x() + 4, y - 3}, {kLeftEye.x() + e.halfWidth - 3, y + 2})));
}

void drawOneIris(QPainter& painter, QPointF centre, const IrisStyle& s) {
    fillShaded(
        painter,
        [&] {
            QPainterPath disc;
            disc.addEllipse(centre, s.rx, s.ry);
            return disc;
        }(),
        s.colour.darker(150), s.colour.lighter(112), centre.y() - s.ry, centre.y() + s.ry,
        s.colour.darker(220), 1.2);
    softSpot(painter, centre + QPointF(0, s.ry * 0.45), s.rx * 0.8, s.ry * 0.4,
             withAlpha(s.colour.lighter(125), 200));
    painter.setPen(Qt::NoPen);
    painter.setBrush(s.colour.darker(330));
    painter.drawEllipse(centre + QPointF(0, -1), s.rx * s.pupil, s.ry * s.pupil);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre + QPointF(-s.rx * 0.4, -s.ry * 0.4), 2.6, 2.2);
    painter.drawEllipse(centre + QPointF(s.rx * 0.35, s.ry * 0.3), 1.2, 1.2);
}

void drawClosedEye(QPainter& painter, const ClosedLid& c) {
    const QPointF outer = kLeftEye + QPointF(-12, 2), inner = kLeftEye + QPointF(11, 2.5);
    const double y = kEyeY + 2 - c.rise / 0.75;
    QPainterPath lid = taperedStroke(curve(outer, {outer.x() + 5, y}, {inner.x() - 6, y}, inner),
                                     1.0, c.width, 0.8);
    lid.addPath(taperedStroke(
        curve(outer + QPointF(2, 0), outer + c.lash * 0.3, outer + c.lash * 0.6, outer + c.lash),
        2.0, 1.4, 0.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(withMirror(lid));
}

}  // namespace

void drawEyeShape(QPainter& painter, int variant) {
    if (isClosed(variant))
        return;
    const EyeShape& e = eyeShape(variant);
    fillShaded(painter, withMirror(opening(e)), QColor(214, 220, 234), kWhite, kEyeY + e.top, kEyeY,
               kWhite, 0);
}

void drawEyes(QPainter& painter, int variant) {
    if (isClosed(variant))
        return drawClosedEye(painter,
                             kClosedLids[static_cast<std::size_t>(variant) - kEyeShapes.size()]);
    const EyeShape& e = eyeShape(variant);
    drawCrease(painter, e);
    drawLashes(painter, e);
}

void drawIris(QPainter& painter, int variant) {
    const IrisStyle& s = kIrises[static_cast<std::size_t>(variant) % kIrises.size()];
    drawOneIris(painter, kLeftEye + QPointF(0.5, 0.5), s);
    drawOneIris(painter, mirrorAcrossAxis().map(kLeftEye) + QPointF(-0.5, 0.5), s);
}

}  // namespace kelvaro::samples
