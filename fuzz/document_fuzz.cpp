// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait document reader: any bytes read as a document or one clear error, and a document
// that reads is written and read back unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/fuzz_check.h"
#include "model/document_json.h"

namespace {

using kelvaro::DocumentFile;
using kelvaro::fuzz::check;

bool sameDocument(const DocumentFile& a, const DocumentFile& b) {
    return a.portrait == b.portrait && a.parts == b.parts && a.seed == b.seed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = kelvaro::readDocumentJson(bytes);
    const auto* document = std::get_if<DocumentFile>(&read);
    if (document == nullptr)
        return 0;
    const std::string written = kelvaro::writeDocumentJson(*document);
    const auto again = kelvaro::readDocumentJson(written);
    const auto* reread = std::get_if<DocumentFile>(&again);
    check(reread != nullptr, "a document that was read reads again once written");
    check(sameDocument(*document, *reread), "a written document reads back unchanged");
    check(kelvaro::writeDocumentJson(*reread) == written, "writing it again gives the same text");
    return 0;
}
