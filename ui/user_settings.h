// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
<<<<<<< HEAD
// The program's own settings of the user running it (on Linux ~/.config/kelvaro/kelvaro.conf,
// under $XDG_CONFIG_HOME), apart from the portrait settings in Kelvaro.ini: the companion
// window's place, the language chosen.
=======
// The program's own settings of the user running it (on Linux ~/.config/kelvaro/kelvaro.conf),
// apart from the portrait settings in Kelvaro.ini: window places, the companion's open tab, the
// recently opened documents.
>>>>>>> desktop-habits
#pragma once

#include <QSettings>

namespace kelvaro {

<<<<<<< HEAD
// The settings of organisation and application "kelvaro", whatever the running program is called.
class UserSettings : public QSettings {
public:
    UserSettings()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("kelvaro"),
                    QStringLiteral("kelvaro")) {}
=======
class UserSettings : public QSettings {
public:
    // The settings of organisation and application "kelvaro" in the user's scope.
    UserSettings();
>>>>>>> desktop-habits
};

}  // namespace kelvaro
