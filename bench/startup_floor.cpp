// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The floor of the editor's felt start-up: a minimal Qt Widgets dialog of the editor window's size
// with a few controls, nothing else. scripts/bench-first-frame measures it beside the editor.
//
//   kelvaro-bench-startup-floor [WIDTHxHEIGHT]
//
// The size defaults to the editor window's at the usual font; the script passes the size it saw.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <cstdio>

namespace {

constexpr int kDefaultWidth = 495;
constexpr int kDefaultHeight = 458;

// The size asked for on the command line, else the default; width 0 when it cannot be read.
QSize requestedSize(int argc, char** argv) {
    if (argc < 2)
        return {kDefaultWidth, kDefaultHeight};
    const QStringList parts = QString::fromLocal8Bit(argv[1]).split(QLatin1Char('x'));
    if (parts.size() != 2)
        return {};
    const int width = parts[0].toInt();
    const int height = parts[1].toInt();
    return width > 0 && height > 0 ? QSize(width, height) : QSize();
}

// A few controls of the kinds the editor shows.
void addControls(QDialog& dialog) {
    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Element"), &dialog), 0, 0);
    auto* choice = new QComboBox(&dialog);
    choice->addItems({QStringLiteral("Twarz"), QStringLiteral("Oczy"), QStringLiteral("Usta")});
    layout->addWidget(choice, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Czerwony"), &dialog), 1, 0);
    auto* number = new QSpinBox(&dialog);
    number->setRange(0, 255);
    layout->addWidget(number, 1, 1);
    layout->addWidget(new QPushButton(QStringLiteral("Zapisz"), &dialog), 2, 0);
    layout->addWidget(new QPushButton(QStringLiteral("Anuluj"), &dialog), 2, 1);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QSize size = requestedSize(argc, argv);
    if (size.width() == 0) {
        std::fprintf(stderr, "usage: %s [WIDTHxHEIGHT]\n", argv[0]);
        return 2;
    }
    QDialog dialog;
    addControls(dialog);
    dialog.setFixedSize(size);
    dialog.show();
    return QApplication::exec();
}
