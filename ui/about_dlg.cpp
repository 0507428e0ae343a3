// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/about_dlg.h"

#include <QPushButton>

#include "ui/control_factory.h"
#include "ui/control_ids.h"

namespace kelvaro {

CAboutDlg::CAboutDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("aboutBox"));
    buildFromTemplate(aboutTemplate(), this);
    auto* ok = findChild<QPushButton*>(QStringLiteral("control%1").arg(ids::kOk));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kelvaro
