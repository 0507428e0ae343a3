// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <array>

#include "ui/control_ids.h"

namespace kelvaro {
namespace {

using namespace ids;

constexpr std::array<AccessibleText, 22> kTexts = {{
    {kCanvas, "Portret", "Portret, tak jak zostanie zapisany"},
    {kElementList, "Element twarzy", "Element twarzy, nad którym pracujesz"},
    {kCounter, nullptr, "Numer bieżącej części / najwyższy numer w bibliotece"},
    {kPrevious, "Poprzednia część", "Poprzednia część elementu"},
    {kNext, "Następna część", "Następna część elementu"},
    {kMoveUp, "Przesuń w górę", "Przesuń element o jeden piksel w górę"},
    {kMoveDown, "Przesuń w dół", "Przesuń element o jeden piksel w dół"},
    {kMoveLeft, "Przesuń w lewo", "Przesuń element o jeden piksel w lewo"},
    {kMoveRight, "Przesuń w prawo", "Przesuń element o jeden piksel w prawo"},
    {kRedBar, "Czerwony", "Czerwony, od 0 do 255"},
    {kRedBar + 1, "Zielony", "Zielony, od 0 do 255"},
    {kRedBar + 2, "Niebieski", "Niebieski, od 0 do 255"},
    {kRedBar + 3, "Jasność", "Jasność, od −100 do 100"},
    {kRedBar + 4, "Kontrast", "Kontrast, od −100 do 100"},
    {kRedEdit, "Czerwony", "Czerwony, od 0 do 255"},
    {kRedEdit + 1, "Zielony", "Zielony, od 0 do 255"},
    {kRedEdit + 2, "Niebieski", "Niebieski, od 0 do 255"},
    {kRedEdit + 3, "Jasność", "Jasność, od −100 do 100"},
    {kRedEdit + 4, "Kontrast", "Kontrast, od −100 do 100"},
    {kSize48, "Rozmiar 48×48", "Zapisz portret w rozmiarze 48×48 pikseli"},
    {kSize48 + 1, "Rozmiar 96×96", "Zapisz portret w rozmiarze 96×96 pikseli"},
    {kSize48 + 2, "Rozmiar 192×192", "Zapisz portret w rozmiarze 192×192 pikseli"},
}};

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
            control->setAccessibleName(QString::fromUtf8(text.name));
        // Qt gives a control without a description of its own its tooltip as description.
        control->setToolTip(QString::fromUtf8(text.toolTip));
    }
}

}  // namespace kelvaro
