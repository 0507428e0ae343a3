// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Data exchange between the controls and the portrait state, in one fixed control order:
// counter, the five edits, the element list, the five scroll bars, the size buttons. The
// counter is written only: its text follows from the part numbers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/counter_text.h"
#include "ui/kelvaro_dlg.h"
#include "ui/number_reading.h"

namespace kelvaro {
namespace {

// The longest text an edit is read with.
constexpr int kEditReadLength = 63;

// Runs `exchange` with notifications of the window's own controls kept from every command.
template <typename Exchange>
bool guarded(bool& exchanging, Exchange exchange) {
    const bool outer = exchanging;
    exchanging = true;
    const bool ok = exchange();
    exchanging = outer;
    return ok;
}

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

// "%3d/%d" of the current element's part number and highest part number; "  0/0" until the
// parts are counted; what the label holds while no valid element is current.
QString shownCounter(const PortraitEditor& editor, const QLabel* label) {
    if (!editor.partsCounted())
        return QStringLiteral("  0/0");
    const PortraitState& state = editor.state();
    const int element = state.currentElement;
    if (!isValidElement(element))
        return label->text();
    return counterText(state.elementPart(element),
                       state.highestPart[static_cast<std::size_t>(element)]);
}

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

bool CKelvaroDlg::writeControls() {
    const PortraitState& state = m_editor.state();
    return guarded(m_exchanging, [this, &state] {
        setTextIfChanged(m_ui.counter, shownCounter(m_editor, m_ui.counter));
        const auto values = toArray(state.current);
        for (std::size_t i = 0; i < m_ui.edits.size(); ++i) {
            setTextIfChanged(m_ui.edits[i], QString::number(values[i]));
        }
        m_ui.elementList->setCurrentIndex(state.currentElement);
        const auto positions = toArray(state.scroll);
        for (std::size_t i = 0; i < m_ui.bars.size(); ++i)
            m_ui.bars[i]->setValue(positions[i]);
        // Exclusivity is lifted while writing, so that a choice outside 0..2 checks none.
        for (std::size_t i = 0; i < m_ui.sizeButtons.size(); ++i) {
            m_ui.sizeButtons[i]->setAutoExclusive(false);
            m_ui.sizeButtons[i]->setChecked(static_cast<int>(i) == state.sizeChoice);
            m_ui.sizeButtons[i]->setAutoExclusive(true);
        }
        return true;
    });
}

void CKelvaroDlg::writeEdit(int setting, int value) {
    guarded(m_exchanging, [this, setting, value] {
        setTextIfChanged(m_ui.edits.at(static_cast<std::size_t>(setting)), QString::number(value));
        return true;
    });
}

bool CKelvaroDlg::readControls(ControlValues& read) {
    const PortraitState& state = m_editor.state();
    read = {state.current, state.currentElement, state.scroll, state.sizeChoice};
    return guarded(m_exchanging, [this, &read] {
        auto values = toArray(read.current);
        for (std::size_t i = 0; i < m_ui.edits.size(); ++i) {
            QLineEdit* edit = m_ui.edits[i];
            const auto number = readWholeNumber(edit->text().left(kEditReadLength).toStdString());
            if (!number) {
                read.current = fromArray(values);
                report(tr("Proszę podać liczbę całkowitą."));
                edit->setFocus();
                edit->selectAll();
                return false;
            }
            values[i] = *number;
        }
        read.current = fromArray(values);
        read.currentElement = m_ui.elementList->currentIndex();
        std::array<int, kColourSettingCount> positions{};
        for (std::size_t i = 0; i < m_ui.bars.size(); ++i)
            positions[i] = m_ui.bars[i]->value();
        read.scroll = fromArray(positions);
        read.sizeChoice = -1;
        for (std::size_t i = 0; i < m_ui.sizeButtons.size(); ++i) {
            if (m_ui.sizeButtons[i]->isChecked())
                read.sizeChoice = static_cast<int>(i);
        }
        return true;
    });
}

}  // namespace kelvaro
