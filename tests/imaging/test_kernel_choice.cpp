// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which kernels run: the switches a test program may turn off, and that they are in force. The
// imaging and UI suites run twice, the second time with KELVARO_DISABLE=avx2,fastpaths; this
// test proves that the second run does take the general path.
#include <gtest/gtest.h>

#include <QByteArray>
#include <string>

#include "imaging/compositor.h"
#include "imaging/kernel_choice.h"
#include "imaging/layer_plan.h"

namespace kelvaro {
namespace {

bool operator==(const KernelFeatures& a, const KernelFeatures& b) {
    return a.avx2 == b.avx2 && a.fastPaths == b.fastPaths && a.avx512 == b.avx512;
}

TEST(KernelChoice, SwitchesTurnOffTheNamedFeaturesOnly) {
    const KernelFeatures all{true, true, true};
    struct Row {
        const char* names;
        std::optional<KernelFeatures> result;
    };
    const Row rows[] = {
        {"", all},
        {"avx2", KernelFeatures{false, true, false}},
        {"avx512", KernelFeatures{true, true, false}},
        {"fastpaths", KernelFeatures{false, false, false}},
        {"avx2,fastpaths", KernelFeatures{false, false, false}},
        {",avx2,", KernelFeatures{false, true, false}},
        {"AVX2", std::nullopt},
        {"avx2,cover", std::nullopt},
        {"avx2 ", std::nullopt},
    };
    for (const Row& row : rows) {
        const auto result = withoutFeatures(all, row.names);
        EXPECT_EQ(result.has_value(), row.result.has_value()) << row.names;
        if (result && row.result) {
            EXPECT_TRUE(*result == *row.result) << row.names;
        }
    }
}

TEST(KernelChoice, TheSwitchesOfThisRunAreInForce) {
    const std::string disabled = qgetenv("KELVARO_DISABLE").toStdString();
    const bool general = disabled.find("fastpaths") != std::string::npos;
    EXPECT_EQ(kernelFeatures().fastPaths, !general);
    if (general || disabled.find("avx2") != std::string::npos) {
        EXPECT_FALSE(kernelFeatures().avx2);
        EXPECT_FALSE(kernelFeatures().avx512);
    }
    EXPECT_FALSE(disableKernelFeatures("nonsense"));
    EXPECT_EQ(kernelFeatures().fastPaths, !general) << "an unknown name changes nothing";

    // An unturned layer at a whole-pixel position: a copy kernel, unless fast paths are off.
    auto image = std::make_unique<PartPixels>();
    image->fill(0xff102030u);
    const CompositorLayer layer(image.get(), -19, -19, 0);
    const auto plans = planLayers({&layer, 1}, true);
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].copies, !general);
    if (general) {
        EXPECT_EQ(plans[0].kernel, &cubicSpan);
    }
}

}  // namespace
}  // namespace kelvaro
