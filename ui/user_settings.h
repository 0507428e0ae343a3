// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The program's own settings of the user running it (on Linux ~/.config/kelvaro/kelvaro.conf,
// under $XDG_CONFIG_HOME), apart from the portrait settings in Kelvaro.ini: the companion
// window's place and open tab, the language chosen, the recently opened documents.
#pragma once

#include <QSettings>

namespace kelvaro {

class UserSettings : public QSettings {
public:
    // The settings of organisation and application "kelvaro" in the user's scope, whatever the
    // running program is called.
    UserSettings();
};

}  // namespace kelvaro
