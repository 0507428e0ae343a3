// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Drawing helpers shared by every part family of the sample library: the palette, the layout of
// the default head on the canvas, and a few path builders (mirroring, tapered strokes).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <span>

#include "imaging/pixels.h"

namespace kelvaro::samples {

// Parts are drawn in canvas coordinates: part image pixel (19, 19) is canvas pixel (0, 0).
inline constexpr int kOverhang = 19;

// Where the default head sits on the canvas; every family aligns its parts to these.
inline constexpr double kMidX = 95.0;        // vertical axis of the face
inline constexpr double kEyeY = 101.0;       // centre of both eye openings
inline constexpr double kEyeDx = 18.0;       // distance of each eye centre from the axis
inline constexpr double kBrowY = 85.0;       // middle of the brows
inline constexpr double kNoseY = 114.0;      // tip of the nose
inline constexpr double kMouthY = 126.0;     // corners of the mouth
inline constexpr double kChinY = 139.0;      // bottom of the default chin
inline constexpr double kCheekX = 57.0;      // left edge of the default cheeks
inline constexpr double kShoulderY = 158.0;  // where the neck meets the clothes

// Palette: light, low-saturation fills tint well with the colour multipliers; outlines dark.
inline constexpr QColor kSkin{255, 233, 218};
inline constexpr QColor kSkinShade{242, 204, 188};
inline constexpr QColor kSkinLine{128, 82, 70};
inline constexpr QColor kBlush{255, 160, 160, 70};
inline constexpr QColor kInk{62, 44, 46};
inline constexpr QColor kHairLine{92, 72, 66};
inline constexpr QColor kWhite{252, 252, 253};
inline constexpr QColor kHair{226, 212, 190};
inline constexpr QColor kHairShade{196, 178, 156};
inline constexpr QColor kBrowColour{112, 88, 78};
inline constexpr QColor kRibbon{232, 176, 186};
inline constexpr QColor kFlush{222, 120, 124};  // blush lines and the marks of feeling
inline constexpr QColor kDrop{226, 238, 250};   // tears and sweat
inline constexpr QColor kDropLine{112, 140, 178};

// A transparent 230x230 part image whose painter is set up for canvas coordinates.
class PartCanvas {
public:
    PartCanvas();
    QPainter& painter() { return m_painter; }
    // Ends painting and returns the image with straight alpha (ARGB32).
    QImage finish();

private:
    QImage m_image;
    QPainter m_painter;
};

// x -> 2 * kMidX - x: the mirror image across the face axis.
QTransform mirrorAcrossAxis();

// A closed outline from a left half that runs from a point on the axis down to another point on
// the axis; the right half is its mirror image.
QPainterPath symmetricOutline(const QPainterPath& leftHalf);

// The path together with its mirror image (for pairs such as eyes, ears and brows).
QPainterPath withMirror(const QPainterPath& leftOne);

// A filled shape that follows `spine` with a width growing from `startWidth` to `midWidth` in the
// middle and back to `endWidth`, for brush-like lines (lids, brows, strands).
QPainterPath taperedStroke(const QPainterPath& spine, double startWidth, double midWidth,
                           double endWidth);

// A cubic curve from `from` to `to` with two control points, as a path.
QPainterPath curve(QPointF from, QPointF c1, QPointF c2, QPointF to);

// Fills `shape` with a vertical gradient from `top` to `bottom` between heights y0 and y1, then
// strokes its outline with `line` of the given width.
void fillShaded(QPainter& painter, const QPainterPath& shape, QColor top, QColor bottom, double y0,
                double y1, QColor line, double lineWidth);

// A soft round spot fading from `colour` at the centre to transparent at the rim.
void softSpot(QPainter& painter, QPointF centre, double rx, double ry, QColor colour);

QColor withAlpha(QColor colour, int alpha);

}  // namespace kelvaro::samples
