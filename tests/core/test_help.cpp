// The Help menu's texts and the text window.
#include "widgets/f_msgbox.h"
#include "core/help.h"
#include "widgets/help_menu.h"
#include "widgets/mnemonics.h"
#include "widgets/window_utils.h"
#include "core/common.h"
#include "core/translations.h"
#include "support/fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

f_msgbox* open_text_window() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<f_msgbox*>(w); window && window->isVisible()) return window;
    return nullptr;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void version_comes_from_the_newest_entry() {
        // One new entry at the top raises the version everywhere it is shown, its month in the user's language.
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QStringList newer = history_lines();
        newer.prepend("20^270315.1) N: Something new");
        QCOMPARE(version_text(newer, english), QString("1.20 (15/Mar/2027)"));
        QCOMPARE(version_text(newer, QLocale(QLocale::Italian, QLocale::Italy)), QString("1.20 (15/mar/2027)"));
        QVERIFY(version_history_window_text(newer, english).contains("\r\nCurrent version is 1.20 (15/Mar/2027)\r\n"));

        Fixture f;
        f.ui.expect_message("Sentara version " + current_version() + "\n\n");
        show_about(*f.ctx);
    }

    void text_window_shows_and_keeps_its_text() {
        Fixture f;
        show_version_history(*f.ctx);
        QPointer<f_msgbox> window = open_text_window();
        QVERIFY(window);
        auto* text = window->findChild<QPlainTextEdit*>("Text1");
        QVERIFY(text);
        const QString shown = text->toPlainText();
        QVERIFY(shown.startsWith("SENTARA VERSION HISTORY \n\nCurrent version is"));
        // Coming back to the window puts the focus on the text, ready for the keyboard.
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->findChild<QPushButton*>("b_ok")->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), text);

        // Typing, deleting, cutting and pasting change nothing; nor does a change made by code.
        QApplication::clipboard()->setText("pasted");
        QTest::keyClicks(text, "typed");
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Return),
                                         QKeySequence(QKeySequence::SelectAll), QKeySequence(QKeySequence::Cut),
                                         QKeySequence(QKeySequence::Paste)})
            QTest::keySequence(text, keys);
        QCOMPARE(text->toPlainText(), shown);
        text->insertPlainText("inserted");
        QCOMPARE(text->toPlainText(), shown);

        // A second text replaces the first in the same window.
        show_text_window(*f.ctx, "line 1\r\nline 2", "Other");
        QCOMPARE(open_text_window(), window.data());
        QCOMPARE(text->toPlainText(), QString("line 1\nline 2"));
        // Esc closes it, whichever control has the focus, and the window goes away.
        QTest::keyClick(window->findChild<QPushButton*>("b_ok"), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void text_window_is_never_lower_than_2000_twips() {
        Fixture f;
        show_text_window(*f.ctx, "short", "Small");
        QPointer<f_msgbox> window = open_text_window();
        QVERIFY(window);
        window->resize(400, 10);
        QTest::qWait(0);
        QVERIFY(inner_height(*window) >= 2000 && inner_height(*window) < 2000 + twips_per_pixel);
        // Text and button still fit one above the other.
        const QRect text = window->findChild<QPlainTextEdit*>("Text1")->geometry();
        const QRect ok = window->findChild<QPushButton*>("b_ok")->geometry();
        QVERIFY(text.height() > 0 && ok.top() > text.bottom() && ok.bottom() < window->height());

        window->findChild<QPushButton*>("b_ok")->click();
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A report no outside viewer opens is shown in the program's own text window, which saves it.
    void a_report_without_a_viewer_is_shown_and_saved_as_a_file() {
        Fixture f;
        f.ui.open_target_result = false;
        const QString report = "SKIPPED LINES:\r\n\r\nline one";
        QVERIFY(show_text_file(f.ui, report, "\r\n", "Import report"));
        QCOMPARE(f.ui.shown("text"), QStringList("Import report\n" + report));
        QVERIFY(f.ui.messages().isEmpty());  // never "No program could open"

        f_msgbox window(f.ui, report, true);
        window.show();
        auto* save_as = window.findChild<QPushButton*>("b_save_as");
        auto* close = window.findChild<QPushButton*>("b_ok");
        QVERIFY(save_as && close && save_as->isVisible());
        QCOMPARE(plain_caption(close->text()), QString("Close"));
        QVERIFY(!save_as->geometry().intersects(close->geometry()));
        QTemporaryDir dir;
        f.ui.expect_save_file(dir.path() + "/kept.txt");
        save_as->click();
        QCOMPARE(QString::fromUtf8(read_file(dir.path() + "/kept.txt")), QString("SKIPPED LINES:\n\nline one\n"));
        f.ui.expect_save_file(dir.path() + "/no/such/folder/kept.txt");
        f.ui.expect_message("cannot be written");
        save_as->click();
    }

    void readme() {
        Fixture f;
        // The read-me the build puts beside the program is opened as a file.
        show_readme(*f.ctx);
        QCOMPARE(f.ui.opened().last(), QString(SENTARA_PROGRAM_FOLDER) + "/readme.txt");

        // A missing one becomes a web search for it, without an error message.
        QTemporaryDir empty;
        f.ctx->program_folder = empty.path();
        show_readme(*f.ctx);
        QCOMPARE(f.ui.opened().last(), web_search_address(empty.path() + "/readme.txt"));
        QVERIFY(f.ui.messages().isEmpty());

        // The read-me in the user's language where the build put one, English for the others.
        const QString folder = QStringLiteral(SENTARA_PROGRAM_FOLDER);
        QCOMPARE(readme_file(folder, QLocale(QLocale::German, QLocale::Austria)), folder + "/readme.de.txt");
        QCOMPARE(readme_file(folder, QLocale(QLocale::Italian)), folder + "/readme.it.txt");
        QCOMPARE(readme_file(folder, QLocale(QLocale::Dutch)), folder + "/readme.txt");
    }
};

SENTARA_TESTS(TestHelp)
#include "test_help.moc"
