// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/user_settings.h"

namespace kelvaro {
namespace {

const QString kSettingsOwner = QStringLiteral("kelvaro");  // organisation and application

}  // namespace

UserSettings::UserSettings()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOwner, kSettingsOwner) {}

}  // namespace kelvaro
