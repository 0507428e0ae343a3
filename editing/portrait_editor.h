// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait's owner: the one object that holds the portrait being edited (its state, the part
// library and decoded-part cache it reads), the undo history, the saved flag and clean state, and
// the document file the portrait belongs to. Every command of the editor is a method here: it runs
// the rules of model/, records its step of the history and announces what changed. The editor
// window, the companion window and its previews observe it and call it; none reaches into
// another's widgets. Problems are announced as messages for the windows to show.
//
// Commands run to completion on the calling thread; announcements are made while they run (a
// part command announces its new number before loading it, so that a message about a failed load
// finds the counter already showing it).
#pragma once

#include <QObject>
#include <QString>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "editing/changes.h"
#include "editing/control_values.h"
#include "editing/opening_portrait.h"
#include "editing/step_kinds.h"
#include "imaging/rgb.h"
#include "model/palette_library.h"
#include "model/part_library.h"
#include "model/portrait_document.h"
#include "model/portrait_state.h"
#include "model/recovery_json.h"
#include "model/sheet_layouts.h"
#include "model/shown_change.h"

class QUndoStack;

namespace kelvaro {

class PartPreview;
class PartPrefetch;

class PortraitEditor : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::time_t()>;

    // Steps the undo history holds at the least; each keeps only what it changed, a few hundred
    // bytes at most.
    static constexpr int kHistoryLimit = 1000;

    // Reads the pattern from `settingsFile`; no image is loaded until open().
    explicit PortraitEditor(std::filesystem::path settingsFile, QObject* parent = nullptr);
    ~PortraitEditor() override;

    const PortraitState& state() const { return m_state; }
    // For tests and benchmarks that set a value up directly; windows change the portrait
    // through the commands alone.
    PortraitState& mutableState() { return m_state; }
    QUndoStack& history() const { return *m_history; }
    const std::filesystem::path& settingsFile() const { return m_settingsFile; }
    // Where "Zapisz portret" writes; empty when it must ask.
    const std::filesystem::path& documentFile() const { return m_documentFile; }
    // True once the parts of every element are counted.
    bool partsCounted() const { return m_partsCounted; }
    // True when steps were recorded since the start, the last opening or the last save, and not
    // all undone again: going on would lose work.
    bool hasUnsavedSteps() const;

    // The clock Generate seeds its random generator from, in whole seconds.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Composes the portrait as the canvas shows it.
    void compose(CanvasPixels& out) const;

    // --- Opening (portrait_editor.cpp) ---
    // Takes `baseDirectory` as the part library's folder and counts the parts of every element.
    void countParts(const std::filesystem::path& baseDirectory);
    // Keeps `prepared` (opening_portrait.h) when it holds a portrait made from this owner's
    // settings file and the pattern the owner read: countParts on its library folder then adopts
    // it, and the loadImages after that has nothing left to do. Anything else is dropped, and the
    // opening runs as without it.
    void keepPreparedOpening(OpeningPortrait prepared);
    // Starts decoding the part files the opening will load from `baseDirectory` into the shared
    // part cache on a thread of its own, so that the decoding overlaps building the window;
    // loadImages decodes those not yet taken itself, waits for the rest and then finds them
    // decoded (part_prefetch.h). Nothing to do when a kept opening will be adopted.
    void prefetchParts(const std::filesystem::path& baseDirectory);
    // Loads the wall and every layer, recolours them and masks the iris; stops at the first
    // failure, reported, and returns false. Returns true at once after adopting an opening.
    bool loadImages();
    // Frees every image: the portrait is closed.
    void release();

    // --- The data exchange's reading: the controls' values become the portrait's. ---
    void takeControlValues(const ControlValues& values);

    // --- Part selection (part_commands.cpp) ---
    void selectElement(const ControlValues& read);
    void previousPart();
    void nextPart();
    // Sets part `part` of the current element as stepping to it with "<<" and ">>" does.
    void choosePart(int part);
    void generate();
    void reset();
    void setPattern();
    // Adds `pictures` to the library as the current element's next parts (model/part_import.h),
    // counts the element's parts again and chooses the first new one as a click on its cell
    // does: one step, which undoes to the part before while the files stay. False, reported,
    // when nothing was added; numbers passed over on the way are reported too.
    bool addPictures(std::span<const std::filesystem::path> pictures);

    // --- Placement (placement_commands.cpp) ---
    void moveUp();
    void moveDown();
    void moveLeft();
    void moveRight();
    void centre();
    void rotateRight();
    void rotateLeft();

    // --- Colours and size (colour_commands.cpp) ---
    // A scroll bar of setting 0..4 moved to the values read from the controls: the current
    // settings take the bar positions and the current element is recoloured.
    void colourFromBars(int setting, const ControlValues& read);
    // An edit of setting 0..4 was typed into; `read` already holds its limited value.
    void colourFromEdit(int setting, const ControlValues& read);
    // Another size was chosen for saving: by the size buttons (`read` holds the controls) or
    // by a click on a preview.
    void chooseSize(const ControlValues& read);
    void chooseSize(int sizeChoice);

    // --- Colours chosen as colours (colour_choice_commands.cpp) ---
    // Gives `target` to the current element and the elements linked with it, each from its own
    // main tone, as typing the five settings would: one step "Kolor".
    void applyColour(Rgb target);
    // Links the current element's colour with the other linked elements of its palette kind,
    // or unlinks it: one step. Nothing is recoloured and the saved flag stays as it is.
    void linkColours(bool linked);
    // "Losuj kolory": a skin tone, one hair colour, an eye colour and colours for clothes and
    // headwear, drawn from the kinds' palettes: one step.
    void drawColours();
    // The palettes colours are chosen from, read from their folders when first asked for; the
    // files that could not be used are reported then, once.
    const PaletteSet& palettes();
    // Where palettes are read from (tests); what was read is dropped.
    void setPaletteFolders(std::filesystem::path bundled, std::filesystem::path user);
    // "Importuj paletę…": copies `file` into the user's palettes and reads them again; false,
    // reported, when it is refused.
    bool importPalette(const std::filesystem::path& file);

    // --- Expressions (expression_commands.cpp) ---
    // Faces are numbered 0 for the base ("Neutralna") and k for the k-th expression. Every
    // command but choosing the face is one step of the history and clears the saved flag; a
    // command that is refused (see model/expression_ops.h) records nothing.
    // Shows and edits face `face`: no step, but documents remember it.
    void chooseFace(int face);
    // "Dodaj minę": a new expression named `name`, showing the base, becomes the face edited.
    void addExpression(const QString& name);
    // "Usuń minę": removes expression `face`.
    void removeExpression(int face);
    // "Zmień nazwę": names expression `face` `name`.
    void renameExpression(int face, const QString& name);
    // "Przesuń minę": moves expression `face` one place back (-1) or on (+1).
    void moveExpression(int face, int direction);
    // "Jak w neutralnej": the face edited shows the current element as the base does.
    void showElementAsBase();
    // "Wczytaj miny": takes the expressions of the portrait in `file`; false, reported, when the
    // file cannot be opened.
    bool loadExpressions(const std::filesystem::path& file);
    // "Zestaw podstawowy": adds the basic expressions, as many as there is room for.
    void addBasicExpressions();

    // --- History (portrait_editor.cpp) ---
    void undo();
    void redo();
    // Ends the current gesture: the next colour change starts a step of its own.
    void endGesture() { ++m_gesture; }

    // --- Documents and export (document_commands.cpp) ---
    // Opens `file` (a portrait document or a PNG with its recipe) as one step; false, reported,
    // when nothing changed.
    bool openDocument(const std::filesystem::path& file);
    // Opens `file` as where the work starts: no step to undo, saved.
    bool openStartupDocument(const std::filesystem::path& file);
    // Writes the portrait document to `file`, which becomes the document file.
    bool saveDocument(const std::filesystem::path& file);
    // "Zapisz": the portrait as shown at the chosen size, PNG (with its recipe) or BMP.
    bool exportPortrait(const std::filesystem::path& file);
    // "Zapisz arkusz twarzy…": the base and each expression on one PNG face sheet of `layout`
    // (a layout with its own face size), with the wall or without, carrying the portrait's recipe
    // so that opening the sheet gives back the portrait with its expressions; false, reported,
    // when it cannot be written. The saved flag is left alone.
    bool exportFaceSheet(const std::filesystem::path& file, const SheetLayout& layout,
                         Backdrop backdrop);
    // "Zapisz miny jako pliki…": each face (the base, then each expression) as a PNG of the
    // chosen size in `folder`, named after it (faceFileNames), carrying the portrait with that
    // face shown; stops at the first file that cannot be written, reported, and returns false.
    bool exportFaces(const std::filesystem::path& folder);

    // --- Recovery (recovery_commands.cpp) ---
    // The recovery file's text for the portrait, its document file, the saved flag and the
    // history; only the steps not written before are serialised.
    std::string recoveryText() const;
    // The recovery file in `text` with the checks of readRecoveryText for this history: its step
    // kinds and at most kHistoryLimit steps.
    static std::variant<RecoveryFile, RecoveryError> readRecovery(std::string_view text);
    // Makes the portrait and its history what `file` recorded: the portrait shows its document,
    // the history holds its steps with `file.index` of them done, the document file is its one,
    // and the portrait is not saved. Not itself a step.
    void restoreRecovery(const RecoveryFile& file);

signals:
    void changed(kelvaro::ChangeSet what);
    // A message for the user, shown before the command goes on.
    void problem(const QString& message);

private:
    // Runs `command` and records what it changed as one step of `kind`; nothing is recorded when
    // the portrait document stayed the same.
    void recordStep(const StepKind& kind, const std::function<void()>& command);
    // Routes what a command changed on the shown face into the expression or the base (as the
    // step kind says) and shows the result; nothing while the base is shown.
    void settleShown(const StepKind& kind, const ShownFace& before);
    // Makes the portrait show `document` (undo, redo) and announces it.
    void showDocument(const PortraitDocument& document);
    void stepHistory(bool back);
    // The portrait now equals what was last saved.
    void markSaved();
    MessageSink reporter();
    void report(const QString& message);
    // A kept prepared opening was made on the library at `baseDirectory`.
    bool adoptsPreparedOpening(const std::filesystem::path& baseDirectory) const;

    // document_commands.cpp: the portrait of its own the faces of sheets and files are drawn
    // with, made on first use and kept, so that later ones load only what differs.
    PartPreview& facePreview();

    // part_commands.cpp
    void showChosenPart();
    void showDrawnParts(const std::function<void()>& load);
    // expression_commands.cpp: `change` applied to the set as one step of `step`.
    void changeExpressions(Step step, const std::function<bool(ExpressionSet&)>& change);
    // placement_commands.cpp
    void place(Step step, const std::function<bool()>& command);
    void move(Step step, int dx, int dy);

    PortraitState m_state;
    std::unique_ptr<PartPrefetch> m_prefetch;     // the opening's part decodes, while they run
    std::unique_ptr<OpeningPortrait> m_prepared;  // kept until countParts adopts or drops it
    bool m_imagesAdopted = false;  // the adopted opening's images wait for loadImages
    std::filesystem::path m_settingsFile;
    std::filesystem::path m_documentFile;
    Clock m_clock;
    QUndoStack* m_history = nullptr;
    unsigned m_gesture = 0;
    std::filesystem::path m_bundledPalettes;
    std::filesystem::path m_userPalettes;
    std::optional<PaletteSet> m_palettes;  // none until first asked for
    // Colour draws so far, so that two draws within one clock second come out differently.
    std::uint64_t m_colourDraws = 0;
    bool m_restoring = false;  // the history is being rebuilt: steps show nothing
    std::unique_ptr<PartPreview> m_facePreview;
    std::filesystem::path m_facePreviewBase;  // the library the face preview was made on
    bool m_partsCounted = false;
};

}  // namespace kelvaro
