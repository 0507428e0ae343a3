// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Runs a fuzz target over files instead of under libFuzzer: every file named on the command line,
// and every regular file in every folder named there, is passed to LLVMFuzzerTestOneInput once.
// The normal build runs each target so over its committed corpus as an ordinary test; a crash,
// a leak or a failed check aborts it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(const fs::path& named) {
    if (!fs::is_directory(named))
        return {named};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(named)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool runOne(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(data.data(), data.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : inputsOf(argv[i])) {
            if (!runOne(file)) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            ++count;
        }
    }
    std::printf("%zu inputs run\n", count);
    return count > 0 ? 0 : 1;
}
