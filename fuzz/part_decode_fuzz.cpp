// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The part and wall decoders on fuzzed bytes written as a file: any bytes decode or fail cleanly,
// and a failed decode leaves the output buffer untouched.
#include <unistd.h>

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fuzz/fuzz_check.h"
#include "model/image_files.h"

namespace {

using kelvaro::fuzz::check;

const std::filesystem::path& inputFile() {
    static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                              ("kelvaro-fuzz-part-" + std::to_string(::getpid()));
    return file;
}

void removeInputFile() {
    std::error_code error;
    std::filesystem::remove(inputFile(), error);
}

template <typename Pixels>
void decodeOrKeep(bool (*decode)(const std::filesystem::path&, Pixels&)) {
    auto pixels = std::make_unique<Pixels>();
    pixels->fill(0x5a5a5a5au);
    const Pixels before = *pixels;
    if (!decode(inputFile(), *pixels))
        check(*pixels == before, "a failed decode leaves the buffer untouched");
}

// readPartImage, whose box of the pixels that are not 0 must be the decoded image's.
bool readPartWithBox(const std::filesystem::path& file, kelvaro::PartPixels& pixels) {
    kelvaro::PixelBox nonZero;
    const bool decoded = kelvaro::readPartImage(file, pixels, &nonZero);
    if (decoded)
        check(nonZero == kelvaro::nonZeroBounds(pixels), "the decode's box is the image's");
    return decoded;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The image plugins (JPEG, GIF, ICO) are found through the application's library paths.
    static QCoreApplication application(*argc, *argv);
    std::atexit(removeInputFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(inputFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        check(out.good(), "the input file is written");
    }
    decodeOrKeep<kelvaro::PartPixels>(readPartWithBox);
    decodeOrKeep<kelvaro::CanvasPixels>(kelvaro::readWallImage);
    return 0;
}
