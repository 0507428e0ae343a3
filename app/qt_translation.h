// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// Qt's own Polish translation (qtbase_pl.qm from Qt's translations folder), so that the windows
// Qt builds itself, the file dialogs and the message boxes' buttons, speak Polish like the
// rest of the editor.
#pragma once

#include <QTranslator>
#include <memory>

namespace kelvaro {

// The loaded translation, to be installed on the application; null when Qt's translations are
// not installed, and the dialogs keep Qt's English then.
std::unique_ptr<QTranslator> loadQtTranslation();

}  // namespace kelvaro
