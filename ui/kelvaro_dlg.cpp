// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/kelvaro_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QUndoStack>

#include "model/part_cache.h"
#include "model/part_library.h"
#include "model/portrait_ops.h"
#include "ui/accessible_names.h"
#include "ui/canvas_frame.h"
#include "ui/control_factory.h"
#include "ui/control_ids.h"
#include "ui/gallery_window.h"
#include "ui/help_window.h"
#include "ui/icons.h"
#include "ui/quit_key.h"
#include "ui/warning_box.h"

namespace kelvaro {
namespace {

// Steps the undo history holds at the least; each keeps only what it changed, a few hundred
// bytes at most.
constexpr int kHistoryLimit = 1000;

// Buttons whose click runs a command of their own.
struct ButtonCommand {
    int id;
    void (CKelvaroDlg::*command)();
};
constexpr std::array<ButtonCommand, 11> kButtonCommands = {{
    {ids::kCentre, &CKelvaroDlg::onCentre},
    {ids::kPrevious, &CKelvaroDlg::onPreviousPart},
    {ids::kNext, &CKelvaroDlg::onNextPart},
    {ids::kGenerate, &CKelvaroDlg::onGenerate},
    {ids::kAbout, &CKelvaroDlg::onAbout},
    {ids::kSetPattern, &CKelvaroDlg::onSetPattern},
    {ids::kReset, &CKelvaroDlg::onReset},
    {ids::kRotateRight, &CKelvaroDlg::onRotateRight},
    {ids::kRotateLeft, &CKelvaroDlg::onRotateLeft},
    {ids::kOk, &CKelvaroDlg::onSave},
    {ids::kCancel, &CKelvaroDlg::onCloseCommand},
}};

}  // namespace

CKelvaroDlg::CKelvaroDlg(std::filesystem::path settingsFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_state(readPattern(settingsFile)),
      m_settingsFile(std::move(settingsFile)),
      m_helpFile(defaultHelpFile()),
      m_clock([] { return std::time(nullptr); }) {
    setWindowIcon(applicationIcon());
    m_history = new QUndoStack(this);
    m_history->setUndoLimit(kHistoryLimit);
    createControls();
    applyAccessibleTexts(this);
    connectCommands();
    addQuitKey(*this);
    qApp->installEventFilter(this);
}

CKelvaroDlg::~CKelvaroDlg() {
    qApp->removeEventFilter(this);
    delete m_gallery;  // before the portrait it draws from goes
}

void CKelvaroDlg::createControls() {
    const ControlTemplate& frame = editorTemplate().controls.front();
    m_canvas = new CanvasFrame([this](CanvasPixels& out) { composeInto(out); }, this);
    m_canvas->setGeometry(dialogUnitsToPixels(frame.x, frame.y, frame.width, frame.height));
    m_canvas->setObjectName(QStringLiteral("control%1").arg(ids::kCanvas));
    m_canvas->setProperty("controlId", ids::kCanvas);
    buildFromTemplate(editorTemplate(), this);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const int id = controlId(child);
        if (id != ids::kNone)
            m_controls[id] = child;
    }
    m_elementList = qobject_cast<QComboBox*>(control(ids::kElementList));
    m_counter = qobject_cast<QLabel*>(control(ids::kCounter));
    for (int i = 0; i < kColourSettingCount; ++i) {
        m_edits[static_cast<std::size_t>(i)] = qobject_cast<QLineEdit*>(control(ids::kRedEdit + i));
        auto* bar = qobject_cast<QScrollBar*>(control(ids::kRedBar + i));
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setContextMenuPolicy(Qt::NoContextMenu);
        m_bars[static_cast<std::size_t>(i)] = bar;
    }
    for (int i = 0; i < 3; ++i) {
        m_sizeButtons[static_cast<std::size_t>(i)] =
            qobject_cast<QRadioButton*>(control(ids::kSize48 + i));
    }
    button(ids::kOk)->setDefault(true);
}

QWidget* CKelvaroDlg::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

QPushButton* CKelvaroDlg::button(int id) const {
    return qobject_cast<QPushButton*>(control(id));
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
    for (int id = ids::kMoveUp; id <= ids::kMoveRight; ++id) {
        connectCommand(button(id), &QPushButton::clicked, [this, id] { onMove(id); });
    }
    for (QRadioButton* button : m_sizeButtons) {
        connectCommand(button, &QRadioButton::clicked, [this] { onSizeChosen(); });
    }
    for (QScrollBar* bar : m_bars) {
        // A drag of the thumb is a gesture of its own for the undo history.
        connect(bar, &QScrollBar::sliderPressed, this, [this] { endGesture(); });
        connect(bar, &QScrollBar::sliderReleased, this, [this] { endGesture(); });
        new ScrollAdapter(bar, [this](QScrollBar* b, ScrollRequest request, int position) {
            if (!m_exchanging)
                onScroll(b, request, position);
        });
    }
    for (int i = 0; i < kColourSettingCount; ++i) {
        connectCommand(m_edits[static_cast<std::size_t>(i)], &QLineEdit::textEdited,
                       [this, i] { onEditChanged(i); });
    }
    connectCommand(m_elementList, &QComboBox::activated, [this] { onSelectElement(); });
    for (const ButtonCommand& row : kButtonCommands) {
        connectCommand(button(row.id), &QPushButton::clicked,
                       [this, command = row.command] { (this->*command)(); });
    }
    connectCommand(button(ids::kHelp), &QPushButton::clicked, [this] { onHelp(); });
}

void CKelvaroDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        openingSequence();
        openStartupDocument();
    }
}

void CKelvaroDlg::openingSequence() {
    for (int e = 0; e < kElementCount; ++e) {
        const std::string_view text = elementListText(e);
        m_elementList->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    writeControls();
    control(ids::kHelp)->show();
    for (int i = 0; i < kColourSettingCount; ++i) {
        const ColourSettingInfo& setting = colourSetting(i);
        m_bars[static_cast<std::size_t>(i)]->setRange(setting.low, setting.high);
    }
    m_state.baseDirectory = currentFolder();
    m_state.partCache = &sharedPartCache();
    countAllParts(m_state);
    m_state.counterText = counterTextFor(m_state);
    writeControls();
    const auto report = [this](const std::string& message) { reportText(message); };
    if (!loadWall(m_state, report))
        return;
    for (int layer : fullLoadOrder()) {
        if (!loadLayerOfElement(m_state, layer, report))
            return;
    }
    recolourAllLayers(m_state);
    maskIris(m_state);
    m_elementList->setFocus();
}

// The document given on the command line is where the work starts, not a step to undo.
void CKelvaroDlg::openStartupDocument() {
    if (m_startupDocument.empty() || !openPortrait(m_startupDocument))
        return;
    m_history->clear();
    markSaved();
}

void CKelvaroDlg::composeInto(CanvasPixels& out) const {
    composePortrait(m_state, out);
}

void CKelvaroDlg::redraw() {
    m_canvas->repaint();
    emit portraitShown();
}

void CKelvaroDlg::report(const QString& message) {
    showWarning(this, message);
}

void CKelvaroDlg::reportText(const std::string& message) {
    report(QString::fromStdString(message));
}

}  // namespace kelvaro
