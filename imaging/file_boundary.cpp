#include "imaging/file_boundary.h"

#include <QFile>

namespace kelvaro {

QString toQtPath(const std::filesystem::path& file) {
    return QFile::decodeName(file.c_str());
}

std::filesystem::path toPath(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace kelvaro
