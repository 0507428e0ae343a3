// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/control_factory.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/control_ids.h"
#include "ui/icons.h"

namespace kelvaro {
namespace {

// The dialog font's size: small enough that every caption fits its template width.
constexpr int kDialogFontPixels = 11;

// The property holding the source caption of a control whose caption the language changes.
constexpr char kCaptionProperty[] = "templateCaption";

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Buttons, group boxes and labels show their template caption; a label with an identifier shows
// what the program writes into it (the counter), its caption being only its first text.
bool showsCaption(const ControlTemplate& row) {
    switch (row.kind) {
        case ControlKind::GroupBox:
        case ControlKind::Button:
        case ControlKind::Radio:
            return true;
        case ControlKind::Label:
            return row.id == ids::kNone;
        default:
            return false;
    }
}

void setCaption(QWidget* widget, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(caption);
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        box->setTitle(caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(caption);
}

QWidget* makeWidget(const ControlTemplate& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(templateText(row.caption), parent);
        case ControlKind::DropList:
            return new QComboBox(parent);
        case ControlKind::Button:
            return new QPushButton(templateText(row.caption), parent);
        case ControlKind::Radio:
            return new QRadioButton(templateText(row.caption), parent);
        case ControlKind::Edit:
            return new QLineEdit(parent);
        case ControlKind::ScrollBar:
            return new QScrollBar(Qt::Horizontal, parent);
        case ControlKind::Label: {
            auto* label = new QLabel(templateText(row.caption), parent);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(parent);
            const int size = row.caption == "128" ? 32 : 16;
            label->setPixmap(
                iconPixmap(text(row.caption).toInt(), size, parent->devicePixelRatio()));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::Frame:
            return nullptr;  // the dialog supplies its own canvas frame
    }
    return nullptr;
}

}  // namespace

QWidget* createControl(const ControlTemplate& row, QWidget* parent) {
    QWidget* widget = makeWidget(row, parent);
    if (!widget)
        return nullptr;
    QRect place = dialogUnitsToPixels(row.x, row.y, row.width, row.height);
    // A drop-down list's template height includes its dropped list; closed it is one line high.
    if (row.kind == ControlKind::DropList)
        place.setHeight(widget->sizeHint().height());
    widget->setGeometry(place);
    widget->setProperty("controlId", row.id);
    if (row.id != ids::kNone)
        widget->setObjectName(QStringLiteral("control%1").arg(row.id));
    widget->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    if (showsCaption(row))
        widget->setProperty(kCaptionProperty, QByteArray(row.caption.data(), row.caption.size()));
    return widget;
}

void buildFromTemplate(const DialogTemplate& dialogTemplate, QWidget* dialog) {
    dialog->setWindowTitle(templateText(dialogTemplate.title));
    QFont font = dialog->font();
    font.setPixelSize(kDialogFontPixels);
    dialog->setFont(font);
    dialog->setFixedSize(
        dialogUnitsToPixels(0, 0, dialogTemplate.width, dialogTemplate.height).size());
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& row : dialogTemplate.controls) {
        QWidget* widget = createControl(row, dialog);
        if (!widget || !row.tabStop)
            continue;
        if (previousTabStop)
            QWidget::setTabOrder(previousTabStop, widget);
        previousTabStop = widget;
    }
}

void showTemplateCaptions(QWidget* dialog) {
    for (QWidget* widget : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant caption = widget->property(kCaptionProperty);
        if (caption.isValid())
            setCaption(widget, templateText(caption.toByteArray().toStdString()));
    }
}

int controlId(const QWidget* widget) {
    const QVariant id = widget->property("controlId");
    return id.isValid() ? id.toInt() : ids::kNone;
}

}  // namespace kelvaro
