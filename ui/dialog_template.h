// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor's controls as a table: identifier, kind, caption, place and size in dialog units.
// The rows are in template order, which is also the tab order.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <span>
#include <string_view>

namespace kelvaro {

enum class ControlKind { Frame, GroupBox, DropList, Button, Label, Icon, ScrollBar, Edit, Radio };

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view caption;  // UTF-8, the source text; for icons the icon number as text
    int x, y, width, height;   // dialog units
    bool tabStop;
};

struct DialogTemplate {
    std::string_view title;
    int width, height;  // dialog units
    std::span<const ControlTemplate> controls;
};

const DialogTemplate& editorTemplate();
const DialogTemplate& aboutTemplate();

// A caption or title of a template as the program now speaks it (captions that are no words,
// "<<" or "48×48", stay as they are).
QString templateText(std::string_view caption);

// Dialog units to pixels. One horizontal unit is a quarter of the base width, one vertical
// unit an eighth of the base height; the base units are chosen so that the 111x129 canvas frame
// is at least 194x194 pixels (a 192x192 canvas inside a one-pixel frame).
inline constexpr int kBaseUnitX = 7;
inline constexpr int kBaseUnitY = 13;
QRect dialogUnitsToPixels(int x, int y, int width, int height);

}  // namespace kelvaro
