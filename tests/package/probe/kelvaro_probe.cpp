// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// A Qt plugin the package tests load into an installed editor from outside
// (QT_PLUGIN_PATH=<this build>/plugins, QT_QPA_GENERIC_PLUGINS=kelvaroprobe), so that the
// program under test is exactly the one installed. It waits until the editor window is open,
// answers and writes down every message box met on the way, and then records what the window
// shows in KELVARO_PROBE_REPORT (a folder): report.txt (key=value lines) and canvas.png (the
// canvas frame as drawn). It then presses "Pomoc", notes whether the help page opened, and
// ends the program. With KELVARO_PROBE_SCREENSHOT=<file.png> it also takes a picture of the
// whole window as the screen shows it. With KELVARO_PROBE_GALLERY_SCREENSHOT=<file.png> it then
// chooses element KELVARO_PROBE_GALLERY_ELEMENT (a list position, default 0) with the arrow keys,
// opens the part gallery with F3 (or the companion's tab of the key in KELVARO_PROBE_GALLERY_KEY,
// after drawing colours with Ctrl+K when KELVARO_PROBE_DRAW_COLOURS is set) and takes a picture
// of the editor and the companion together once it has been on the screen for a second.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kGiveUpAfterPolls = 3000;  // a minute: a window that never opens is reported
constexpr int kGalleryShownPolls = 50;   // a second for the gallery's cells to be drawn

QWidget* visibleTopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    }
    return nullptr;
}

class Probe : public QObject {
public:
    Probe() {
        m_timer.setInterval(kPollMilliseconds);
        connect(&m_timer, &QTimer::timeout, this, &Probe::poll);
        m_timer.start();
    }
    // A program that ends before its window opened (another copy runs) still leaves a report.
    ~Probe() override {
        if (!m_written)
            writeReport();
    }

private:
    void poll();
    bool answerMessageBox(QWidget* modal);
    bool readyForScreenshot(QWidget* editor);
    bool galleryShotTaken(QWidget* editor);
    void recordEditor(QWidget* editor);
    void pressHelp(QWidget* editor);
    void finish(int exitCode);
    void writeReport();

    QTimer m_timer;
    QStringList m_lines;
    int m_polls = 0;
    bool m_done = false;
    bool m_written = false;
    bool m_editorShot = false;
    bool m_galleryAsked = false;
    int m_galleryPolls = 0;
};

void Probe::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (answerMessageBox(modal) || m_done)
        return;
    QWidget* canvas = modal ? modal->findChild<QWidget*>(QStringLiteral("control1000")) : nullptr;
    if (canvas && readyForScreenshot(modal) && galleryShotTaken(modal)) {
        m_done = true;
        recordEditor(modal);
        pressHelp(modal);
        finish(0);
    } else if (++m_polls > kGiveUpAfterPolls) {
        m_lines << QStringLiteral("timeout=the editor window did not open");
        finish(1);
    }
}

bool Probe::answerMessageBox(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box)
        return false;
    m_lines << QStringLiteral("message=") + box->text().replace(QLatin1Char('\n'), "\\n");
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->close();
    return true;
}

// Without a screenshot to take, the window is ready once it is open; for a screenshot it must
// also be on the screen and have been drawn (one more poll after it is exposed).
bool Probe::readyForScreenshot(QWidget* editor) {
    if (m_editorShot || qEnvironmentVariableIsEmpty("KELVARO_PROBE_SCREENSHOT"))
        return true;
    QWindow* window = editor->windowHandle();
    if (!window || !window->isExposed())
        return false;
    if (!editor->property("probeExposed").toBool()) {
        editor->setProperty("probeExposed", true);
        return false;
    }
    const QString file = qEnvironmentVariable("KELVARO_PROBE_SCREENSHOT");
    const QPixmap shot = editor->screen()->grabWindow(editor->winId());
    m_lines << QStringLiteral("screenshot=") + (shot.save(file, "PNG") ? file : QString());
    m_editorShot = true;
    return true;
}

void pressKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

// Runs the window action whose shortcut is `key`.
void triggerShortcut(QWidget* window, const QKeySequence& key) {
    for (QAction* action : window->actions()) {
        if (action->shortcuts().contains(key))
            action->trigger();
    }
}

bool Probe::galleryShotTaken(QWidget* editor) {
    const QString file = qEnvironmentVariable("KELVARO_PROBE_GALLERY_SCREENSHOT");
    if (file.isEmpty())
        return true;
    QWidget* gallery = visibleTopLevel(QStringLiteral("companionWindow"));
    if (!gallery) {
        auto* list = editor->findChild<QComboBox*>(QStringLiteral("control1001"));
        if (!m_galleryAsked && list) {
            m_galleryAsked = true;
            list->setFocus();
            const int element = qEnvironmentVariableIntValue("KELVARO_PROBE_GALLERY_ELEMENT");
            while (list->currentIndex() < element && list->currentIndex() + 1 < list->count())
                pressKey(list, Qt::Key_Down);
            // F3 (or the key KELVARO_PROBE_GALLERY_KEY names, such as F4 for the colours, after
            // Ctrl+K when KELVARO_PROBE_DRAW_COLOURS is set) is a shortcut of the window: its
            // action, as the key press would run it.
            QStringList keys;
            if (qEnvironmentVariableIsSet("KELVARO_PROBE_DRAW_COLOURS"))
                keys << QStringLiteral("Ctrl+K");
            keys << qEnvironmentVariable("KELVARO_PROBE_GALLERY_KEY", QStringLiteral("F3"));
            for (const QString& key : keys)
                triggerShortcut(editor, QKeySequence(key));
        }
        return false;
    }
    if (!gallery->windowHandle()->isExposed() || ++m_galleryPolls < kGalleryShownPolls)
        return false;
    const QRect area = editor->frameGeometry().united(gallery->frameGeometry());
    const QPixmap shot =
        editor->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    m_lines << QStringLiteral("galleryScreenshot=") + (shot.save(file, "PNG") ? file : QString());
    return true;
}

void Probe::recordEditor(QWidget* editor) {
    const QDir report(qEnvironmentVariable("KELVARO_PROBE_REPORT"));
    m_lines << QStringLiteral("cwd=") + QDir::currentPath();
    for (const QString& argument : QCoreApplication::arguments())
        m_lines << QStringLiteral("argument=") + argument;
    m_lines << QStringLiteral("title=") + editor->windowTitle();
    m_lines << QStringLiteral("desktopFileName=") + QGuiApplication::desktopFileName();
    m_lines << QStringLiteral("cancelButton=") +
                   QCoreApplication::translate("QPlatformTheme", "Cancel");
    if (auto* counter = editor->findChild<QLabel*>(QStringLiteral("control1002")))
        m_lines << QStringLiteral("counter=") + counter->text();
    QWidget* canvas = editor->findChild<QWidget*>(QStringLiteral("control1000"));
    m_lines << QStringLiteral("canvas=") +
                   (canvas->grab().save(report.filePath(QStringLiteral("canvas.png")), "PNG")
                        ? QStringLiteral("canvas.png")
                        : QString());
}

// A help window that opens is a child window named "helpWindow"; a missing page is reported
// in a message box, which the next polls inside that box's own loop write down.
void Probe::pressHelp(QWidget* editor) {
    auto* help = editor->findChild<QAbstractButton*>(QStringLiteral("control57670"));
    if (!help)
        return;
    help->click();
    QWidget* window = visibleTopLevel(QStringLiteral("helpWindow"));
    m_lines << QStringLiteral("help=") +
                   (window ? QStringLiteral("shown") : QStringLiteral("missing"));
    if (window)
        window->close();
}

void Probe::finish(int exitCode) {
    m_done = true;
    m_timer.stop();
    writeReport();
    // Ends the editor's modal run and with it the program, as closing the window would.
    QCoreApplication::exit(exitCode);
}

void Probe::writeReport() {
    m_written = true;
    QFile file(QDir(qEnvironmentVariable("KELVARO_PROBE_REPORT")).filePath("report.txt"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Text))
        file.write((m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

}  // namespace

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "kelvaro_probe.json")
public:
    QObject* create(const QString&, const QString&) override { return new Probe; }
};

#include "kelvaro_probe.moc"
