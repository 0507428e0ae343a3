// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/ui/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace kelvaro::test {
namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kUnexpectedAfterTicks = 400;  // two seconds without a handler

}  // namespace

ModalDriver::ModalDriver() {
    m_timer.setInterval(kPollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start();
}

ModalDriver::~ModalDriver() {
    m_timer.stop();
}

void ModalDriver::expect(std::function<void(QWidget*)> handler) {
    m_handlers.push_back(std::move(handler));
}

void ModalDriver::answerMessageBox(QMessageBox::StandardButton button) {
    expect([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            unexpected << QStringLiteral("expected a message box, got ") +
                              modal->metaObject()->className();
            modal->close();
            return;
        }
        messages << box->text();
        QAbstractButton* target = box->button(button);
        if (target) {
            target->click();
        } else {
            box->close();
        }
    });
}

void ModalDriver::answerSaveDialog(const QString& path) {
    expect([this, path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            unexpected << QStringLiteral("expected the save dialog");
            modal->close();
            return;
        }
        typeFileNameAndAccept(dialog, path);
    });
}

void ModalDriver::cancelSaveDialog() {
    expect([](QWidget* modal) { modal->close(); });
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_idleTicks = 0;
        return;
    }
    // A window already handed to a handler carries a mark, so a new window that happens to
    // reuse its address is still recognised as new.
    const bool handled = modal->property("modalDriverHandled").toBool();
    if (handled || m_handlers.empty()) {
        if (++m_idleTicks > kUnexpectedAfterTicks) {
            unexpected << QStringLiteral("unhandled modal window: %1 \"%2\"")
                              .arg(modal->metaObject()->className(), modal->windowTitle());
            modal->close();
            m_idleTicks = 0;
        }
        return;
    }
    modal->setProperty("modalDriverHandled", true);
    m_idleTicks = 0;
    auto handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    // Run outside this tick: a handler may open further modal windows (an overwrite question)
    // that the polling timer must still see.
    QTimer::singleShot(0, this, [handler = std::move(handler), window = QPointer<QWidget>(modal)] {
        if (window)
            handler(window);
    });
}

void typeFileNameAndAccept(QFileDialog* dialog, const QString& path) {
    const QFileInfo target(path);
    dialog->setDirectory(target.absolutePath());
    // A folder the dialog cannot enter (its name is not UTF-8) is given as part of the name.
    const bool entered = dialog->directory().absolutePath() == target.absolutePath();
    const QString name = entered ? target.fileName() : path;
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    field->setFocus();
    field->selectAll();
    // Bytes that are not UTF-8 (held as lone surrogates) cannot be typed; a user pastes them.
    const bool typeable =
        std::none_of(name.begin(), name.end(), [](QChar c) { return c.isSurrogate(); });
    if (typeable)
        QTest::keyClicks(field, name);
    else
        field->setText(name);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace kelvaro::test
