// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The counter's text from a part number and the highest one.
#include <gtest/gtest.h>

#include "ui/counter_text.h"

namespace kelvaro::test {
namespace {

TEST(CounterText, FormatsPartAndHighest) {
    struct Row {
        int part;
        int highest;
        const char* expected;
    };
    const Row rows[] = {
        {3, 11, "  3/11"},     {-1, -1, " -1/-1"}, {0, 0, "  0/0"},
        {999, 999, "999/999"}, {12, 5, " 12/5"},   {1000, 7, "1000/7"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(counterText(r.part, r.highest), QString::fromLatin1(r.expected)) << r.expected;
}

}  // namespace
}  // namespace kelvaro::test
