// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/kelvaro_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <utility>

#include "editing/recovery_autosave.h"
#include "io/recovery_folder.h"

#include "ui/accessible_names.h"
#include "ui/canvas_frame.h"
#include "ui/companion_window.h"
#include "ui/control_factory.h"
#include "ui/control_ids.h"
#include "ui/editor_keys.h"
#include "ui/help_window.h"
#include "ui/icons.h"
#include "ui/menu_keys.h"
#include "ui/quit_key.h"
#include "ui/recovery_offer.h"
#include "ui/tool_tips.h"
#include "ui/user_settings.h"
#include "ui/warning_box.h"
#include "ui/window_keys.h"

namespace kelvaro {
namespace {

// Buttons whose click runs a command of the portrait's owner.
struct EditorButton {
    int id;
    void (PortraitEditor::*command)();
};
constexpr std::array<EditorButton, 12> kEditorButtons = {{
    {ids::kMoveUp, &PortraitEditor::moveUp},
    {ids::kMoveDown, &PortraitEditor::moveDown},
    {ids::kMoveLeft, &PortraitEditor::moveLeft},
    {ids::kMoveRight, &PortraitEditor::moveRight},
    {ids::kCentre, &PortraitEditor::centre},
    {ids::kPrevious, &PortraitEditor::previousPart},
    {ids::kNext, &PortraitEditor::nextPart},
    {ids::kGenerate, &PortraitEditor::generate},
    {ids::kSetPattern, &PortraitEditor::setPattern},
    {ids::kReset, &PortraitEditor::reset},
    {ids::kRotateRight, &PortraitEditor::rotateRight},
    {ids::kRotateLeft, &PortraitEditor::rotateLeft},
}};

// Buttons whose click runs a command of the window.
struct WindowButton {
    int id;
    void (CKelvaroDlg::*command)();
};
constexpr std::array<WindowButton, 4> kWindowButtons = {{
    {ids::kAbout, &CKelvaroDlg::onAbout},
    {ids::kOk, &CKelvaroDlg::onSave},
    {ids::kCancel, &CKelvaroDlg::onCloseCommand},
    {ids::kHelp, &CKelvaroDlg::onHelp},
}};

// The element list text of `element` in the language the program speaks.
QString elementText(int element) {
    return QCoreApplication::translate("Element", std::string(elementListText(element)).c_str());
}

}  // namespace

CKelvaroDlg::CKelvaroDlg(std::filesystem::path settingsFile, QWidget* parent)
    : CKelvaroDlg(std::move(settingsFile), OpeningPortrait{}, parent) {}

CKelvaroDlg::CKelvaroDlg(std::filesystem::path settingsFile, OpeningPortrait prepared,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_editor(std::move(settingsFile)),
      m_helpFile(defaultHelpFile()),
      m_recent(RecentFiles::readFrom(UserSettings())) {
    m_editor.keepPreparedOpening(std::move(prepared));
    m_editor.prefetchParts(currentFolder());
    setObjectName(QStringLiteral("editorWindow"));
    setWindowIcon(firstFrameApplicationIcon());
    setAcceptDrops(true);
    m_ui = buildEditorControls(*this, [this](CanvasPixels& out) { m_editor.compose(out); });
    applyAccessibleTexts(this);
    applyToolTips(*this);
    connectCommands();
    connectEditor();
    m_keys = new EditorKeys(*this);
    m_keys->addTo(*this);
    addQuitKey(*this);
    watchKeys();
}

// The companion and the key rules go before the portrait's owner: the controls deleted after it
// still lose their focus.
CKelvaroDlg::~CKelvaroDlg() {
    delete m_companion;
    delete m_windowKeys;
}

template <typename Sender, typename Signal, typename Handler>
void CKelvaroDlg::connectCommand(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] {
        if (!m_exchanging)
            handler();
    });
}

// The message table: every control notification reaches exactly one command.
void CKelvaroDlg::connectCommands() {
    for (QRadioButton* button : m_ui.sizeButtons) {
        connectCommand(button, &QRadioButton::clicked, [this] { onSizeChosen(); });
    }
    for (QScrollBar* bar : m_ui.bars) {
        // A drag of the thumb is a gesture of its own for the undo history.
        connect(bar, &QScrollBar::sliderPressed, this, [this] { m_editor.endGesture(); });
        connect(bar, &QScrollBar::sliderReleased, this, [this] { m_editor.endGesture(); });
        new ScrollAdapter(bar, [this](QScrollBar* b, ScrollRequest request, int position) {
            if (!m_exchanging)
                onScroll(b, request, position);
        });
    }
    for (int i = 0; i < kColourSettingCount; ++i) {
        connectCommand(m_ui.edits[static_cast<std::size_t>(i)], &QLineEdit::textEdited,
                       [this, i] { onEditChanged(i); });
    }
    connectCommand(m_ui.elementList, &QComboBox::activated, [this] { onSelectElement(); });
    for (const EditorButton& row : kEditorButtons) {
        connectCommand(m_ui.button(row.id), &QPushButton::clicked,
                       [this, command = row.command] { (m_editor.*command)(); });
    }
    for (const WindowButton& row : kWindowButtons) {
        connectCommand(m_ui.button(row.id), &QPushButton::clicked,
                       [this, command = row.command] { (this->*command)(); });
    }
}

void CKelvaroDlg::connectEditor() {
    connect(&m_editor, &PortraitEditor::changed, this, &CKelvaroDlg::showChanges);
    connect(&m_editor, &PortraitEditor::problem, this, &CKelvaroDlg::report);
    connect(&m_editor, &PortraitEditor::changed, this, &CKelvaroDlg::showDocument);
}

// The controls show what changed; the canvas is drawn again at once when the picture changed.
void CKelvaroDlg::showChanges(ChangeSet what) {
    if (what & (ChangeSet(Change::Parts) | Change::Colours | Change::Element | Change::Size))
        writeControls();
    if (what & Change::Picture)
        m_ui.canvas->repaint();
}

void CKelvaroDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    openingSequence();
    // The document given on the command line is where the work starts, not a step to undo.
    if (!m_startupDocument.empty())
        m_editor.openStartupDocument(m_startupDocument);
    if (m_autosave)
        QTimer::singleShot(0, this, &CKelvaroDlg::offerRecoveryFiles);
}

void CKelvaroDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (std::exchange(m_painted, true))
        return;
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(applicationIcon());
        QApplication::setWindowIcon(applicationIcon());
    });
}

void CKelvaroDlg::setRecoveryFolder(const std::filesystem::path& folder) {
    m_recoveryFolder = folder;
    m_autosave = std::make_unique<RecoveryAutosave>(m_editor, folder);
    connect(m_autosave.get(), &RecoveryAutosave::problem, this, &CKelvaroDlg::report);
}

// A restored portrait is written to this editor's own file before the old one goes.
void CKelvaroDlg::offerRecoveryFiles() {
    const std::filesystem::path restored = offerRecovery(this, m_editor, m_recoveryFolder);
    if (restored.empty())
        return;
    m_autosave->writeNow();
    m_autosave->flush();
    removeRecoveryFile(restored);
}

void CKelvaroDlg::openingSequence() {
    for (int e = 0; e < kElementCount; ++e)
        m_ui.elementList->addItem(elementText(e));
    writeControls();
    control(ids::kHelp)->show();
    for (int i = 0; i < kColourSettingCount; ++i) {
        const ColourSettingInfo& setting = colourSetting(i);
        m_ui.bars[static_cast<std::size_t>(i)]->setRange(setting.low, setting.high);
    }
    m_editor.countParts(currentFolder());
    if (m_editor.loadImages())
        m_ui.elementList->setFocus();
}

void CKelvaroDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showTexts();
}

// The list keeps its items, and with them the selection and the place of its list.
void CKelvaroDlg::showTexts() {
    showTemplateCaptions(this);
    applyAccessibleTexts(this);
    for (int e = 0; e < m_ui.elementList->count(); ++e)
        m_ui.elementList->setItemText(e, elementText(e));
}

void CKelvaroDlg::report(const QString& message) {
    showWarning(this, message);
}

}  // namespace kelvaro
