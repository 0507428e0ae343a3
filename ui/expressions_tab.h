// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Miny", the companion window's tab of expressions: the base ("Neutralna") and each expression
// as a card, its picture at 96 pixels on the character as it is now (drawn off the user-interface
// thread like the parts' cells) and its name; the face being edited is framed. A click, or the
// arrows and Space or Enter, chooses the face to edit; the buttons add, remove, rename and move
// expressions, drop the current element's override, take another portrait's expressions and add
// the basic set. Every choice runs the portrait owner's own command.
#pragma once

#include <QTimer>
#include <QWidget>

#include "editing/portrait_editor.h"

class QAbstractButton;

namespace kelvaro {

class GalleryCells;
class GalleryRenderer;
class GalleryView;

class ExpressionsTab : public QWidget {
    Q_OBJECT
public:
    // A tab of `parent` for the portrait `editor` owns; its window title is the tab's caption and
    // its focus goes to the cards.
    ExpressionsTab(PortraitEditor& editor, QWidget* parent);
    ~ExpressionsTab() override;
    // Shows every text of the tab (its title among them) in the language the program speaks;
    // the companion window calls it when the language changes.
    void showTexts();

    GalleryView* cards() const { return m_view; }
    GalleryCells& cells() const { return *m_cells; }
    // Every card drawn for the portrait as it is now.
    bool upToDate() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Cards, names and pictures for the portrait as it is now.
    void refresh();
    void addExpression();
    void renameExpression();
    void loadExpressions();
    // A button of the tab at `row`, `column` of its grid.
    QAbstractButton* addButton(const char* name, int row, int column);

    PortraitEditor& m_editor;
    GalleryRenderer* m_renderer = nullptr;
    GalleryCells* m_cells = nullptr;
    GalleryView* m_view = nullptr;
    QTimer m_refreshTimer;  // changes within one pass of the event loop refresh once
    QWidget* m_buttons = nullptr;
};

}  // namespace kelvaro
