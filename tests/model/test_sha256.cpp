// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// SHA-256: each compression kernel against the published test vectors and against Qt's
// QCryptographicHash over lengths around the 64-byte block edges.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <string>
#include <vector>

#include "model/sha256.h"
#include "model/sha256_blocks.h"

namespace kelvaro {
namespace {

struct Kernel {
    const char* name;
    Sha256Blocks blocks;
};

// Every kernel compiled into this build that this processor runs.
std::vector<Kernel> kernels() {
    std::vector<Kernel> all{{"portable", sha256BlocksPortable}};
#ifdef KELVARO_X86
    if (sha256InstructionsAvailable())
        all.push_back({"SHA instructions", sha256BlocksShaNi});
#endif
    return all;
}

std::string hashed(const std::string& text, Sha256Blocks kernel) {
    const Sha256Digest digest =
        sha256({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, kernel);
    return QByteArray(reinterpret_cast<const char*>(digest.data()), qsizetype(digest.size()))
        .toHex()
        .toStdString();
}

// Bytes that differ from position to position and from length to length.
std::string patternOf(std::size_t length) {
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>((i * 131 + length * 7 + (i >> 8)) & 0xff);
    return text;
}

TEST(Sha256, PublishedVectorsWithEveryKernel) {
    const struct {
        std::string message;
        const char* digest;
    } rows[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrl"
         "m"
         "nopqrsmnopqrstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Kernel& kernel : kernels()) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(kernel.name) + ", " + std::to_string(row.message.size()));
            EXPECT_EQ(hashed(row.message, kernel.blocks), row.digest);
        }
    }
}

TEST(Sha256, SameDigestAsQtAroundEveryBlockEdge) {
    std::vector<std::size_t> lengths;
    for (std::size_t length = 0; length <= 200; ++length)
        lengths.push_back(length);
    for (const std::size_t length : {255, 256, 447, 448, 511, 512, 4095, 4096, 65537})
        lengths.push_back(length);
    for (const Kernel& kernel : kernels()) {
        for (const std::size_t length : lengths) {
            SCOPED_TRACE(std::string(kernel.name) + ", " + std::to_string(length));
            const std::string text = patternOf(length);
            const QByteArray expected = QCryptographicHash::hash(QByteArray::fromStdString(text),
                                                                 QCryptographicHash::Sha256);
            EXPECT_EQ(hashed(text, kernel.blocks), expected.toHex().toStdString());
        }
    }
}

// The kernel hashing uses is the processor's fastest.
TEST(Sha256, ChoosesTheInstructionsWhereTheProcessorHasThem) {
#ifdef KELVARO_X86
    const Sha256Blocks expected =
        sha256InstructionsAvailable() ? sha256BlocksShaNi : sha256BlocksPortable;
#else
    const Sha256Blocks expected = sha256BlocksPortable;
#endif
    EXPECT_EQ(chosenSha256Blocks(), expected);
}

}  // namespace
}  // namespace kelvaro
