// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/image_warnings.h"

#include <QtGlobal>
#include <string_view>

namespace kelvaro::render {
namespace {

constexpr std::string_view kImageCategory = "qt.gui.imageio";

QtMessageHandler previousHandler = nullptr;

bool isImageMessage(const QMessageLogContext& context) {
    if (context.category == nullptr)
        return false;
    const std::string_view category = context.category;
    return category.starts_with(kImageCategory) &&
           (category.size() == kImageCategory.size() || category[kImageCategory.size()] == '.');
}

void dropImageMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg && isImageMessage(context))
        return;
    previousHandler(type, context, text);
}

}  // namespace

void silenceImageWarnings() {
    previousHandler = qInstallMessageHandler(dropImageMessages);
}

}  // namespace kelvaro::render
