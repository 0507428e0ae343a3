// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/picture_decode.h"

#include <QBuffer>
#include <QImageReader>

#include "imaging/codec.h"

namespace kelvaro {
namespace {

bool withinLimits(QSize size) {
    const qint64 bytes = qint64{size.width()} * size.height() * 4;
    return size.width() <= kDecodeSideLimit && size.height() <= kDecodeSideLimit &&
           bytes <= (qint64{kPictureAllocationLimitMiB} << 20);
}

}  // namespace

DecodedPicture decodePicture(const QByteArray& bytes) {
    DecodedPicture picture;
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly) || !pngChunksIntact(buffer))
        return picture;
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kPictureAllocationLimitMiB);
    reader.setAutoTransform(true);
    picture.declaredSize = reader.size();
    if (picture.declaredSize.isValid() && !withinLimits(picture.declaredSize)) {
        picture.reading = PictureReading::TooLarge;
        return picture;
    }
    const bool png = reader.format() == "png";
    QImage image = reader.read();
    if (image.isNull() || !withinLimits(image.size()))
        return picture;
    picture.storedPng = png && reader.transformation() == QImageIOHandler::TransformationNone;
    picture.image = std::move(image);
    picture.reading = PictureReading::Read;
    return picture;
}

}  // namespace kelvaro
