// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/kernel_choice.h"

#include <array>

namespace kelvaro {
namespace {

KernelFeatures processorFeatures() {
    KernelFeatures features;
#ifdef KELVARO_X86
    features.avx2 = __builtin_cpu_supports("avx2");
    features.avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                      __builtin_cpu_supports("avx512vbmi");
#endif
    return features;
}

KernelFeatures& features() {
    static KernelFeatures chosen = processorFeatures();
    return chosen;
}

struct Switch {
    std::string_view name;
    void (*turnOff)(KernelFeatures&);
};
constexpr std::array<Switch, 3> kSwitches{{
    {"avx2",
     [](KernelFeatures& f) {
         f.avx2 = false;
         f.avx512 = false;
     }},
    {"avx512", [](KernelFeatures& f) { f.avx512 = false; }},
    {"fastpaths",
     [](KernelFeatures& f) {
         f.fastPaths = false;
         f.avx2 = false;
         f.avx512 = false;
     }},
}};

const Switch* switchNamed(std::string_view name) {
    for (const Switch& s : kSwitches) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

}  // namespace

const KernelFeatures& kernelFeatures() {
    return features();
}

std::optional<KernelFeatures> withoutFeatures(KernelFeatures result, std::string_view names) {
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
        if (name.empty())
            continue;
        const Switch* found = switchNamed(name);
        if (found == nullptr)
            return std::nullopt;
        found->turnOff(result);
    }
    return result;
}

bool disableKernelFeatures(std::string_view names) {
    const auto result = withoutFeatures(features(), names);
    if (result)
        features() = *result;
    return result.has_value();
}

}  // namespace kelvaro
