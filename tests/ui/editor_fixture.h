// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A small part library with known pixels, and an editor window opened on it.
//
// Layer L's part n is transparent but for a 20x20 block in grid cell (L % 8, L / 8) of the
// canvas (cells are 24 pixels square, the block 2 pixels inside), coloured
// (255, 255 - 8L, 255 - n). The eye shape (layer 15) instead fills the iris's whole cell, so the
// iris shows through it; the wall is opaque grey (40, 50, 60).
#pragma once

#include <QImage>
#include <QPoint>
#include <QStyle>
#include <filesystem>
#include <memory>
#include <vector>

#include "imaging/pixels.h"
#include "tests/support/fixtures.h"
#include "tests/ui/modal_driver.h"
#include "ui/kelvaro_dlg.h"
#include "ui/language_switch.h"

namespace kelvaro::test {

inline constexpr Argb kWallColour = 0xff28323c;
inline constexpr int kFaceParts = 12;  // face 000..011
inline constexpr int kOtherParts = 3;  // every other element 000..002

// The canvas cell of layer L's block, and its colour in part n as stored in the file.
QPoint blockCentre(int layer);
Argb blockColour(int layer, int part);
// A colour as the editor shows it right after opening (default settings: c * 255 >> 8).
Argb defaultTint(Argb colour);

// A test that switches the language holds one: at its end no catalogue is installed again, as
// the next test expects.
struct NoLanguageAfterwards {
    ~NoLanguageAfterwards() { stopSpeaking(); }
};

// Makes the window of `widget` the active one, as it is for every key a user presses into it
// (window shortcuts only work in the active window).
void activateWindowOf(QWidget* widget);

// Clicks a sub-control of a scroll bar (an arrow, or the page area beside the thumb).
void clickScrollBar(QScrollBar* bar, QStyle::SubControl part);

// Writes the library below `base` (picture/...). Folders of every layer, wall and dummy.
void writeTestLibrary(const std::filesystem::path& base);

// An editor window on a fresh copy of the test library, working directory set to it for the
// opening and restored afterwards. Each fixture starts without user settings (the test main
// keeps them in a folder of the run).
class EditorFixture {
public:
    // `prepare` may change the library (delete files, write Kelvaro.ini) before the window opens.
    // The library's folder is called `folderName` (any bytes).
    explicit EditorFixture(const std::function<void(const std::filesystem::path&)>& prepare = {},
                           const std::filesystem::path& folderName = "library");
    ~EditorFixture();

    CKelvaroDlg& dialog() { return *m_dialog; }
    PortraitState& state() { return m_dialog->editor().mutableState(); }
    PortraitEditor& portrait() { return m_dialog->editor(); }
    ModalDriver& modals() { return m_modals; }
    const std::filesystem::path& base() const { return m_base; }

    // Opens the window (runs its opening sequence).
    void open();
    // Windows made from now on keep recovery files in `folder` and offer what is left there.
    void useRecoveryFolder(std::filesystem::path folder);
    // Destroys the window (and its companion) and opens a new one on the same library and user
    // settings, as the next run of the program would.
    void restart();

    template <typename T>
    T* widget(int id) {
        return qobject_cast<T*>(m_dialog->control(id));
    }
    void click(int id);
    // Chooses element `element` in the list the way a user does: arrow keys on the list.
    void selectElement(int element);
    // Presses a key (with modifiers) where the focus is in the window.
    void press(QKeyCombination key);
    // Focuses edit `id` and types `text` over its selected contents.
    void typeInto(int id, const char* text);
    // Opens the window menu over the canvas, clicks the item whose text starts with `caption`
    // and returns the item texts and enabled states it showed.
    struct MenuItem {
        QString text;
        bool enabled;
        bool checked;
    };
    std::vector<MenuItem> chooseFromMenu(const QString& caption);
    // The same through submenus: chooses `path`'s first caption in the window menu, the next
    // in the submenu it opens, and so on; returns the items of the last menu opened.
    std::vector<MenuItem> chooseFromMenuPath(const QStringList& path);
    // The canvas as the window composes it.
    std::unique_ptr<CanvasPixels> canvas();
    // The canvas as the window composes it, and one pixel of it.
    Argb canvasPixel(QPoint p);
    Argb canvasPixel(int x, int y) { return canvasPixel(QPoint(x, y)); }
    // The canvas as the window shows it on screen: its 192x192 pixels inside the frame.
    QImage shownCanvas();

private:
    // A new window on the library, not opened.
    void makeDialog();

    TempFolder m_folder;
    std::filesystem::path m_base;
    std::filesystem::path m_previousDirectory;
    std::filesystem::path m_recoveryFolder;  // none: no recovery files
    ModalDriver m_modals;
    std::unique_ptr<CKelvaroDlg> m_dialog;
    std::unique_ptr<CanvasPixels> m_canvas;
};

}  // namespace kelvaro::test
