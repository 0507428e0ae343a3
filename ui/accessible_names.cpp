// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <QCoreApplication>
#include <array>

#include "ui/control_ids.h"

namespace kelvaro {
namespace {

using namespace ids;

constexpr std::array<AccessibleText, 22> kTexts = {{
    {kCanvas, QT_TRANSLATE_NOOP("AccessibleTexts", "Portret"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Portret, tak jak zostanie zapisany")},
    {kElementList, QT_TRANSLATE_NOOP("AccessibleTexts", "Element twarzy"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Element twarzy, nad którym pracujesz")},
    {kCounter, nullptr,
     QT_TRANSLATE_NOOP("AccessibleTexts", "Numer bieżącej części / najwyższy numer w bibliotece")},
    {kPrevious, QT_TRANSLATE_NOOP("AccessibleTexts", "Poprzednia część"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Poprzednia część elementu")},
    {kNext, QT_TRANSLATE_NOOP("AccessibleTexts", "Następna część"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Następna część elementu")},
    {kMoveUp, QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń w górę"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń element o jeden piksel w górę")},
    {kMoveDown, QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń w dół"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń element o jeden piksel w dół")},
    {kMoveLeft, QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń w lewo"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń element o jeden piksel w lewo")},
    {kMoveRight, QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń w prawo"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Przesuń element o jeden piksel w prawo")},
    {kRedBar, QT_TRANSLATE_NOOP("AccessibleTexts", "Czerwony"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Czerwony, od 0 do 255")},
    {kRedBar + 1, QT_TRANSLATE_NOOP("AccessibleTexts", "Zielony"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Zielony, od 0 do 255")},
    {kRedBar + 2, QT_TRANSLATE_NOOP("AccessibleTexts", "Niebieski"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Niebieski, od 0 do 255")},
    {kRedBar + 3, QT_TRANSLATE_NOOP("AccessibleTexts", "Jasność"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Jasność, od −100 do 100")},
    {kRedBar + 4, QT_TRANSLATE_NOOP("AccessibleTexts", "Kontrast"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Kontrast, od −100 do 100")},
    {kRedEdit, QT_TRANSLATE_NOOP("AccessibleTexts", "Czerwony"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Czerwony, od 0 do 255")},
    {kRedEdit + 1, QT_TRANSLATE_NOOP("AccessibleTexts", "Zielony"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Zielony, od 0 do 255")},
    {kRedEdit + 2, QT_TRANSLATE_NOOP("AccessibleTexts", "Niebieski"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Niebieski, od 0 do 255")},
    {kRedEdit + 3, QT_TRANSLATE_NOOP("AccessibleTexts", "Jasność"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Jasność, od −100 do 100")},
    {kRedEdit + 4, QT_TRANSLATE_NOOP("AccessibleTexts", "Kontrast"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Kontrast, od −100 do 100")},
    {kSize48, QT_TRANSLATE_NOOP("AccessibleTexts", "Rozmiar 48×48"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Zapisz portret w rozmiarze 48×48 pikseli")},
    {kSize48 + 1, QT_TRANSLATE_NOOP("AccessibleTexts", "Rozmiar 96×96"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Zapisz portret w rozmiarze 96×96 pikseli")},
    {kSize48 + 2, QT_TRANSLATE_NOOP("AccessibleTexts", "Rozmiar 192×192"),
     QT_TRANSLATE_NOOP("AccessibleTexts", "Zapisz portret w rozmiarze 192×192 pikseli")},
}};

QString translated(const char* text) {
    return QCoreApplication::translate("AccessibleTexts", text);
}

}  // namespace

std::span<const AccessibleText> accessibleTexts() {
    return kTexts;
}

void applyAccessibleTexts(QWidget* window) {
    for (const AccessibleText& text : kTexts) {
        auto* control = window->findChild<QWidget*>(QStringLiteral("control%1").arg(text.id));
        if (!control)
            continue;
        if (text.name)
            control->setAccessibleName(translated(text.name));
        // Qt gives a control without a description of its own its tooltip as description.
        control->setToolTip(translated(text.toolTip));
    }
}

}  // namespace kelvaro
