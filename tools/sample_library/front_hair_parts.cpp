// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Front hair: the fringe drawn over the face, the hair mass behind the head and the shadow the
// fringe casts on the forehead. All three follow one style table, so they always fit together.
#include <QRectF>
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

inline constexpr int kEdgePoints = 9;

struct FringeStyle {
    QColor colour;
    // Lower edge of the fringe, left to right: tips of locks at even indices, notches between.
    std::array<QPointF, kEdgePoints> edge;
    double sideTipY;    // lower end of the locks in front of the temples
    double backBottom;  // lower end of the hair mass behind the head
    double spikes;      // length of the spikes around the back mass, 0 for none
};

// clang-format off
constexpr std::array<FringeStyle, 8> kFringes = {{
    {{226, 212, 190},
     {{{64, 88}, {70, 66}, {78, 82}, {86, 62}, {95, 83}, {103, 62}, {112, 82}, {119, 66}, {126, 88}}},
     116, 122, 0},
    {{214, 214, 222},
     {{{64, 78}, {72, 64}, {86, 82}, {92, 62}, {106, 88}, {112, 68}, {120, 96}, {123, 82}, {126, 104}}},
     112, 118, 0},
    {{232, 206, 186},
     {{{64, 80}, {72, 62}, {80, 78}, {88, 60}, {96, 80}, {104, 60}, {112, 78}, {118, 62}, {126, 80}}},
     96, 104, 5},
    {{210, 204, 222},
     {{{64, 84}, {70, 82}, {78, 85}, {86, 82}, {95, 85}, {104, 82}, {112, 85}, {120, 82}, {126, 84}}},
     136, 128, 0},
    {{236, 224, 196},
     {{{64, 98}, {70, 80}, {78, 88}, {86, 64}, {95, 58}, {104, 64}, {112, 88}, {120, 80}, {126, 98}}},
     118, 122, 0},
    {{220, 200, 190},
     {{{64, 90}, {68, 74}, {76, 86}, {82, 70}, {92, 92}, {100, 72}, {110, 84}, {118, 66}, {126, 94}}},
     110, 116, 6},
    {{206, 198, 184},
     {{{64, 70}, {72, 62}, {80, 68}, {88, 60}, {96, 68}, {104, 60}, {112, 68}, {118, 62}, {126, 70}}},
     90, 100, 0},
    {{228, 218, 206},
     {{{64, 94}, {72, 72}, {80, 90}, {88, 70}, {96, 92}, {104, 70}, {112, 90}, {120, 72}, {126, 94}}},
     142, 126, 0},
}};
// clang-format on

constexpr QPointF kCrown{kMidX, 27};

const FringeStyle& fringeStyle(int variant) {
    return kFringes[static_cast<std::size_t>(variant) % kFringes.size()];
}

// Everything below the fringe edge and between the side locks.
QPainterPath faceWindow(const FringeStyle& f) {
    QPainterPath window(QPointF(f.edge.front().x(), 230));
    window.lineTo(f.edge.front());
    // Each side of a lock bulges outwards a little, so locks are full and end in a point.
    for (std::size_t i = 1; i < f.edge.size(); ++i) {
        const QPointF d = f.edge[i] - f.edge[i - 1];
        const QPointF bulge = QPointF(-d.y(), d.x()) * 0.22;
        window.quadTo((f.edge[i] + f.edge[i - 1]) / 2 + bulge, f.edge[i]);
    }
    window.lineTo(f.edge.back().x(), 230);
    window.closeSubpath();
    return window;
}

QPainterPath sideLocks(const FringeStyle& f) {
    return withMirror(
        taperedStroke(curve({58, 64}, {55, 84}, {57, 100}, {63, f.sideTipY}), 13, 9, 0.6));
}

QPainterPath fringeShape(const FringeStyle& f) {
    QPainterPath cap;
    cap.addEllipse(QPointF(kMidX, 74), 47, 47);
    QPainterPath upper;
    upper.addRect(QRectF(0, 0, 192, 88));
    return cap.intersected(upper).united(sideLocks(f)).subtracted(faceWindow(f));
}

void drawStrands(QPainter& painter, const FringeStyle& f, const QPainterPath& hair) {
    painter.save();
    painter.setClipPath(hair);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(f.colour.darker(135), 150));
    for (int i = 1; i < kEdgePoints; i += 2) {
        const QPointF notch = f.edge[static_cast<std::size_t>(i)];
        const QPointF start = notch + (kCrown - notch) * 0.55;
        painter.drawPath(taperedStroke(curve(start, start + (notch - start) * 0.3,
                                             notch + QPointF(0, -6), notch + QPointF(0, 2)),
                                       0.2, 1.6, 0.4));
    }
    painter.setBrush(withAlpha(kWhite, 120));
    painter.drawPath(taperedStroke(curve({62, 54}, {76, 40}, {114, 40}, {128, 54}), 0.3, 4, 0.3));
    painter.restore();
}

QPainterPath backMass(const FringeStyle& f) {
    QPainterPath mass;
    mass.addEllipse(QPointF(kMidX, 75), 49, 49);
    mass.addRoundedRect(QRectF(47, 75, 96, f.backBottom - 75), 16, 16);
    for (int i = 0; f.spikes > 0 && i < 5; ++i) {
        const double x = 50 + i * 22.5, y = i == 2 ? 26 : 40 - 4 * (i % 2);
        QPainterPath spike(QPointF(x - 8, y + 10));
        spike.quadTo(QPointF(x, y), QPointF(x + (i - 2) * 2, y - f.spikes));
        spike.quadTo(QPointF(x + 2, y + 2), QPointF(x + 8, y + 10));
        mass.addPath(spike);
    }
    return mass.simplified();
}

}  // namespace

void drawFringe(QPainter& painter, int variant) {
    const FringeStyle& f = fringeStyle(variant);
    const QPainterPath hair = fringeShape(f);
    fillShaded(painter, hair, f.colour, f.colour.darker(112), 30, f.sideTipY, kHairLine, 1.4);
    drawStrands(painter, f, hair);
}

void drawFrontHairBack(QPainter& painter, int variant) {
    const FringeStyle& f = fringeStyle(variant);
    fillShaded(painter, backMass(f), f.colour.darker(104), f.colour.darker(125), 30, f.backBottom,
               kHairLine, 1.4);
}

void drawHairShadow(QPainter& painter, int variant) {
    const QPainterPath cast = fringeShape(fringeStyle(variant)).translated(1, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(kSkinShade, 210));
    painter.drawPath(cast.intersected(defaultFaceArea()));
}

}  // namespace kelvaro::samples
