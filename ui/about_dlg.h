// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The About box: the application icon, the version line and three credit lines.
#pragma once

#include <QDialog>

namespace kelvaro {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* owner);
};

}  // namespace kelvaro
