// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Przybornik": the editor's companion, a tool window holding the editor's tools on tabs:
// "Części" (the parts), "Kolory" (the colours) and "Miny" (the expressions). It opens beside the
// editor, or where the user last left it, with the keyboard focus in the tab it shows; Escape, like
// the editor's own F3, closes it and hands the focus back to the editor. Its place is remembered
// per user (QSettings, organisation and application "kelvaro") when it closes and when it goes with
// the editor.
#pragma once

#include <QWidget>

class QTabWidget;

namespace kelvaro {

class ColoursTab;
class ExpressionsTab;
class PartsTab;
class PortraitEditor;

class CompanionWindow : public QWidget {
    Q_OBJECT
public:
    // A hidden companion of the editor window `editorWindow`, showing the portrait `portrait`;
    // not placed yet.
    CompanionWindow(PortraitEditor& portrait, QWidget& editorWindow);
    // Remembers the place when the window is still open.
    ~CompanionWindow() override;

    QTabWidget* tabs() const { return m_tabs; }
    PartsTab* partsTab() const { return m_parts; }
    ColoursTab* coloursTab() const { return m_colours; }
    ExpressionsTab* expressionsTab() const { return m_expressions; }
    // True while the window shows with `tab` in front.
    bool showsTab(const QWidget* tab) const;

    // Shows the window with `tab` (one of its tabs) in front and the keyboard focus in it. The
    // first time it goes to the remembered place when that lies on a screen, otherwise beside
    // the editor.
    void openOn(QWidget* tab);
    // Closes the window and activates the editor, whose focus returns to where it was.
    void dismiss();

protected:
    // Remembers the place.
    void hideEvent(QHideEvent* event) override;
    // A change of language shows the title, the tabs' texts and their captions anew.
    void changeEvent(QEvent* event) override;

private:
    // Adds `tab` as the last tab, captioned with its window title.
    template <typename Tab>
    Tab* addTab(Tab* tab);
    // The window's title and the tabs' texts in the language the program speaks.
    void showTexts();
    // Moves and sizes the window before it first shows.
    void placeFirstTime();
    // Stores where the window's frame lies, its size inside the frame and its open tab.
    void rememberPlace() const;
    // Brings the tab open when the window last closed to the front.
    void showRememberedTab();

    QWidget& m_editorWindow;
    QTabWidget* m_tabs = nullptr;
    PartsTab* m_parts = nullptr;
    ColoursTab* m_colours = nullptr;
    ExpressionsTab* m_expressions = nullptr;
    bool m_placed = false;
};

}  // namespace kelvaro
