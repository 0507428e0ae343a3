// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Kolory", the companion window's tab of colours: a palette's swatches for the current element
// (the palette of its kind, any other on request), the swatch it shows framed, "Wspólny kolor"
// to share its colour with the linked elements of its kind, "Inny kolor…" (Qt's colour dialog at
// the colour the element shows), "Losuj kolory" and "Importuj paletę…". Every choice runs the
// portrait owner's own command; the tab follows the owner's changes.
#pragma once

#include <QWidget>

#include "editing/portrait_editor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace kelvaro {

class SwatchView;

class ColoursTab : public QWidget {
    Q_OBJECT
public:
    // A tab of `parent` for the portrait `editor` owns; its window title is the tab's caption
    // and its focus goes to the swatches. The palettes are read when it first shows.
    ColoursTab(PortraitEditor& editor, QWidget* parent);
    // Shows every text of the tab (its title among them) in the language the program speaks;
    // the companion window calls it when the language changes.
    void showTexts();

    SwatchView* swatches() const { return m_swatches; }
    QComboBox* paletteChoice() const { return m_paletteChoice; }
    QCheckBox* linkBox() const { return m_link; }
    QLabel* swatchName() const { return m_swatchName; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void portraitChanged(ChangeSet what);
    // Lists the palettes again and shows the current element's.
    void fillPalettes();
    // Shows the palette of the current element's kind.
    void followElement();
    void showPalette(int index);
    // The frame and the check box as the portrait is now.
    void showColourState();
    void chooseOtherColour();
    void importPalette();

    PortraitEditor& m_editor;
    QComboBox* m_paletteChoice = nullptr;
    SwatchView* m_swatches = nullptr;
    QLabel* m_swatchName = nullptr;
    QLabel* m_paletteLabel = nullptr;
    QCheckBox* m_link = nullptr;
    QPushButton* m_otherColour = nullptr;
    QPushButton* m_drawColours = nullptr;
    QPushButton* m_import = nullptr;
    bool m_filled = false;
    int m_element = -2;      // the element whose palette was last chosen; -2: none yet
    bool m_showing = false;  // the tab writes its own controls: their signals run nothing
};

}  // namespace kelvaro
