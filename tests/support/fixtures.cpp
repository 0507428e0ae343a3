#include "tests/support/fixtures.h"

#include <QImage>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kelvaro::test {

TempFolder::TempFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

std::filesystem::path TempFolder::path() const {
    return std::filesystem::path(m_dir.path().toStdString());
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
    std::filesystem::create_directories(file.parent_path());
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
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

}  // namespace kelvaro::test
