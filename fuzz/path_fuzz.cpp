// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The path conversion: every byte string survives the way to Qt's strings and back, and a name
// that is valid UTF-8 reads as Qt itself reads it.
#include <QString>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "io/file_boundary.h"

namespace {

using kelvaro::fuzz::check;

bool validUtf8(const std::string& bytes) {
    const QString decoded = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoded.toUtf8().toStdString() == bytes &&
           !decoded.contains(QChar::ReplacementCharacter);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path path(bytes);
    const QString text = kelvaro::toQtPath(path);
    check(kelvaro::toPath(text).native() == bytes, "every byte survives the round trip");
    if (validUtf8(bytes))
        check(text == QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())),
              "valid UTF-8 reads as Qt reads it");
    return 0;
}
