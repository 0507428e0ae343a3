// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/support/fixtures.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "io/file_boundary.h"

namespace kelvaro::test {

TempFolder::TempFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

std::filesystem::path TempFolder::path() const {
    return toPath(m_dir.path());
}

std::filesystem::path TempFolder::writeFile(const std::filesystem::path& relative,
                                            const std::string& bytes) const {
    const auto file = path() / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

void writeArgbPng(const std::filesystem::path& file, int width, int height,
                  const std::function<Argb(int x, int y)>& pixelAt) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<Argb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = pixelAt(x, y);
    }
    // Encoded in memory and written by the file's own bytes, so that any name can be written.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode fixture " + file.string());
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
    if (!out)
        throw std::runtime_error("cannot write fixture " + file.string());
}

void writeSolidPart(const std::filesystem::path& file, Argb colour) {
    writeArgbPng(file, kPartSize, kPartSize, [colour](int, int) { return colour; });
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kelvaro::test
