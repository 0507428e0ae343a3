// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/parts_tab.h"

#include <QEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "model/part_cache.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"
#include "ui/gallery_view.h"
#include "ui/parts_drop.h"
#include "ui/preview_strip.h"

namespace kelvaro {
namespace {

constexpr int kMarginRows = 1;            // rows of cells drawn beyond those in view
constexpr int kKeptScreens = 3;           // pictures kept above and below the view, in screenfuls
constexpr int kLongestPaintWaitMs = 100;  // the cells are asked for then even without a paint

// What the cells' pictures depend on: the document but for the current element's own part
// (every cell sets its own), the size choice and the bars.
PortraitDocument cellsDocument(PortraitDocument document) {
    if (isValidElement(document.currentElement))
        document.layers[static_cast<std::size_t>(document.currentElement)].partNumber = 0;
    document.sizeChoice = 0;
    document.scroll = {};
    return document;
}

}  // namespace

PartsTab::PartsTab(PortraitEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setObjectName(QStringLiteral("partsTab"));
    const PortraitState& state = editor.state();
    m_renderer = new GalleryRenderer(state.baseDirectory,
                                     state.partCache ? state.partCache : &sharedPartCache(), this);
    m_cells = new GalleryCells(this);
    m_previews = new PreviewStrip(this);
    m_view = new GalleryView(this);
    m_view->setModel(m_cells);
    m_empty = new QLabel(this);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_previews, 0, Qt::AlignHCenter);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_empty, 1);
    setFocusProxy(m_view);
    new PartsDrop(editor, *this);
    showTexts();

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &PartsTab::refresh);
    m_scrollTimer.setSingleShot(true);
    m_scrollTimer.setInterval(0);
    m_paintWait.setSingleShot(true);
    m_paintWait.setInterval(kLongestPaintWaitMs);
    connect(&m_paintWait, &QTimer::timeout, this, &PartsTab::endPaintWait);
    connect(&m_scrollTimer, &QTimer::timeout, this, &PartsTab::requestWanted);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, &m_scrollTimer,
            qOverload<>(&QTimer::start));
    m_view->viewport()->installEventFilter(this);
    connect(m_renderer, &GalleryRenderer::cellReady, this, &PartsTab::onCellReady);
    connect(m_view, &GalleryView::partChosen, &m_editor, &PortraitEditor::choosePart);
    connect(m_previews, &PreviewStrip::sizeClicked, &m_editor,
            qOverload<int>(&PortraitEditor::chooseSize));
    connect(&m_editor, &PortraitEditor::changed, this, &PartsTab::portraitChanged);
}

PartsTab::~PartsTab() = default;

void PartsTab::showTexts() {
    setWindowTitle(tr("Części"));
    m_view->setAccessibleName(tr("Części elementu"));
    m_empty->setText(tr("Ten element nie ma żadnej części."));
}

void PartsTab::portraitChanged(ChangeSet what) {
    if (isVisible() && (what & ~ChangeSet(Change::Document) & ~ChangeSet(Change::History)))
        m_refreshTimer.start();
}

// A resized grid shows other cells.
bool PartsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        m_scrollTimer.start();
    if (watched == m_view->viewport() && event->type() == QEvent::Paint && m_waitingForPaint)
        endPaintWait();
    return QWidget::eventFilter(watched, event);
}

void PartsTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_waitingForPaint = true;
    m_prepared = false;
    m_paintWait.start();
    refresh();
    moveToCurrentPart();
}

void PartsTab::refresh() {
    const PortraitState& state = m_editor.state();
    if (state.released())
        return;
    auto canvas = makeCanvasPixels();
    m_editor.compose(*canvas);
    m_previews->showPortrait(*canvas, state.sizeChoice);
    const int element = state.currentElement;
    const bool valid = isValidElement(element);
    followElement(element, valid ? state.highestPart[static_cast<std::size_t>(element)] + 1 : 0);
    const int part = valid ? state.elementPart(element) : -1;
    const bool partChanged = part != m_cells->currentPart();
    m_cells->setCurrentPart(part);
    if (partChanged)
        moveToCurrentPart();
    const PortraitDocument document = capture(state);
    const PortraitDocument drawnFor = cellsDocument(document);
    if (m_drawn == drawnFor)
        return;
    m_drawn = drawnFor;
    m_renderer->setSnapshot(document);
    const std::vector<int> rows = m_view->visibleRows(kMarginRows).rows;
    const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
    m_cells->invalidate(rows.empty() ? 0 : *first, rows.empty() ? -1 : *last);
    requestWanted();
}

void PartsTab::endPaintWait() {
    if (!m_waitingForPaint)
        return;
    m_waitingForPaint = false;
    m_paintWait.stop();
    // Queued, so that the workers start once the paint under way is done.
    QMetaObject::invokeMethod(this, &PartsTab::requestWanted, Qt::QueuedConnection);
}

void PartsTab::moveToCurrentPart() {
    const int part = m_cells->currentPart();
    if (part < 0 || part >= m_cells->count())
        return;
    m_view->setCurrentIndex(m_cells->index(part));
    m_view->scrollTo(m_cells->index(part));
}

// Another element (or another count of its parts) brings fresh cells.
void PartsTab::followElement(int element, int count) {
    if (element == m_element && count == m_cells->count())
        return;
    m_element = element;
    m_drawn.reset();
    m_cells->reset(count);
    m_view->setVisible(count > 0);
    m_empty->setVisible(count == 0);
    m_view->doItemsLayout();  // now, so that the cells in view are known at once
    m_view->scrollToTop();
}

// The cells in view that are missing are drawn first, at the window's priority; those in the
// rows around them after, at a lower one.
void PartsTab::requestWanted() {
    const GalleryView::Rows visible = m_view->visibleRows(kMarginRows);
    m_wanted = visible.rows;
    if (!m_wanted.empty()) {
        const auto [first, last] = std::minmax_element(m_wanted.begin(), m_wanted.end());
        const int slack = kKeptScreens * static_cast<int>(m_wanted.size());
        m_cells->forgetOutside(*first - slack, *last + slack);
    }
    if (m_waitingForPaint) {
        // Until the paint, the workers are only made ready, at a priority that leaves the
        // processor to the window.
        if (!m_prepared)
            m_renderer->prepareWorkers();
        m_prepared = true;
        return;
    }
    std::vector<int> missing;
    std::size_t missingInView = 0;
    for (std::size_t i = 0; i < m_wanted.size(); ++i) {
        if (m_cells->isReady(m_wanted[i]))
            continue;
        missing.push_back(m_wanted[i]);
        missingInView += i < visible.shown ? 1 : 0;
    }
    m_renderer->request(missing, missingInView);
}

void PartsTab::onCellReady(quint64, int part, const QImage& picture, const PartFaults& faults) {
    m_cells->setPicture(part, picture, faults);
}

bool PartsTab::wantedCellsReady() const {
    return std::all_of(m_wanted.begin(), m_wanted.end(),
                       [this](int part) { return m_cells->isReady(part); });
}

bool PartsTab::upToDate() const {
    return !m_refreshTimer.isActive() && !m_scrollTimer.isActive() && wantedCellsReady();
}

}  // namespace kelvaro
