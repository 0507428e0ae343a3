// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The window itself: its controls and their order, keys, About, help and every way of closing.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <fstream>

#include "io/file_boundary.h"
#include "tests/ui/editor_fixture.h"
#include "ui/canvas_frame.h"
#include "ui/control_ids.h"
#include "ui/help_window.h"
#include "ui/icons.h"

namespace kelvaro::test {
namespace {

TEST(WindowChrome, ControlsCarryTheirIdentifiersCaptionsAndTabOrder) {
    EditorFixture editor;
    editor.open();
    struct Row {
        int id;
        const char* caption;
    };
    const Row buttons[] = {{1003, "<<"},
                           {1004, ">>"},
                           {1005, "^"},
                           {1006, "ˇ"},
                           {1007, "‹"},
                           {1008, "›"},
                           {1028, "Obrót w lewo"},
                           {1027, "Obrót w prawo"},
                           {1009, "Wyśrodkuj"},
                           {1023, "Generuj"},
                           {1024, "Resetuj"},
                           {1026, "O programie"},
                           {57670, "Pomoc"},
                           {1025, "Ustaw wzór"},
                           {1, "Zapisz"},
                           {2, "Zamknij"},
                           {1020, "48×48"},
                           {1021, "96×96"},
                           {1022, "192×192"}};
    for (const Row& row : buttons) {
        auto* button = editor.widget<QAbstractButton>(row.id);
        ASSERT_NE(button, nullptr) << row.id;
        EXPECT_EQ(button->text(), QString::fromUtf8(row.caption)) << row.id;
        EXPECT_EQ(button->objectName(), QStringLiteral("control%1").arg(row.id));
    }
    // Tab order: the template order of the controls that are tab stops.
    const int tabOrder[] = {1001, 1003, 1004, 1005,  1006, 1007, 1008, 1028, 1027,
                            1009, 1023, 1024, 1015,  1016, 1017, 1018, 1019, 1020,
                            1021, 1022, 1026, 57670, 1025, 1,    2};
    QWidget* current = editor.dialog().control(tabOrder[0]);
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        current = current->nextInFocusChain();
        while (current->focusPolicy() == Qt::NoFocus || !current->isVisible() ||
               !current->property("controlId").isValid()) {
            current = current->nextInFocusChain();
        }
        EXPECT_EQ(current->property("controlId").toInt(), tabOrder[i]) << i;
    }
    for (int id = 1010; id <= 1014; ++id) {
        EXPECT_EQ(editor.dialog().control(id)->focusPolicy(), Qt::NoFocus) << id;
    }
    const QWidget* frame = editor.dialog().control(ids::kCanvas);
    EXPECT_GE(frame->width(), 194);
    EXPECT_GE(frame->height(), 194);
    EXPECT_EQ(editor.dialog().windowTitle(), "Kelvaro");
    EXPECT_EQ(editor.dialog().minimumSize(), editor.dialog().maximumSize());
    EXPECT_TRUE(editor.dialog().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(editor.dialog().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(editor.widget<QPushButton>(ids::kOk)->isDefault(), true);
}

// The window's icon: the sizes a title bar shows until the first frame, then every size.
TEST(WindowChrome, TheIconGetsItsLargerSizesAfterTheFirstFrame) {
    EditorFixture editor;
    const auto edges = [&] {
        QList<int> found;
        for (const QSize size : editor.dialog().windowIcon().availableSizes())
            found.push_back(size.width());
        return found;
    };
    EXPECT_EQ(edges(), (QList<int>{16, 32, 48, 64}));
    editor.open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return edges().size() == 6; }, 5000));
    EXPECT_EQ(edges(), (QList<int>{16, 32, 48, 64, 128, 256}));
    EXPECT_EQ(QApplication::windowIcon().availableSizes(),
              editor.dialog().windowIcon().availableSizes());
    for (int size : kApplicationIconSizes) {
        const QImage shown = editor.dialog().windowIcon().pixmap(QSize(size, size)).toImage();
        EXPECT_TRUE(shown == iconImage(kApplicationIcon, size)) << size;
    }
}

TEST(WindowChrome, EnterAndEscapeDoNothingSpacePressesTheFocusedButton) {
    EditorFixture editor;
    editor.open();
    for (int id : {ids::kOk, ids::kCancel, ids::kRotateRight, ids::kElementList, ids::kRedEdit}) {
        QWidget* target = editor.dialog().control(id);
        target->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
        }
    }
    QTest::qWait(50);
    EXPECT_TRUE(editor.dialog().isVisible());
    EXPECT_TRUE(editor.modals().messages.isEmpty());
    EXPECT_TRUE(editor.modals().unexpected.isEmpty())
        << editor.modals().unexpected.join(", ").toStdString();
    EXPECT_EQ(editor.state().layer(kFace).angle, 0);
    QWidget* rotate = editor.dialog().control(ids::kRotateRight);
    rotate->setFocus();
    QTest::keyClick(rotate, Qt::Key_Space);
    EXPECT_EQ(editor.state().layer(kFace).angle, 5);
}

// Every way of asking the window to close.
const std::pair<const char*, std::function<void(EditorFixture&)>> kCloseRequests[] = {
    {"Zamknij", [](EditorFixture& e) { e.click(ids::kCancel); }},
    {"window manager", [](EditorFixture& e) { e.dialog().close(); }},
    {"window menu Close", [](EditorFixture& e) { e.dialog().onSystemCommand(ids::kSysClose); }},
    {"Escape routed as cancel", [](EditorFixture& e) { e.dialog().reject(); }},
};

TEST(WindowChrome, EveryWayOfClosingAsksWhenUnsaved) {
    for (const auto& [name, request] : kCloseRequests) {
        EditorFixture editor;
        editor.open();
        editor.modals().answerMessageBox(QMessageBox::Cancel);
        request(editor);
        EXPECT_EQ(editor.modals().messages,
                  QStringList{QStringLiteral("Zakończyć pracę z programem?          ")})
            << name;
        EXPECT_TRUE(editor.dialog().isVisible()) << name;
        EXPECT_FALSE(editor.state().saved);
        EXPECT_TRUE(editor.state().layer(0).hasImage);

        editor.modals().answerMessageBox(QMessageBox::Ok);
        request(editor);
        EXPECT_FALSE(editor.dialog().isVisible()) << name;
        EXPECT_TRUE(editor.state().released()) << name;
        EXPECT_FALSE(editor.state().layer(0).hasImage);
        EXPECT_EQ(editor.dialog().result(), QDialog::Rejected);
    }
}

TEST(WindowChrome, ASavedPortraitClosesWithoutQuestionEvenAfterARotation) {
    EditorFixture editor;
    editor.open();
    editor.state().saved = true;
    editor.click(ids::kRotateLeft);
    editor.click(ids::kCancel);
    EXPECT_TRUE(editor.modals().messages.isEmpty());
    EXPECT_FALSE(editor.dialog().isVisible());
}

void expectAboutBox(EditorFixture& editor, QStringList* texts) {
    editor.modals().expect([texts](QWidget* modal) {
        *texts << modal->windowTitle();
        for (auto* label : modal->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                *texts << label->text();
        }
        QTest::mouseClick(modal->findChild<QPushButton*>("control1"), Qt::LeftButton);
    });
}

TEST(WindowChrome, AboutFromTheButtonTheMenuAndIdentifiers16To31) {
    EditorFixture editor;
    editor.open();
    editor.state().saved = true;
    QStringList texts;
    expectAboutBox(editor, &texts);
    editor.click(ids::kAbout);
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts[0], "O programie");
    EXPECT_TRUE(texts.contains("Kelvaro PL wersja: 3.2"));
    EXPECT_EQ(texts.size(), 5);  // title, version and three credit lines

    // The window menu, opened with a right click, ends with the About item.
    QStringList menuItems;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            menuItems << action->text();
        expectAboutBox(editor, &texts);
        menu->setActiveAction(menu->actions().last());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(400, 20),
                            editor.dialog().mapToGlobal(QPoint(400, 20)));
    QApplication::sendEvent(&editor.dialog(), &event);
    ASSERT_FALSE(menuItems.isEmpty());
    EXPECT_EQ(menuItems.last(), "O programie Kelvaro(&A)");
    EXPECT_TRUE(menuItems[menuItems.size() - 2].isEmpty());  // the separator
    EXPECT_EQ(texts.count("O programie"), 2);

    for (int id : {16, 17, 31}) {
        expectAboutBox(editor, &texts);
        editor.dialog().onSystemCommand(id);
    }
    EXPECT_EQ(texts.count("O programie"), 5);
    editor.dialog().onSystemCommand(32);  // not the About item: nothing opens
    QTest::qWait(20);
    EXPECT_TRUE(editor.modals().allHandled());
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
    EXPECT_TRUE(editor.state().saved);
}

HelpWindow* openHelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "helpWindow" && w->isVisible())
            return static_cast<HelpWindow*>(w);
    }
    return nullptr;
}

TEST(WindowChrome, HelpFromTheButtonAndF1) {
    EditorFixture editor;
    editor.open();
    const auto page = editor.base() / "kelvaro.html";
    std::ofstream(page) << "<html><body><h1>Pomoc Kelvaro</h1></body></html>";
    editor.dialog().setHelpFile(page);
    editor.click(ids::kHelp);
    HelpWindow* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("Pomoc Kelvaro"));
    help->close();
    QTest::qWait(10);

    QWidget* edit = editor.dialog().control(1017);
    edit->setFocus();
    activateWindowOf(edit);
    QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(openHelpWindow(), nullptr);
    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_NE(openHelpWindow(), nullptr);
    QTest::keyClick(edit, Qt::Key_F1);  // pressed again: still one help window
    QTest::qWait(10);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        open += w->objectName() == "helpWindow" && w->isVisible();
    }
    EXPECT_EQ(open, 1);
    openHelpWindow()->close();
}

TEST(WindowChrome, MissingHelpPageIsReported) {
    EditorFixture editor;
    editor.open();
    editor.modals().answerMessageBox();
    editor.modals().answerMessageBox();
    editor.click(ids::kHelp);
    activateWindowOf(editor.dialog().control(ids::kElementList));
    QTest::keyClick(editor.dialog().control(ids::kElementList), Qt::Key_F1);
    EXPECT_EQ(editor.modals().messages, QStringList({"Nie można znaleźć pliku z pomocą.",
                                                     "Nie można znaleźć pliku z pomocą."}));
}

TEST(WindowChrome, ShippedHelpPageIsFoundBesideTheProgram) {
    // The page is named after the program file and copied beside it by the build.
    EXPECT_EQ(defaultHelpFile().filename(), "kelvaro-test-ui.html");
    EXPECT_EQ(defaultHelpFile().parent_path(), toPath(QCoreApplication::applicationDirPath()));
    // The Polish page and one for each other language, each in its own language.
    const std::pair<const char*, const char*> pages[] = {
        {"kelvaro.html", "lang=\"pl\""},
        {"kelvaro.en.html", "lang=\"en\""},
        {"kelvaro.ja.html", "lang=\"ja\""},
    };
    for (const auto& [page, language] : pages) {
        const std::filesystem::path besideProgram =
            std::filesystem::path(KELVARO_BINARY_DIR) / "app" / page;
        const std::string source =
            readBytes(std::filesystem::path(KELVARO_SOURCE_DIR) / "data" / page);
        EXPECT_EQ(readBytes(besideProgram), source) << page;
        EXPECT_NE(source.find(language), std::string::npos) << page;
    }
}

}  // namespace
}  // namespace kelvaro::test
