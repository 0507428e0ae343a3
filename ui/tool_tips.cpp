// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/tool_tips.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>
#include <array>

namespace kelvaro {
namespace {

constexpr const char* kContext = "kelvaro::ToolTips";

struct ToolTip {
    const char* objectName;
    const char* text;
    QKeyCombination key;  // none: the button has no key
};

constexpr std::array<ToolTip, 23> kToolTips = {{
    {"control1009",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Ustaw element na środku, bez obrotu"),
     {}},
    {"control1027", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Obróć element o 5° w prawo"), {}},
    {"control1028", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Obróć element o 5° w lewo"), {}},
    {"control1023", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Wylosuj nowe części twarzy"), {}},
    {"control1024",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Wróć do części zapisanych we wzorze"),
     {}},
    {"control1025",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Zapamiętaj obecne części jako wzór"),
     {}},
    {"control1026", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Pokaż informacje o programie"), {}},
    {"control57670", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Otwórz pomoc"),
     QKeyCombination(Qt::Key_F1)},
    {"control1",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Zapisz portret jako obraz PNG lub BMP"),
     {}},
    {"control2", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Zamknij program"), Qt::ALT | Qt::Key_F4},
    {"linkColours",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Ten sam kolor dla połączonych elementów"),
     {}},
    {"otherColour", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Wybierz dowolny kolor"), {}},
    {"drawColours", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Wylosuj kolory portretu"),
     Qt::CTRL | Qt::Key_K},
    {"importPalette",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Dodaj paletę z pliku GIMP-a (.gpl)"),
     {}},
    {"addExpression", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Dodaj nową minę"), {}},
    {"removeExpression", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Usuń wybraną minę"), {}},
    {"renameExpression", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Zmień nazwę wybranej miny"), {}},
    {"showAsBase",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Pokaż element w tej minie tak jak w neutralnej"),
     {}},
    {"basicExpressions", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Dodaj podstawowy zestaw min"), {}},
    {"loadExpressions",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Wczytaj miny z innego portretu"),
     {}},
    // The arrows Qt's tab bar shows when its tabs do not fit.
    {"ScrollLeftButton", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Pokaż wcześniejsze karty"), {}},
    {"ScrollRightButton", QT_TRANSLATE_NOOP("kelvaro::ToolTips", "Pokaż dalsze karty"), {}},
    {"editorWindow",
     QT_TRANSLATE_NOOP("kelvaro::ToolTips",
                       "Prawy przycisk myszy albo Shift+F10 otwiera menu z dalszymi poleceniami"),
     {}},
}};

// "Otwórz pomoc (F1)": the text in the language shown, with the key when there is one.
QString toolTipText(const ToolTip& tip) {
    const QString text = QCoreApplication::translate(kContext, tip.text);
    if (tip.key == QKeyCombination())
        return text;
    return text + QStringLiteral(" (") + QKeySequence(tip.key).toString(QKeySequence::NativeText) +
           QLatin1Char(')');
}

}  // namespace

void applyToolTips(QWidget& window) {
    for (const ToolTip& tip : kToolTips) {
        const QString name = QString::fromLatin1(tip.objectName);
        QWidget* widget = window.objectName() == name ? &window : window.findChild<QWidget*>(name);
        if (widget)
            widget->setToolTip(toolTipText(tip));
    }
}

}  // namespace kelvaro
