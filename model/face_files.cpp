// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/face_files.h"

#include <algorithm>
#include <set>

namespace kelvaro {
namespace {

constexpr std::size_t kMaxNameBytes = 200;
constexpr std::string_view kBaseName = "Neutralna";
constexpr std::string_view kUnnamed = "Mina";
constexpr std::string_view kExtension = ".png";

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// `name` made safe to stand as a file's name.
std::string safeName(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return c == '/' || (static_cast<unsigned char>(c) < 0x20); }, '_');
    const auto first = name.find_first_not_of(' ');
    name.erase(0, first == std::string::npos ? name.size() : first);
    name.erase(name.find_last_not_of(' ') + 1);
    if (name.size() > kMaxNameBytes) {
        std::size_t end = kMaxNameBytes;
        while (end > 0 && isContinuationByte(name[end]))
            --end;
        name.resize(end);
    }
    if (name.empty() || name == "." || name == "..")
        return std::string(kUnnamed);
    return name;
}

}  // namespace

std::vector<std::string> faceFileNames(const ExpressionSet& set) {
    std::vector<std::string> names{std::string(kBaseName)};
    for (const Expression& expression : set.expressions)
        names.push_back(safeName(expression.name));
    std::set<std::string> taken;
    for (std::string& name : names) {
        std::string unique = name;
        for (int copy = 2; taken.contains(unique); ++copy)
            unique = std::string(name).append(" (").append(std::to_string(copy)).append(")");
        taken.insert(unique);
        name = unique.append(kExtension);
    }
    return names;
}

}  // namespace kelvaro
