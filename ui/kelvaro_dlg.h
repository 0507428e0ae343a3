// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor window: the canvas, the element list, the part, placement and colour controls, the
// size buttons and the command buttons. It is a view of the portrait's owner, which it creates:
// it builds the window from its template, runs the data exchange between its controls and the
// portrait, forwards each control's notification to the owner's command, and writes its controls
// and draws its canvas again when the owner announces a change.
#pragma once

#include <QDialog>
#include <deque>
#include <filesystem>
#include <memory>

#include "editing/portrait_editor.h"
#include "ui/document_commands.h"
#include "ui/editor_controls.h"
#include "ui/face_sheet_dialog.h"
#include "ui/recent_files.h"
#include "ui/scroll_adapter.h"

class QScrollBar;
class QTimer;

namespace kelvaro {

class CanvasFrame;
class EditorKeys;
class MenuKeys;
class WindowKeys;
class CompanionWindow;
class RecoveryAutosave;

class CKelvaroDlg : public QDialog {
    Q_OBJECT
public:
    // Reads the pattern from `settingsFile`; no image is loaded until the window opens.
    explicit CKelvaroDlg(std::filesystem::path settingsFile, QWidget* parent = nullptr);
    // As above, with the opening portrait made ahead, which the portrait's owner adopts when it
    // fits (PortraitEditor::keepPreparedOpening).
    CKelvaroDlg(std::filesystem::path settingsFile, OpeningPortrait prepared,
                QWidget* parent = nullptr);
    ~CKelvaroDlg() override;

    PortraitEditor& editor() { return m_editor; }
    const PortraitEditor& editor() const { return m_editor; }
    QWidget* control(int id) const { return m_ui.control(id); }
    CanvasFrame* canvas() const { return m_ui.canvas; }

    // The help page shown by "Pomoc" and F1.
    void setHelpFile(std::filesystem::path file) { m_helpFile = std::move(file); }
    // A document opened right after the window's opening sequence (the command-line argument).
    void setStartupDocument(std::filesystem::path file) { m_startupDocument = std::move(file); }

    // Keeps a recovery file of the portrait in `folder` from now on, and once the window shows,
    // offers what an editor that did not close properly left there (recovery_offer.h).
    void setRecoveryFolder(const std::filesystem::path& folder);
    // Null until setRecoveryFolder.
    RecoveryAutosave* autosave() const { return m_autosave.get(); }

    // Data exchange (data_exchange.cpp). Writing puts the portrait's values into the controls;
    // reading takes the controls' values into `values` (what it cannot read keeps the portrait's
    // value) and is false, reported, when an edit holds no whole number.
    bool writeControls();
    bool readControls(ControlValues& values);

    // Notifications whose command needs the window (dialog_commands.cpp).
    void onSelectElement();
    void onScroll(QScrollBar* bar, ScrollRequest request, int thumbPosition);
    void onEditChanged(int setting);
    void onSizeChosen();
    // Saving and documents ask in this window first (document_commands.h).
    void onSave() { exportWithDialog(*this, m_editor); }
    void onOpenPortrait() { openWithDialog(*this, m_editor); }
    void onSavePortrait() { saveDocument(*this, m_editor); }
    void onSavePortraitAs() { saveDocumentAs(*this, m_editor); }
    void onSaveFaceSheet() { exportFaceSheetWithDialog(*this, m_editor); }
    void onSaveFaces() { exportFacesWithDialog(*this, m_editor); }
    void onUndo() { m_editor.undo(); }
    void onRedo() { m_editor.redo(); }

    // The companion window (gallery_commands.cpp): F3 and "Galeria części" open and close it on
    // its parts tab, F4 and "Kolory" on its colours tab, F5 and "Miny" on its expressions tab;
    // null until first opened.
    void onGallery();
    void onColours();
    void onExpressions();
    // "Losuj kolory" (Ctrl+K).
    void onDrawColours();
    CompanionWindow* companion() const { return m_companion; }

    // Window chrome (window_chrome.cpp).
    void onAbout();
    void onHelp();
    void onCloseCommand();
    void onSystemCommand(int commandId);
    // Shows the window menu at `at` (global coordinates) and runs what is chosen in it.
    void openWindowMenu(QPoint at);

    // Documents arriving from outside (document_arrivals.cpp). `file` is opened as
    // "Otwórz portret…" opens the file chosen, once no other window of the program is modal,
    // and the window comes to the front; files asked for meanwhile wait their turn.
    void openRequested(const std::filesystem::path& file);
    // The documents opened or saved recently, as the window menu lists them.
    const RecentFiles& recentFiles() const { return m_recent; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // The window carries the application icon's first-frame sizes until its first paint; the
    // window and the program carry every size from the turn of the event loop after it
    // (firstFrameApplicationIcon).
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A change of language shows every text anew (showTexts).
    void changeEvent(QEvent* event) override;
    // Takes the drops droppedPortraitFile takes (document_arrivals.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // kelvaro_dlg.cpp
    void connectCommands();
    void connectEditor();
    void openingSequence();
    void showChanges(ChangeSet what);
    // Captions, list texts, accessible names and tooltips in the language now spoken.
    void showTexts();
    void report(const QString& message);
    void offerRecoveryFiles();
    template <typename Sender, typename Signal, typename Handler>
    void connectCommand(Sender* sender, Signal signal, Handler handler);

    // data_exchange.cpp: writes `value` into the edit of `setting` alone.
    void writeEdit(int setting, int value);

    // window_chrome.cpp
    void watchKeys();

    // document_arrivals.cpp
    // Opens the waiting files unless another window of the program is modal or a menu is open.
    void openWaitingFiles();
    // Opens the recent document at `place`; one that is gone leaves the list, with a message.
    void openRecentFile(std::size_t place);
    // "Wyczyść listę".
    void clearRecentFiles();
    // The title and the recent documents follow the owner's document.
    void showDocument();

    // gallery_commands.cpp: opens the companion on the tab `tabOf` gives, or closes it when it
    // shows that tab.
    void toggleCompanion(QWidget* (*tabOf)(const CompanionWindow&));

    PortraitEditor m_editor;
    std::filesystem::path m_helpFile;
    std::filesystem::path m_startupDocument;
    bool m_opened = false;
    bool m_painted = false;     // the first paint has come: the whole icon is on its way
    bool m_exchanging = false;  // notifications raised while exchanging reach no command
    bool m_closing = false;
    EditorKeys* m_keys = nullptr;
    WindowKeys* m_windowKeys = nullptr;
    MenuKeys* m_menuKeys = nullptr;
    CompanionWindow* m_companion = nullptr;
    EditorControls m_ui;
    std::filesystem::path m_recoveryFolder;
    std::unique_ptr<RecoveryAutosave> m_autosave;  // goes before the portrait's owner
    RecentFiles m_recent;
    std::deque<std::filesystem::path> m_waitingFiles;
    QTimer* m_waitTimer = nullptr;  // runs while files wait for a modal window to close
};

}  // namespace kelvaro
