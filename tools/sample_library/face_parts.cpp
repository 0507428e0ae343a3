// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Face, neck and ears: the skin layers the face colour tints.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

// The left half of a face outline, from the crown down to the chin.
struct FaceShape {
    double cheekX, cheekY;  // widest point
    double jawX, jawY;      // corner of the jaw
    double chinY, chinHalfWidth;
};

constexpr std::array<FaceShape, 4> kFaces = {{
    {kCheekX, 94, 70, 128, kChinY, 6},
    {58, 92, 72, 130, 143, 3},
    {55, 96, 66, 126, 136, 10},
    {57, 90, 68, 124, 141, 7},
}};

struct NeckShape {
    double halfWidth, flare;
};

constexpr std::array<NeckShape, 3> kNecks = {{{12, 7}, {14, 9}, {10, 5}}};

struct EarShape {
    double top, bottom;  // where the ear meets the face
    double reach;        // how far it sticks out beyond the cheek
    double tipRise;      // how far a pointed tip rises above the top (0: round ear)
};

constexpr std::array<EarShape, 3> kEars = {{{90, 113, 11, 0}, {89, 115, 13, 0}, {90, 112, 15, 12}}};

QPainterPath faceOutline(const FaceShape& f) {
    QPainterPath left(QPointF(kMidX, 44));
    left.cubicTo(QPointF(76, 44), QPointF(f.cheekX, 58), QPointF(f.cheekX, f.cheekY));
    left.cubicTo(QPointF(f.cheekX, f.cheekY + 14), QPointF(f.jawX - 5, f.jawY - 7),
                 QPointF(f.jawX, f.jawY));
    left.cubicTo(QPointF(f.jawX + 8, f.jawY + 7), QPointF(kMidX - f.chinHalfWidth - 6, f.chinY),
                 QPointF(kMidX, f.chinY));
    return symmetricOutline(left);
}

}  // namespace

QPainterPath defaultFaceArea() {
    return faceOutline(kFaces[0]);
}

void drawFace(QPainter& painter, int variant) {
    const FaceShape& f = kFaces[static_cast<std::size_t>(variant) % kFaces.size()];
    fillShaded(painter, faceOutline(f), kSkin, kSkin.darker(103), 60, f.chinY, kSkinLine, 1.5);
    for (const double x : {kMidX - 24, kMidX + 24})
        softSpot(painter, {x, 117}, 9, 5, kBlush);
}

void drawNeck(QPainter& painter, int variant) {
    const NeckShape& n = kNecks[static_cast<std::size_t>(variant) % kNecks.size()];
    const double x = kMidX - n.halfWidth;
    QPainterPath left(QPointF(kMidX, 112));
    left.lineTo(x, 112);
    left.lineTo(x, 146);
    left.cubicTo(QPointF(x, 156), QPointF(x - n.flare, 160), QPointF(x - 2 * n.flare, 166));
    left.lineTo(x - 2 * n.flare, 190);
    left.lineTo(kMidX, 190);
    fillShaded(painter, symmetricOutline(left), kSkinShade, kSkin, 136, 152, kSkinLine, 0);
    painter.setPen(QPen(kSkinLine, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(withMirror(curve({x, 120}, {x, 140}, {x, 152}, {x - n.flare, 160})));
}

void drawEars(QPainter& painter, int variant) {
    const EarShape& e = kEars[static_cast<std::size_t>(variant) % kEars.size()];
    const double inner = kCheekX + 4, out = kCheekX - e.reach;
    QPainterPath rim(QPointF(inner - 2, e.top));
    rim.cubicTo(QPointF(out, e.top - 4 - e.tipRise), QPointF(out - 1, e.top + 4),
                QPointF(out + 2, e.top + 11));
    rim.cubicTo(QPointF(out + 4, e.bottom - 2), QPointF(inner - 6, e.bottom + 3),
                QPointF(inner, e.bottom - 1));
    QPainterPath ear = rim;
    ear.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSkin);
    painter.drawPath(withMirror(ear));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kSkinLine, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(withMirror(rim));
    painter.setPen(QPen(kSkinShade.darker(115), 1.3, Qt::SolidLine, Qt::RoundCap));
    const double mid = 0.5 * (e.top + e.bottom);
    painter.drawPath(withMirror(
        curve({inner - 3, e.top + 3}, {out + 3, e.top + 1}, {out + 4, mid}, {inner - 4, mid + 4})));
}

}  // namespace kelvaro::samples
