// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/companion_placement.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace kelvaro {
namespace {

enum class Side { Right, Left };
constexpr std::array<Side, 2> kSidesInTurn = {Side::Right, Side::Left};

int heightOn(const CompanionRoom& room) {
    return std::min(room.wanted.height(), room.screen.height());
}

// The start nearest to `start` at which `length` (at most `areaLength`) lies inside the area.
int fitted(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

QRect fittedFrame(const CompanionRoom& room, QPoint topLeft, QSize size) {
    const QRect& screen = room.screen;
    return {fitted(topLeft.x(), size.width(), screen.x(), screen.width()),
            fitted(topLeft.y(), size.height(), screen.y(), screen.height()), size.width(),
            size.height()};
}

// The left edge of a frame `width` wide beside the editor on `side`, `kCompanionGap` away.
int besideX(const QRect& editor, Side side, int width) {
    return side == Side::Right ? editor.x() + editor.width() + kCompanionGap
                               : editor.x() - kCompanionGap - width;
}

// The frame beside the editor on `side`, narrowed to the room there; none when even the
// narrowest width does not fit.
std::optional<QRect> besideEditor(const CompanionRoom& room, Side side) {
    const QRect& editor = room.editor;
    const QRect& screen = room.screen;
    const int space = side == Side::Right ? screen.x() + screen.width() - besideX(editor, side, 0)
                                          : besideX(editor, side, 0) - screen.x();
    if (space < room.narrowest)
        return std::nullopt;
    const int width = std::min(std::max(room.wanted.width(), room.narrowest), space);
    return fittedFrame(room, QPoint(besideX(editor, side, width), editor.y()),
                       QSize(width, heightOn(room)));
}

qint64 coveredArea(const QRect& frame, const QRect& editor) {
    const QRect covered = frame.intersected(editor);
    return covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
}

// At the wanted size (narrowing is for fitting beside the editor). Least covered lies at one of
// the screen's edges or just clear of the editor, in each direction on its own; the first such
// place wins a tie.
QRect leastCovering(const CompanionRoom& room) {
    const QRect& editor = room.editor;
    const QSize size(std::min(std::max(room.wanted.width(), room.narrowest), room.screen.width()),
                     heightOn(room));
    const std::array<int, 3> tops = {editor.y(), editor.y() + editor.height() + kCompanionGap,
                                     editor.y() - kCompanionGap - size.height()};
    QRect best;
    qint64 bestArea = std::numeric_limits<qint64>::max();
    for (int top : tops) {
        for (Side side : kSidesInTurn) {
            const QRect frame =
                fittedFrame(room, QPoint(besideX(editor, side, size.width()), top), size);
            const qint64 area = coveredArea(frame, editor);
            if (area < bestArea) {
                best = frame;
                bestArea = area;
            }
        }
    }
    return best;
}

}  // namespace

QRect placeCompanion(const CompanionRoom& room) {
    if (room.screen.isEmpty())  // no screen to fit in: over the editor, at the first size
        return {room.editor.topLeft(), room.wanted};
    for (Side side : kSidesInTurn) {
        if (const std::optional<QRect> frame = besideEditor(room, side))
            return *frame;
    }
    return leastCovering(room);
}

bool liesOnAScreen(const QRect& frame, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& screen) { return screen.contains(frame); });
}

}  // namespace kelvaro
