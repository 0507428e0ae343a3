// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/companion_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "ui/colours_tab.h"
#include "ui/companion_placement.h"
#include "ui/expressions_tab.h"
#include "ui/parts_tab.h"
#include "ui/tool_tips.h"
#include "ui/user_settings.h"

namespace kelvaro {
namespace {

constexpr QSize kFirstSize(480, 800);  // inside the frame, before the screen narrows it

const QString kPositionKey = QStringLiteral("companion/position");  // the frame's top left
const QString kSizeKey = QStringLiteral("companion/size");          // inside the frame
const QString kTabKey = QStringLiteral("companion/tab");            // the open tab's object name

QList<QRect> availableAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.push_back(screen->availableGeometry());
    return areas;
}

// The frame (`frame` thicker than the size inside it) where the window was last left; none
// when nothing is stored, what is stored is not a place, or it lies on no screen now.
std::optional<QRect> rememberedFrame(QSize frame) {
    const UserSettings settings;
    const QVariant position = settings.value(kPositionKey);
    const QVariant size = settings.value(kSizeKey);
    if (position.typeId() != QMetaType::QPoint || size.typeId() != QMetaType::QSize ||
        size.toSize().isEmpty())
        return std::nullopt;
    const QRect remembered(position.toPoint(), size.toSize() + frame);
    if (!liesOnAScreen(remembered, availableAreas()))
        return std::nullopt;
    return remembered;
}

}  // namespace

CompanionWindow::CompanionWindow(PortraitEditor& portrait, QWidget& editorWindow)
    : QWidget(&editorWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_editorWindow(editorWindow) {
    setObjectName(QStringLiteral("companionWindow"));
    setWindowTitle(tr("Przybornik"));
    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);  // no frame of its own: the tabs' room goes to their contents
    m_parts = addTab(new PartsTab(portrait, this));
    m_colours = addTab(new ColoursTab(portrait, this));
    m_expressions = addTab(new ExpressionsTab(portrait, this));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    resize(kFirstSize);
    applyToolTips(*this);
    showRememberedTab();

    auto* closing = new QAction(this);
    closing->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(closing);
    connect(closing, &QAction::triggered, this, &CompanionWindow::dismiss);
}

CompanionWindow::~CompanionWindow() {
    if (isVisible())
        rememberPlace();
}

template <typename Tab>
Tab* CompanionWindow::addTab(Tab* tab) {
    m_tabs->addTab(tab, tab->windowTitle());
    return tab;
}

bool CompanionWindow::showsTab(const QWidget* tab) const {
    return isVisible() && m_tabs->currentWidget() == tab;
}

void CompanionWindow::openOn(QWidget* tab) {
    m_tabs->setCurrentWidget(tab);
    if (!m_placed) {
        placeFirstTime();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    tab->setFocus(Qt::ActiveWindowFocusReason);
}

void CompanionWindow::dismiss() {
    close();
    m_editorWindow.activateWindow();
}

void CompanionWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showTexts();
}

// Each tab shows its texts before its caption is taken from its title.
void CompanionWindow::showTexts() {
    setWindowTitle(tr("Przybornik"));
    m_parts->showTexts();
    m_colours->showTexts();
    m_expressions->showTexts();
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabText(i, m_tabs->widget(i)->windowTitle());
}

void CompanionWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    rememberPlace();
}

// The companion's frame is taken to be as thick as the editor's: it has none before it shows.
void CompanionWindow::placeFirstTime() {
    const QSize frame = m_editorWindow.frameGeometry().size() - m_editorWindow.size();
    std::optional<QRect> placed = rememberedFrame(frame);
    if (!placed) {
        placed = placeCompanion({m_editorWindow.frameGeometry(), size() + frame,
                                 minimumSizeHint().width() + frame.width(),
                                 m_editorWindow.screen()->availableGeometry()});
    }
    resize(placed->size() - frame);
    move(placed->topLeft());
}

void CompanionWindow::rememberPlace() const {
    UserSettings settings;
    settings.setValue(kPositionKey, pos());
    settings.setValue(kSizeKey, size());
    settings.setValue(kTabKey, m_tabs->currentWidget()->objectName());
}

void CompanionWindow::showRememberedTab() {
    const QString name = UserSettings().value(kTabKey).toString();
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (!name.isEmpty() && m_tabs->widget(i)->objectName() == name)
            m_tabs->setCurrentIndex(i);
    }
}

}  // namespace kelvaro
