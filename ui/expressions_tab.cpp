// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/expressions_tab.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "model/part_cache.h"
#include "model/part_preview.h"
#include "ui/document_commands.h"
#include "ui/file_dialog.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"
#include "ui/gallery_view.h"

namespace kelvaro {
namespace {

constexpr int kButtonColumns = 4;
constexpr int kHalfColumn = 2;  // where the second half of a row starts
constexpr int kArrowRow = 1;    // the row holding the two arrows

// The buttons' captions, and tooltips where the caption is a symbol.
struct ButtonText {
    const char* name;
    const char* caption;
    const char* toolTip;
};
const std::array<ButtonText, 8> kButtonTexts = {{
    {"addExpression", QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Dodaj minę"), nullptr},
    {"removeExpression", QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Usuń minę"), nullptr},
    {"moveExpressionLeft", "◀",
     QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Przesuń minę w lewo")},
    {"moveExpressionRight", "▶",
     QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Przesuń minę w prawo")},
    {"renameExpression", QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Zmień nazwę…"), nullptr},
    {"showAsBase", QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Jak w neutralnej"), nullptr},
    {"basicExpressions", QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Zestaw podstawowy"),
     nullptr},
    {"loadExpressions", QT_TRANSLATE_NOOP("kelvaro::ExpressionsTab", "Wczytaj miny z portretu…"),
     nullptr},
}};

// Card `face` of the snapshot: the portrait with that face shown; no part files are told of.
DrawnCell drawFaceCard(PartPreview& preview, const PortraitDocument& document, bool, int face,
                       CanvasPixels& scratch) {
    PortraitDocument shown = document;
    shown.expressions.edited = face;
    preview.show(shown);
    preview.compose(scratch);
    return {&scratch, {}};
}

// The cards' captions: the base, then each expression's name.
QStringList faceNames(const ExpressionSet& set) {
    QStringList names{ExpressionsTab::tr("Neutralna")};
    for (const Expression& expression : set.expressions)
        names << QString::fromStdString(expression.name);
    return names;
}

}  // namespace

ExpressionsTab::ExpressionsTab(PortraitEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor) {
    setObjectName(QStringLiteral("expressionsTab"));
    const PortraitState& state = editor.state();
    m_renderer = new GalleryRenderer(state.baseDirectory,
                                     state.partCache ? state.partCache : &sharedPartCache(), this,
                                     &drawFaceCard);
    m_cells = new GalleryCells(this);
    m_view = new GalleryView(this);
    m_view->setObjectName(QStringLiteral("expressionCards"));
    m_view->setModel(m_cells);
    m_buttons = new QWidget(this);
    auto* buttons = new QGridLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_buttons);
    setFocusProxy(m_view);

    connect(addButton("addExpression", 0, 0), &QAbstractButton::clicked, this,
            &ExpressionsTab::addExpression);
    connect(addButton("removeExpression", 0, 2), &QAbstractButton::clicked, this,
            [this] { m_editor.removeExpression(m_editor.state().expressions.edited); });
    connect(addButton("moveExpressionLeft", 1, 0), &QAbstractButton::clicked, this,
            [this] { m_editor.moveExpression(m_editor.state().expressions.edited, -1); });
    connect(addButton("moveExpressionRight", 1, 1), &QAbstractButton::clicked, this,
            [this] { m_editor.moveExpression(m_editor.state().expressions.edited, 1); });
    connect(addButton("renameExpression", 1, 2), &QAbstractButton::clicked, this,
            &ExpressionsTab::renameExpression);
    connect(addButton("showAsBase", 2, 0), &QAbstractButton::clicked, &m_editor,
            &PortraitEditor::showElementAsBase);
    connect(addButton("basicExpressions", 3, 0), &QAbstractButton::clicked, &m_editor,
            &PortraitEditor::addBasicExpressions);
    connect(addButton("loadExpressions", 4, 0), &QAbstractButton::clicked, this,
            &ExpressionsTab::loadExpressions);
    showTexts();

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &ExpressionsTab::refresh);
    connect(m_renderer, &GalleryRenderer::cellReady, this,
            [this](quint64 generation, int face, const QImage& picture) {
                if (generation == m_renderer->generation())
                    m_cells->setPicture(face, picture);
            });
    connect(m_view, &GalleryView::partChosen, &m_editor, &PortraitEditor::chooseFace);
    connect(&m_editor, &PortraitEditor::changed, this, [this](ChangeSet what) {
        if (isVisible() && (what & ~ChangeSet(Change::Document) & ~ChangeSet(Change::History)))
            m_refreshTimer.start();
    });
}

ExpressionsTab::~ExpressionsTab() = default;

void ExpressionsTab::showTexts() {
    setWindowTitle(tr("Miny"));
    m_view->setAccessibleName(tr("Miny postaci"));
    for (const ButtonText& text : kButtonTexts) {
        auto* button = findChild<QAbstractButton*>(QString::fromLatin1(text.name));
        button->setText(tr(text.caption));
        if (text.toolTip)
            button->setToolTip(tr(text.toolTip));
    }
    if (isVisible())
        m_cells->setCaptions(faceNames(m_editor.state().expressions));
}

// The grid has four columns: two narrow ones for the arrows, then two halves of the rest. A
// button starting in column 0 or 2 takes the half, or the whole row when it is the row's only
// one; the long captions have rows of their own, so the tab stays as narrow as the parts tab.
QAbstractButton* ExpressionsTab::addButton(const char* name, int row, int column) {
    const bool arrow = row == kArrowRow && column < kHalfColumn;
    QAbstractButton* button = arrow ? static_cast<QAbstractButton*>(new QToolButton(m_buttons))
                                    : new QPushButton(m_buttons);
    button->setObjectName(QString::fromLatin1(name));
    auto* grid = static_cast<QGridLayout*>(m_buttons->layout());
    const bool alone = row > kArrowRow;
    const int span = arrow ? 1 : alone ? kButtonColumns : kButtonColumns - kHalfColumn;
    grid->addWidget(button, row, column, 1, span);
    return button;
}

bool ExpressionsTab::upToDate() const {
    if (m_refreshTimer.isActive())
        return false;
    for (int face = 0; face < m_cells->count(); ++face) {
        if (!m_cells->isReady(face))
            return false;
    }
    return true;
}

void ExpressionsTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void ExpressionsTab::refresh() {
    const PortraitState& state = m_editor.state();
    const ExpressionSet& set = state.expressions;
    const int faces = static_cast<int>(set.expressions.size()) + 1;
    if (faces != m_cells->count())
        m_cells->reset(faces);
    m_cells->setCaptions(faceNames(set));
    m_cells->setCurrentPart(set.edited);
    m_view->setCurrentIndex(m_cells->index(set.edited));
    if (state.released())
        return;
    m_renderer->setSnapshot(capture(state));
    m_cells->invalidate(0, faces - 1);
    std::vector<int> all(static_cast<std::size_t>(faces));
    for (int face = 0; face < faces; ++face)
        all[static_cast<std::size_t>(face)] = face;
    m_renderer->request(all);
}

void ExpressionsTab::addExpression() {
    m_editor.endGesture();
    const int number = static_cast<int>(m_editor.state().expressions.expressions.size()) + 1;
    m_editor.addExpression(tr("Mina %1").arg(number));
}

void ExpressionsTab::renameExpression() {
    m_editor.endGesture();
    const ExpressionSet& set = m_editor.state().expressions;
    const Expression* edited = editedExpression(set);
    if (!edited)
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("renameExpressionDialog"));
    dialog.setWindowTitle(tr("Zmień nazwę"));
    dialog.setLabelText(tr("Nazwa miny:"));
    dialog.setTextValue(QString::fromStdString(edited->name));
    if (dialog.exec() == QDialog::Accepted && !dialog.textValue().trimmed().isEmpty())
        m_editor.renameExpression(set.edited, dialog.textValue().trimmed());
}

void ExpressionsTab::loadExpressions() {
    m_editor.endGesture();
    const auto file =
        chooseFileToOpen(*this, QStringLiteral("loadExpressionsDialog"), portraitFileFilters());
    if (!file.empty())
        m_editor.loadExpressions(file);
}

}  // namespace kelvaro
