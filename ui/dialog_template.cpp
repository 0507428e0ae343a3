// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/dialog_template.h"

#include <QCoreApplication>
#include <array>

#include "ui/control_ids.h"

namespace kelvaro {
namespace {

using K = ControlKind;
using namespace ids;

constexpr std::array<ControlTemplate, 41> kEditorControls = {{
    {kCanvas, K::Frame, "", 7, 7, 111, 129, false},
    {kNone, K::GroupBox, QT_TRANSLATE_NOOP("Template", "Element twarzy"), 145, 7, 65, 47, false},
    {kElementList, K::DropList, "", 152, 19, 53, 112, true},
    {kPrevious, K::Button, "<<", 150, 35, 13, 15, true},
    {kNext, K::Button, ">>", 195, 35, 13, 16, true},
    {kCounter, K::Label, "000/000", 167, 39, 24, 8, false},
    {kNone, K::GroupBox, QT_TRANSLATE_NOOP("Template", "Ruszaj"), 144, 58, 132, 64, false},
    {kMoveUp, K::Button, "^", 201, 67, 15, 15, true},
    {kMoveDown, K::Button, "ˇ", 201, 103, 15, 15, true},
    {kMoveLeft, K::Button, "‹", 165, 85, 15, 15, true},
    {kMoveRight, K::Button, "›", 236, 85, 15, 15, true},
    {kRotateLeft, K::Button, QT_TRANSLATE_NOOP("Template", "Obrót w lewo"), 148, 67, 52, 15, true},
    {kRotateRight, K::Button, QT_TRANSLATE_NOOP("Template", "Obrót w prawo"), 218, 67, 52, 15,
     true},
    {kCentre, K::Button, QT_TRANSLATE_NOOP("Template", "Wyśrodkuj"), 183, 85, 50, 15, true},
    {kGenerate, K::Button, QT_TRANSLATE_NOOP("Template", "Generuj"), 210, 150, 50, 16, true},
    {kReset, K::Button, QT_TRANSLATE_NOOP("Template", "Resetuj"), 210, 130, 50, 16, true},
    {kNone, K::GroupBox, QT_TRANSLATE_NOOP("Template", "Kolor"), 7, 147, 196, 103, false},
    {kNone, K::Icon, "129", 11, 158, 18, 21, false},
    {kNone, K::Icon, "130", 11, 176, 18, 21, false},
    {kNone, K::Icon, "131", 11, 194, 18, 21, false},
    {kNone, K::Icon, "132", 11, 216, 18, 21, false},
    {kNone, K::Icon, "133", 11, 234, 18, 21, false},
    {kRedBar, K::ScrollBar, "", 22, 158, 153, 12, false},
    {kGreenBar, K::ScrollBar, "", 22, 176, 153, 12, false},
    {kBlueBar, K::ScrollBar, "", 22, 194, 153, 12, false},
    {kBrightnessBar, K::ScrollBar, "", 22, 215, 153, 12, false},
    {kContrastBar, K::ScrollBar, "", 22, 233, 153, 12, false},
    {kRedEdit, K::Edit, "", 178, 157, 17, 14, true},
    {kGreenEdit, K::Edit, "", 178, 175, 17, 14, true},
    {kBlueEdit, K::Edit, "", 178, 193, 17, 14, true},
    {kBrightnessEdit, K::Edit, "", 178, 213, 17, 14, true},
    {kContrastEdit, K::Edit, "", 178, 231, 17, 14, true},
    {kNone, K::GroupBox, QT_TRANSLATE_NOOP("Template", "Wymiary"), 213, 7, 62, 47, false},
    {kSize48, K::Radio, "48×48", 220, 17, 37, 10, true},
    {kSize96, K::Radio, "96×96", 220, 29, 37, 10, true},
    {kSize192, K::Radio, "192×192", 220, 41, 41, 10, true},
    {kAbout, K::Button, QT_TRANSLATE_NOOP("Template", "O programie"), 210, 210, 50, 16, true},
    {kHelp, K::Button, QT_TRANSLATE_NOOP("Template", "Pomoc"), 210, 230, 50, 16, true},
    {kSetPattern, K::Button, QT_TRANSLATE_NOOP("Template", "Ustaw wzór"), 210, 170, 50, 16, true},
    {kOk, K::Button, QT_TRANSLATE_NOOP("Template", "Zapisz"), 210, 190, 50, 16, true},
    {kCancel, K::Button, QT_TRANSLATE_NOOP("Template", "Zamknij"), 210, 250, 50, 16, true},
}};

constexpr std::array<ControlTemplate, 6> kAboutControls = {{
    {kNone, K::Icon, "128", 11, 17, 20, 20, false},
    {kNone, K::Label, QT_TRANSLATE_NOOP("Template", "Kelvaro PL wersja: 3.2"), 40, 5, 119, 8,
     false},
    {kNone, K::Label, QT_TRANSLATE_NOOP("Template", "Edytor portretów złożonych z warstw."), 40, 20,
     119, 8, false},
    {kOk, K::Button, "OK", 62, 57, 50, 16, true},
    {kNone, K::Label, QT_TRANSLATE_NOOP("Template", "Wszystkie części rysuje sam program."), 40, 30,
     119, 9, false},
    {kNone, K::Label, QT_TRANSLATE_NOOP("Template", "Zespół Kelvaro, 2026"), 41, 40, 88, 12, false},
}};

constexpr DialogTemplate kEditor{"Kelvaro", 283, 282, kEditorControls};
constexpr DialogTemplate kAboutBox{QT_TRANSLATE_NOOP("Template", "O programie"), 166, 80,
                                   kAboutControls};

// Rounded like the platform's MulDiv.
constexpr int scale(int units, int base, int divisor) {
    return (units * base + divisor / 2) / divisor;
}

}  // namespace

const DialogTemplate& editorTemplate() {
    return kEditor;
}
const DialogTemplate& aboutTemplate() {
    return kAboutBox;
}

QString templateText(std::string_view caption) {
    return QCoreApplication::translate("Template", std::string(caption).c_str());
}

QRect dialogUnitsToPixels(int x, int y, int width, int height) {
    return {scale(x, kBaseUnitX, 4), scale(y, kBaseUnitY, 8), scale(width, kBaseUnitX, 4),
            scale(height, kBaseUnitY, 8)};
}

}  // namespace kelvaro
