// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/face_names.h"

#include <set>

namespace kelvaro::render {
namespace {

// Whether `byte` continues a UTF-8 character rather than beginning one.
bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// `name`, or `name (n)` for the first n from 2 that is not in `taken`.
std::string freeName(const std::string& name, const std::set<std::string>& taken) {
    std::string candidate = name;
    for (int n = 2; taken.contains(candidate); ++n)
        candidate = name + " (" + std::to_string(n) + ")";
    return candidate;
}

}  // namespace

std::string safeFileName(std::string_view name) {
    if (name == "." || name == "..")
        return std::string(name.size(), '_');
    std::size_t length = name.size();
    if (length > kLongestFaceName) {
        length = kLongestFaceName;
        while (length > 0 && continuesCharacter(name[length]))
            --length;
    }
    std::string safe(name.substr(0, length));
    for (char& c : safe) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    return safe;
}

std::vector<std::string> faceFileNames(const ExpressionSet& set) {
    std::set<std::string> taken;
    std::vector<std::string> names;
    const auto give = [&](std::string_view name) {
        names.push_back(freeName(safeFileName(name), taken));
        taken.insert(names.back());
    };
    give(kBaseFaceName);
    for (const Expression& expression : set.expressions)
        give(expression.name);
    return names;
}

}  // namespace kelvaro::render
