// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Data exchange between the controls and the portrait state, in one fixed control order:
// counter, the five edits, the element list, the five scroll bars, the size buttons.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>

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

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

bool CKelvaroDlg::writeControls() {
    return guarded(m_exchanging, [this] {
        setTextIfChanged(m_counter, QString::fromStdString(m_state.counterText));
        const auto values = toArray(m_state.current);
        for (std::size_t i = 0; i < m_edits.size(); ++i) {
            setTextIfChanged(m_edits[i], QString::number(values[i]));
        }
        m_elementList->setCurrentIndex(m_state.currentElement);
        const auto positions = toArray(m_state.scroll);
        for (std::size_t i = 0; i < m_bars.size(); ++i)
            m_bars[i]->setValue(positions[i]);
        // Exclusivity is lifted while writing, so that a choice outside 0..2 checks none.
        for (std::size_t i = 0; i < m_sizeButtons.size(); ++i) {
            m_sizeButtons[i]->setAutoExclusive(false);
            m_sizeButtons[i]->setChecked(static_cast<int>(i) == m_state.sizeChoice);
            m_sizeButtons[i]->setAutoExclusive(true);
        }
        return true;
    });
}

bool CKelvaroDlg::readControls() {
    return guarded(m_exchanging, [this] {
        m_state.counterText = m_counter->text().toStdString();
        auto values = toArray(m_state.current);
        for (std::size_t i = 0; i < m_edits.size(); ++i) {
            QLineEdit* edit = m_edits[i];
            const auto number = readWholeNumber(edit->text().left(kEditReadLength).toStdString());
            if (!number) {
                m_state.current = fromArray(values);
                report(QStringLiteral("Proszę podać liczbę całkowitą."));
                edit->setFocus();
                edit->selectAll();
                return false;
            }
            values[i] = *number;
        }
        m_state.current = fromArray(values);
        m_state.currentElement = m_elementList->currentIndex();
        std::array<int, 5> positions{};
        for (std::size_t i = 0; i < m_bars.size(); ++i)
            positions[i] = m_bars[i]->value();
        m_state.scroll = fromArray(positions);
        m_state.sizeChoice = -1;
        for (std::size_t i = 0; i < m_sizeButtons.size(); ++i) {
            if (m_sizeButtons[i]->isChecked())
                m_state.sizeChoice = static_cast<int>(i);
        }
        return true;
    });
}

}  // namespace kelvaro
