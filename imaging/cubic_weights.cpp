// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/cubic_weights.h"

#include <cmath>

namespace kelvaro {
namespace {

using WeightTable = std::array<TapWeights, kPhaseCount>;

TapWeights roundedWeights(int phase) {
    const double t = static_cast<double>(phase) / kPhaseCount;
    const std::array<double, 4> distances{1.0 + t, t, 1.0 - t, 2.0 - t};
    TapWeights weights{};
    int sum = 0;
    for (std::size_t tap = 0; tap < 4; ++tap) {
        weights[tap] =
            static_cast<std::int16_t>(std::lround(keysCubic(distances[tap]) * kWeightOne));
        sum += weights[tap];
    }
    // The rounding error goes to the heavier of the two middle taps.
    const std::size_t heavy = weights[1] >= weights[2] ? 1 : 2;
    weights[heavy] = static_cast<std::int16_t>(weights[heavy] + kWeightOne - sum);
    return weights;
}

WeightTable buildTable() {
    WeightTable table{};
    for (int phase = 0; phase < kPhaseCount; ++phase)
        table[phase] = roundedWeights(phase);
    return table;
}

}  // namespace

double keysCubic(double distance) {
    const double d = std::fabs(distance);
    if (d <= 1.0)
        return (1.5 * d - 2.5) * d * d + 1.0;
    if (d < 2.0)
        return ((-0.5 * d + 2.5) * d - 4.0) * d + 2.0;
    return 0.0;
}

const TapWeights* cubicWeightTable() {
    static const WeightTable table = buildTable();
    return table.data();
}

}  // namespace kelvaro
