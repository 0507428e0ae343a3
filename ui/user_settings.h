// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The program's own settings of the user running it (on Linux ~/.config/kelvaro/kelvaro.conf,
// under $XDG_CONFIG_HOME), apart from the portrait settings in Kelvaro.ini: the companion
// window's place, the language chosen.
#pragma once

#include <QSettings>

namespace kelvaro {

// The settings of organisation and application "kelvaro", whatever the running program is called.
class UserSettings : public QSettings {
public:
    UserSettings()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("kelvaro"),
                    QStringLiteral("kelvaro")) {}
};

}  // namespace kelvaro
