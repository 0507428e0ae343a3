// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor window: the canvas, the element list, the part, placement and colour controls, the
// size buttons and the command buttons. It owns the portrait state; its member functions are
// split by concern over the ui/ files named beside each group below.
#pragma once

#include <QDialog>
#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>

#include "model/part_library.h"
#include "model/portrait_state.h"
#include "ui/scroll_adapter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QUndoStack;

namespace kelvaro {

class CanvasFrame;
class GalleryWindow;
struct PortraitDocument;

// The kinds of step the undo history records, as the window's commands make them.
enum class Step {
    PreviousPart,
    NextPart,
    Generate,
    Reset,
    MoveUp,
    MoveDown,
    MoveLeft,
    MoveRight,
    Centre,
    RotateRight,
    RotateLeft,
    BarColour,                   // + setting index 0..4
    EditColour = BarColour + 5,  // + setting index 0..4
    OpenPortrait = EditColour + 5,
    ChoosePart,
};

class CKelvaroDlg : public QDialog {
    Q_OBJECT
public:
    using Clock = std::function<std::time_t()>;

    // Reads the pattern from `settingsFile`; no image is loaded until the window opens.
    explicit CKelvaroDlg(std::filesystem::path settingsFile, QWidget* parent = nullptr);
    ~CKelvaroDlg() override;

    PortraitState& state() { return m_state; }
    const PortraitState& state() const { return m_state; }
    const std::filesystem::path& settingsFile() const { return m_settingsFile; }
    QWidget* control(int id) const;
    CanvasFrame* canvas() const { return m_canvas; }

    // The clock Generate seeds its random generator from, in whole seconds.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // The help page shown by "Pomoc" and F1.
    void setHelpFile(std::filesystem::path file) { m_helpFile = std::move(file); }

    // Data exchange (data_exchange.cpp).
    bool writeControls();
    bool readControls();

    // Composes the portrait as the canvas shows it.
    void composeInto(CanvasPixels& out) const;

    // Part selection (part_commands.cpp).
    void onSelectElement();
    void onPreviousPart();
    void onNextPart();
    void onGenerate();
    void onReset();
    void onSetPattern();
    // Sets part `part` of the current element as stepping to it with "<<" and ">>" does, as one
    // step of the history (the gallery's cells).
    void onChoosePart(int part);

    // Placement (placement_commands.cpp).
    void onMove(int buttonId);
    void onCentre();
    void onRotateRight();
    void onRotateLeft();

    // Colour controls (colour_commands.cpp).
    void onScroll(QScrollBar* bar, ScrollRequest request, int thumbPosition);
    void onEditChanged(int setting);
    void onSizeChosen();

    // Export (save_command.cpp).
    void onSave();

    // Undo and redo (history_commands.cpp).
    QUndoStack& history() const { return *m_history; }
    void onUndo();
    void onRedo();

    // Portrait documents (document_commands.cpp).
    void onOpenPortrait();
    void onSavePortrait();
    void onSavePortraitAs();
    // Opens `file` as the portrait, reporting failures; false when nothing changed.
    bool openPortrait(const std::filesystem::path& file);
    // A document opened right after the window's opening sequence (the command-line argument).
    void setStartupDocument(std::filesystem::path file) { m_startupDocument = std::move(file); }
    const std::filesystem::path& documentFile() const { return m_documentFile; }

    // The part gallery "Części" (gallery_commands.cpp): F3 and "Galeria części" open and close
    // it; null until first opened.
    void onGallery();
    GalleryWindow* gallery() const { return m_gallery; }

    // Window chrome (window_chrome.cpp).
    void onAbout();
    void onHelp();
    void onCloseCommand();
    void onSystemCommand(int commandId);

    void accept() override;
    void reject() override;

signals:
    // The portrait was redrawn, or another element or size was chosen.
    void portraitShown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // kelvaro_dlg.cpp
    void createControls();
    void connectCommands();
    void openingSequence();
    void openStartupDocument();
    void redraw();
    void report(const QString& message);
    void reportText(const std::string& message);
    QPushButton* button(int id) const;
    template <typename Sender, typename Signal, typename Handler>
    void connectCommand(Sender* sender, Signal signal, Handler handler);

    // part_commands.cpp
    void stepPart(int direction);
    void showChosenPart();
    void updateCounter();
    MessageSink reporter();

    // colour_commands.cpp
    void applyScrollRequest(QScrollBar* bar, ScrollRequest request, int thumbPosition);

    // history_commands.cpp
    // Runs `command` and records what it changed as one step of `kind`; nothing is recorded
    // when the portrait document stayed the same.
    void recordStep(Step kind, int offset, const std::function<void()>& command);
    void recordStep(Step kind, const std::function<void()>& command) {
        recordStep(kind, 0, command);
    }
    void showDocument(const PortraitDocument& document);
    // Ends the current gesture: the next colour change starts a step of its own.
    void endGesture() { ++m_gesture; }
    // The portrait now equals what was last saved.
    void markSaved();

    // document_commands.cpp
    bool savePortraitTo(const std::filesystem::path& file);

    // window_chrome.cpp
    bool confirmDiscard();

    // editor_commands.cpp
    bool filterShortcut(QEvent* event);
    void addEditorCommands(QMenu& menu);
    // Runs the editor command a menu item carries; false for a window command.
    bool runEditorCommand(int itemData);

    // window_chrome.cpp
    bool filterKey(QObject* watched, QEvent* event);

    PortraitState m_state;
    std::filesystem::path m_settingsFile;
    std::filesystem::path m_helpFile;
    Clock m_clock;
    bool m_opened = false;
    bool m_exchanging = false;  // notifications raised while exchanging reach no command
    bool m_closing = false;
    QUndoStack* m_history = nullptr;
    unsigned m_gesture = 0;
    std::filesystem::path m_documentFile;  // where "Zapisz portret" writes; empty: ask
    std::filesystem::path m_startupDocument;
    GalleryWindow* m_gallery = nullptr;

    std::map<int, QWidget*> m_controls;
    CanvasFrame* m_canvas = nullptr;
    QComboBox* m_elementList = nullptr;
    QLabel* m_counter = nullptr;
    std::array<QLineEdit*, kColourSettingCount> m_edits{};
    std::array<QScrollBar*, kColourSettingCount> m_bars{};
    std::array<QRadioButton*, 3> m_sizeButtons{};
};

}  // namespace kelvaro
