// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/parts_drop.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include "editing/portrait_editor.h"
#include "model/layer_tables.h"
#include "ui/document_commands.h"
#include "ui/dropped_file.h"
#include "ui/warning_box.h"

namespace kelvaro {

PartsDrop::PartsDrop(PortraitEditor& editor, QWidget& tab)
    : QObject(&tab), m_editor(editor), m_tab(tab) {
    tab.setAcceptDrops(true);
    tab.installEventFilter(this);
}

QString PartsDrop::question(int count, int element) {
    const QString name =
        QCoreApplication::translate("Element", std::string(elementListText(element)).c_str());
    return tr("Dodać %1 obrazów jako nowe części elementu %2?").arg(count).arg(name);
}

bool PartsDrop::takes(const QMimeData& data) const {
    return droppedPortraitFile(data).has_value() ||
           (isValidElement(m_editor.state().currentElement) && !droppedPictureFiles(data).empty());
}

bool PartsDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != &m_tab ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!takes(*drop->mimeData()))
        return true;  // refused: the event stays ignored
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        dropped(*drop->mimeData());
    return true;
}

// Not inside the drop: the question needs a loop of its own, and the source waits.
void PartsDrop::dropped(const QMimeData& data) {
    const auto portrait = droppedPortraitFile(data);
    if (portrait && opensAsPortrait(*portrait)) {
        QTimer::singleShot(0, this, [this, file = *portrait] {
            openPortraitFile(*m_tab.window(), m_editor, file);
        });
        return;
    }
    QTimer::singleShot(0, this,
                       [this, pictures = droppedPictureFiles(data)] { askToAdd(pictures); });
}

void PartsDrop::askToAdd(const std::vector<std::filesystem::path>& pictures) {
    const int element = m_editor.state().currentElement;
    if (pictures.empty() || !isValidElement(element))
        return;
    const QString text = question(static_cast<int>(pictures.size()), element);
    if (showWarning(m_tab.window(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
        QMessageBox::Yes)
        m_editor.addPictures(pictures);
}

}  // namespace kelvaro
