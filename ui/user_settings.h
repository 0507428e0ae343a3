// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The program's own settings of the user running it (on Linux ~/.config/kelvaro/kelvaro.conf),
// apart from the portrait settings in Kelvaro.ini: window places, the companion's open tab, the
// recently opened documents.
#pragma once

#include <QSettings>

namespace kelvaro {

class UserSettings : public QSettings {
public:
    // The settings of organisation and application "kelvaro" in the user's scope.
    UserSettings();
};

}  // namespace kelvaro
