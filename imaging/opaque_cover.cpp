// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/opaque_cover.h"

#include <cstring>

#include "imaging/opaque_taps.h"

namespace kelvaro {
namespace {

bool opaqueAt(const PartPixels& image, int column, int row) {
    return alphaOf(image[static_cast<std::size_t>(row * kPartSize + column)]) == 255;
}

// The first column from `column` on that no higher layer covers, or `last`.
int nextOpen(const std::uint8_t* marks, int column, int last) {
    if (column >= last || marks[column] == 0)
        return column;
    const void* open = std::memchr(marks + column, 0, static_cast<std::size_t>(last - column));
    return open == nullptr ? last
                           : static_cast<int>(static_cast<const std::uint8_t*>(open) - marks);
}

// True when some column of [first, last) is not covered by a higher layer.
bool anyOpen(const std::uint8_t* marks, int first, int last) {
    return nextOpen(marks, first, last) < last;
}

// Marks the open pixels of a whole-pixel span whose pixel is opaque, skipping covered runs.
void markCopied(const LayerPlan& plan, const ColumnSpan& span, int row, std::uint8_t level,
                std::uint8_t* marks) {
    const std::int64_t x = sampleX(plan.place, span.first, row);
    const std::int64_t y = sampleY(plan.place, span.first, row);
    for (int column = nextOpen(marks, span.first, span.last); column < span.last;
         column = nextOpen(marks, column + 1, span.last)) {
        const std::int64_t steps = column - span.first;
        if (opaqueAt(*plan.image,
                     static_cast<int>((x + steps * plan.place.columnStepX) >> kFixedBits),
                     static_cast<int>((y + steps * plan.place.columnStepY) >> kFixedBits)))
            marks[column] = level;
    }
}

// The same marks for an unturned layer, whose span reads one image row left to right: every
// column is looked at, without branching on the pixels.
void markCopiedRow(const LayerPlan& plan, const ColumnSpan& span, int row, std::uint8_t level,
                   std::uint8_t* marks) {
    const auto left = static_cast<int>(sampleX(plan.place, span.first, row) >> kFixedBits);
    const auto top = static_cast<int>(sampleY(plan.place, span.first, row) >> kFixedBits);
    const Argb* source = plan.image->data() + top * kPartSize + left;
    std::uint8_t* target = marks + span.first;
    // Kept in locals: a store through `target` may alias anything, the plan's spans too.
    const int count = span.last - span.first;
    const std::uint8_t mark = level;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t opaque = alphaOf(source[i]) == 255 ? mark : 0;
        target[i] = target[i] != 0 ? target[i] : opaque;
    }
}

// Sample coordinates whose whole-pixel position lies in `box`.
SampleWindow positionsIn(const PixelBox& box) {
    return {box.left * kFixedOne - 1, box.right * kFixedOne, box.top * kFixedOne - 1,
            box.bottom * kFixedOne};
}

// Marks the open pixels of a cubic row whose sample reads only opaque pixels. Only the columns
// whose sample position lies in the bounds of the opaque positions are looked at, without
// branching on the pixels.
void markSampled(const LayerPlan& plan, OpaqueTaps& taps, int row, std::uint8_t level,
                 std::uint8_t* marks) {
    const ColumnSpan span = columnSpan(plan.place, row, positionsIn(taps.opaque()));
    std::int64_t x = sampleX(plan.place, span.first, row);
    std::int64_t y = sampleY(plan.place, span.first, row);
    for (int column = span.first; column < span.last; ++column) {
        const std::uint8_t solid =
            taps.inside(static_cast<int>(x >> kFixedBits), static_cast<int>(y >> kFixedBits));
        marks[column] =
            marks[column] != 0 ? marks[column] : static_cast<std::uint8_t>(solid * level);
        x += plan.place.columnStepX;
        y += plan.place.columnStepY;
    }
}

// Marks the pixels of one row span not yet covered; true when there was any.
bool markSpan(const LayerPlan& plan, OpaqueTaps& taps, int row, std::uint8_t level,
              CoverMap& cover) {
    const ColumnSpan& span = plan.spans[static_cast<std::size_t>(row)];
    std::uint8_t* marks = cover.data() + row * kCanvasSize;
    if (!anyOpen(marks, span.first, span.last))
        return false;
    if (!plan.copies && taps.none())
        return true;
    if (plan.copies && plan.place.quarterTurns == 0)
        markCopiedRow(plan, span, row, level, marks);
    else if (plan.copies)
        markCopied(plan, span, row, level, marks);
    else
        markSampled(plan, taps, row, level, marks);
    return true;
}

}  // namespace

std::vector<bool> markOpaqueCover(std::span<const LayerPlan> plans, CoverMap& cover) {
    cover.fill(0);
    if (plans.size() > kMaxCoverLevels)
        return std::vector<bool>(plans.size(), true);
    return markOpaqueCoverUnder(plans, 0, cover);
}

std::vector<bool> markOpaqueCoverUnder(std::span<const LayerPlan> plans, std::size_t firstLevel,
                                       CoverMap& cover) {
    std::vector<bool> shows(plans.size(), true);
    OpaqueTaps taps;
    for (std::size_t k = plans.size(); k-- > 0;) {
        const auto level = static_cast<std::uint8_t>(firstLevel + k + 1);
        if (plans[k].firstRow >= plans[k].lastRow) {
            shows[k] = false;  // an empty plan
            continue;
        }
        if (!plans[k].copies)
            taps.reset(*plans[k].image, plans[k].box);
        bool any = false;
        for (int row = plans[k].firstRow; row < plans[k].lastRow; ++row)
            any = markSpan(plans[k], taps, row, level, cover) || any;
        shows[k] = any;
    }
    return shows;
}

}  // namespace kelvaro
