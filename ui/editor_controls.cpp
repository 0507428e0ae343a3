// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/editor_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/control_factory.h"
#include "ui/control_ids.h"

namespace kelvaro {

QWidget* EditorControls::control(int id) const {
    const auto it = byId.find(id);
    return it == byId.end() ? nullptr : it->second;
}

QPushButton* EditorControls::button(int id) const {
    return qobject_cast<QPushButton*>(control(id));
}

EditorControls buildEditorControls(QDialog& window, CanvasFrame::Composer composer) {
    EditorControls c;
    const ControlTemplate& frame = editorTemplate().controls.front();
    c.canvas = new CanvasFrame(std::move(composer), &window);
    c.canvas->setGeometry(dialogUnitsToPixels(frame.x, frame.y, frame.width, frame.height));
    c.canvas->setObjectName(QStringLiteral("control%1").arg(ids::kCanvas));
    c.canvas->setProperty("controlId", ids::kCanvas);
    buildFromTemplate(editorTemplate(), &window);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const int id = controlId(child);
        if (id != ids::kNone)
            c.byId[id] = child;
    }
    c.elementList = qobject_cast<QComboBox*>(c.control(ids::kElementList));
    c.counter = qobject_cast<QLabel*>(c.control(ids::kCounter));
    for (std::size_t i = 0; i < c.edits.size(); ++i) {
        const int offset = static_cast<int>(i);
        c.edits[i] = qobject_cast<QLineEdit*>(c.control(ids::kRedEdit + offset));
        c.bars[i] = qobject_cast<QScrollBar*>(c.control(ids::kRedBar + offset));
        c.bars[i]->setSingleStep(1);
        c.bars[i]->setPageStep(10);
        c.bars[i]->setContextMenuPolicy(Qt::NoContextMenu);
    }
    for (std::size_t i = 0; i < c.sizeButtons.size(); ++i)
        c.sizeButtons[i] =
            qobject_cast<QRadioButton*>(c.control(ids::kSize48 + static_cast<int>(i)));
    c.button(ids::kOk)->setDefault(true);
    return c;
}

}  // namespace kelvaro
