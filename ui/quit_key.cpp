// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/quit_key.h"

#include <QShortcut>

#include "ui/kelvaro_dlg.h"

namespace kelvaro {

void addQuitKey(CKelvaroDlg& editor) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &editor);
    shortcut->setObjectName(QStringLiteral("quitKey"));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &editor, &CKelvaroDlg::onCloseCommand);
}

}  // namespace kelvaro
