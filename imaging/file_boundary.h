// Where the program's paths meet Qt's strings: one conversion each way that keeps every byte of
// a file name, also names that are not valid UTF-8.
#pragma once

#include <QString>
#include <filesystem>

namespace kelvaro {

// The path as Qt names files (the locale's file-name encoding, undecodable bytes kept).
QString toQtPath(const std::filesystem::path& file);

// The path a Qt file name stands for; toPath(toQtPath(p)) == p for every path.
std::filesystem::path toPath(const QString& file);

}  // namespace kelvaro
