// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The drawers of the part families. Each paints one variant of one layer onto a painter that is
// already set up in canvas coordinates (see PartCanvas); a variant it has nothing for stays empty.
// The variant is the part number, less one for the elements whose part 000 is empty.
#pragma once

#include <QPainter>
#include <QPainterPath>

namespace kelvaro::samples {

using PartDrawer = void (*)(QPainter& painter, int variant);

// Face, neck and ears.
void drawFace(QPainter& painter, int variant);
void drawNeck(QPainter& painter, int variant);
void drawEars(QPainter& painter, int variant);

// Eyes: the outline around the opening, the opening itself (eye white and iris mask), the iris.
void drawEyes(QPainter& painter, int variant);
void drawEyeShape(QPainter& painter, int variant);
void drawIris(QPainter& painter, int variant);

// Nose, mouth, open mouth, brows and beard.
void drawNose(QPainter& painter, int variant);
void drawMouth(QPainter& painter, int variant);
void drawOpenMouth(QPainter& painter, int variant);
void drawBrows(QPainter& painter, int variant);
void drawBeard(QPainter& painter, int variant);

// Front hair: the fringe on top, the hair mass behind the head, the shadow on the forehead.
void drawFringe(QPainter& painter, int variant);
void drawFrontHairBack(QPainter& painter, int variant);
void drawHairShadow(QPainter& painter, int variant);

// Back hair: locks in front of the face, the mass behind everything, hair over the shoulders.
void drawBackHairLocks(QPainter& painter, int variant);
void drawBackHairMass(QPainter& painter, int variant);
void drawBackHairOver(QPainter& painter, int variant);

// Clothes: the collar in front, the body behind the hair.
void drawCollar(QPainter& painter, int variant);
void drawBody(QPainter& painter, int variant);

// Headwear in three depths, accessories and bands.
void drawHatFront(QPainter& painter, int variant);
void drawHatBack(QPainter& painter, int variant);
void drawHatMiddle(QPainter& painter, int variant);
void drawAccessory(QPainter& painter, int variant);
void drawBand(QPainter& painter, int variant);

// Marks of feeling over the face, drawn as bands: 0 blush, 1 tears, 2 a sweat drop, 3 an anger
// mark; any other mark stays empty.
void drawFaceMark(QPainter& painter, int mark);

}  // namespace kelvaro::samples

namespace kelvaro::samples {

// Shapes shared between families: the skin area of the default face (the hair shadow is kept
// inside it).
QPainterPath defaultFaceArea();

}  // namespace kelvaro::samples
