// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/image_plugin_warm_up.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace kelvaro {

// Asking the format of an empty device asks every plugin, and so loads each of them.
void loadImageFormatPlugins() {
    QByteArray nothing;
    QBuffer device(&nothing);
    device.open(QIODevice::ReadOnly);
    QImageReader::imageFormat(&device);
}

}  // namespace kelvaro
