// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/ui/editor_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "model/layer_tables.h"
#include "model/part_library.h"
#include "ui/canvas_frame.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

constexpr int kCell = 24;
constexpr int kBlockInset = 2;
constexpr int kBlock = 20;
constexpr int kOverhang = 19;  // image pixel (19, 19) lies on canvas pixel (0, 0)

// The grid cell a layer's block occupies: the eye shape sits in the iris's cell.
int cellOf(int layer) {
    return layer == kEyeShapeLayer ? kIrisLayer : layer;
}
QPoint cellOrigin(int layer) {
    const int cell = cellOf(layer);
    return {(cell % 8) * kCell, (cell / 8) * kCell};
}

int partCount(int element) {
    return element == kFace ? kFaceParts : kOtherParts;
}

Argb partPixel(int layer, int part, int x, int y) {
    const QPoint origin = cellOrigin(layer) + QPoint(kOverhang, kOverhang);
    const QPoint inside(x - origin.x(), y - origin.y());
    const int inset = layer == kEyeShapeLayer ? 0 : kBlockInset;
    const int size = layer == kEyeShapeLayer ? kCell : kBlock;
    const bool inBlock = inside.x() >= inset && inside.x() < inset + size && inside.y() >= inset &&
                         inside.y() < inset + size;
    return inBlock ? blockColour(layer, part) : 0;
}

}  // namespace

QPoint blockCentre(int layer) {
    return cellOrigin(layer) + QPoint(kCell / 2, kCell / 2);
}

Argb blockColour(int layer, int part) {
    return makeArgb(255, 255, static_cast<std::uint32_t>(255 - 8 * layer),
                    static_cast<std::uint32_t>(255 - part));
}

Argb defaultTint(Argb c) {
    const auto tint = [](std::uint32_t v) { return (v * 255) >> 8; };
    return makeArgb(alphaOf(c), tint(redOf(c)), tint(greenOf(c)), tint(blueOf(c)));
}

void writeTestLibrary(const std::filesystem::path& base) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const int element = layerInfo(layer).element;
        for (int part = 0; part < partCount(element); ++part) {
            writeArgbPng(partPath(base, layerInfo(layer).folder, part), kPartSize, kPartSize,
                         [=](int x, int y) { return partPixel(layer, part, x, y); });
        }
    }
    writeArgbPng(wallPath(base), kCanvasSize, kCanvasSize, [](int, int) { return kWallColour; });
    writeArgbPng(dummyPath(base), kPartSize, kPartSize, [](int, int) { return Argb{0}; });
}

namespace {

// The library is drawn once per test program and copied for every window.
const std::filesystem::path& masterLibrary() {
    static TempFolder folder;
    static const bool written = (writeTestLibrary(folder.path()), true);
    (void)written;
    static const std::filesystem::path path = folder.path();
    return path;
}

}  // namespace

EditorFixture::EditorFixture(const std::function<void(const std::filesystem::path&)>& prepare,
                             const std::filesystem::path& folderName)
    : m_base(m_folder.path() / folderName), m_canvas(makeCanvasPixels()) {
    std::filesystem::copy(masterLibrary(), m_base, std::filesystem::copy_options::recursive);
    if (prepare)
        prepare(m_base);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "kelvaro", "kelvaro").clear();
    makeDialog();
}

void EditorFixture::makeDialog() {
    m_dialog = std::make_unique<CKelvaroDlg>(m_base / "Kelvaro.ini");
    m_dialog->setHelpFile(m_base / "missing-help.html");
    if (!m_recoveryFolder.empty())
        m_dialog->setRecoveryFolder(m_recoveryFolder);
}

void EditorFixture::useRecoveryFolder(std::filesystem::path folder) {
    m_recoveryFolder = std::move(folder);
    makeDialog();
}

void EditorFixture::restart() {
    state().saved = true;
    m_dialog.reset();
    makeDialog();
    open();
}

EditorFixture::~EditorFixture() {
    if (m_dialog)
        m_dialog->editor().mutableState().saved = true;  // no question when the window goes away
    m_dialog.reset();
}

void EditorFixture::open() {
    m_previousDirectory = std::filesystem::current_path();
    std::filesystem::current_path(m_base);
    m_dialog->show();
    std::filesystem::current_path(m_previousDirectory);
    if (!QTest::qWaitForWindowExposed(m_dialog.get()))
        throw std::runtime_error("window not exposed");
}

void activateWindowOf(QWidget* widget) {
    QWidget* window = widget->window();
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        throw std::runtime_error("window not activated");
}

void EditorFixture::click(int id) {
    QTest::mouseClick(m_dialog->control(id), Qt::LeftButton);
}

void EditorFixture::selectElement(int element) {
    auto* list = widget<QComboBox>(ids::kElementList);
    list->setFocus();
    if (list->currentIndex() == element)
        emit list->activated(element);
    while (list->currentIndex() < element)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > element)
        QTest::keyClick(list, Qt::Key_Up);
}

void clickScrollBar(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = false;
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

QImage EditorFixture::shownCanvas() {
    const QImage window = m_dialog->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint inside = m_dialog->canvas()->geometry().topLeft() + QPoint(1, 1);
    return window.copy(QRect(inside, QSize(kCanvasSize, kCanvasSize)));
}

void EditorFixture::press(QKeyCombination key) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = m_dialog.get();
    activateWindowOf(target);
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void EditorFixture::typeInto(int id, const char* text) {
    auto* field = widget<QLineEdit>(id);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

namespace {

// In the menu that is open, lists the items and chooses the one whose text starts with
// `path`'s first caption: Return runs an item, Right opens a submenu, where the next caption is
// chosen in the same way; `items` gets the items of the last menu opened. Closes the menus when
// nothing is chosen.
void chooseInOpenMenu(QStringList path, std::vector<EditorFixture::MenuItem>& items) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return;
    const QString caption = path.isEmpty() ? QString() : path.takeFirst();
    QAction* chosen = nullptr;
    items.clear();
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        items.push_back({action->text(), action->isEnabled(), action->isChecked()});
        if (!chosen && !caption.isEmpty() && action->text().startsWith(caption))
            chosen = action;
    }
    if (!chosen || !chosen->isEnabled()) {
        while (auto* open = QApplication::activePopupWidget())
            open->close();
        return;
    }
    menu->setActiveAction(chosen);
    if (!chosen->menu()) {
        QTest::keyClick(menu, Qt::Key_Return);
        return;
    }
    QTimer::singleShot(0, [path, &items] { chooseInOpenMenu(path, items); });
    QTest::keyClick(menu, Qt::Key_Right);
}

}  // namespace

std::vector<EditorFixture::MenuItem> EditorFixture::chooseFromMenu(const QString& caption) {
    return chooseFromMenuPath(caption.isEmpty() ? QStringList() : QStringList{caption});
}

std::vector<EditorFixture::MenuItem> EditorFixture::chooseFromMenuPath(const QStringList& path) {
    std::vector<MenuItem> items;
    QTimer::singleShot(0, [&] { chooseInOpenMenu(path, items); });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            m_dialog->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(m_dialog.get(), &event);
    return items;
}

std::unique_ptr<CanvasPixels> EditorFixture::canvas() {
    auto out = makeCanvasPixels();
    m_dialog->editor().compose(*out);
    return out;
}

Argb EditorFixture::canvasPixel(QPoint p) {
    m_dialog->editor().compose(*m_canvas);
    return (*m_canvas)[static_cast<std::size_t>(p.y() * kCanvasSize + p.x())];
}

}  // namespace kelvaro::test
