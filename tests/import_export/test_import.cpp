// The import window: processing with its counters, listing and report, the checks before an
// import and what the import writes, loading files, a large collection, and the window among
// the others (opened from the main window, its list following an import, Esc and closing).
#include "main_window/main_window_fixture.h"

#include "import_export/f_import.h"
#include "reference/f_authors.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The import window on a fixture; closed (and gone) at the end of the test.
struct ImportWindow {
    explicit ImportWindow(AppContext& ctx) : w(new f_import(ctx)) { w->show(); }
    ~ImportWindow() {
        delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    f_import* operator->() const { return w; }
    QPointer<f_import> w;
};

void process(ImportWindow& w, const QString& input) {
    w->t_to_be_processed->setPlainText(input);
    w->b_process->click();
}

// The text of the last report file opened.
QString last_report(ScriptedUi& ui) {
    return ui.opened().isEmpty() ? QString() : QString::fromUtf8(read_file(ui.opened().last()));
}

int count(Fixture& f, const QString& where = "1 = 1") { return f.scalar("SELECT count(*) FROM quotes WHERE " + where).toInt(); }

}  // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void init() { save_setting("last_import_path", ""); }

    void fits_the_screen_and_follows_the_author_list() {
        Fixture f;
        ImportWindow w(*f.ctx);
        QVERIFY(w->cb_author->findText("Oscar Wilde") >= 0);
        QVERIFY(w->cb_language->findText("IT") >= 0);
        QCOMPARE(w->cb_language->currentText(), f.ctx->default_language);  // the collection's own language first

        // An author saved elsewhere reaches the list; the text typed stays.
        w->cb_author->setEditText("Somebody");
        f.exec("INSERT INTO authors (name) VALUES ('Newly Saved')");
        f.ctx->events.author_was_changed(QString(), "Newly Saved");
        QVERIFY(w->cb_author->findText("Newly Saved") >= 0);
        QCOMPARE(w->cb_author->currentText(), QString("Somebody"));

        // Add/edit author opens the authors window on the author typed.
        w->cb_author->setEditText("Mark Twain");
        w->Command1->click();
        QPointer<f_authors> authors = qobject_cast<f_authors*>(f.ctx->events.window(AppEvents::authors_window));
        QVERIFY(authors && authors->isVisible());
        QCOMPARE(authors->t_name->text(), QString("Mark Twain"));
        QVERIFY(!f.ctx->author_requested_from_main);
        delete authors.data();
    }

    void processing_lists_the_quotations_sorted_and_counts_what_was_skipped() {
        Fixture f;
        ImportWindow w(*f.ctx);
        f.ui.expect_message("Text to be imported missing");
        process(w, "  \n\u00A0\n");
        QVERIFY(w->l_new_quotes->text().isEmpty());

        process(w, ".subj=Orphan\n"
                   "zebra crossing (Zed)\n.subj=Roads .rate=7\n"
                   "Apple pie\n"
                   "APPLE PIE\n.note=dropped\n"
                   "I can resist everything except temptation. (Oscar Wilde)\n");
        QCOMPARE(w->t_parsed->toPlainText(), QString("Apple pie (Anonymous)\n\nzebra crossing (Zed)\n.Subj=Roads"));
        QCOMPARE(w->parsed_quotes()[0].text, QString("zebra crossing"));  // the import keeps the input order
        QVERIFY(!w->l_duplicated_quotes->text().isEmpty() && !w->l_dup_in_db->text().isEmpty());
        QCOMPARE(w->l_new_quotes->text(), QString("New quotes: 2"));
        // The parser's report of what was skipped is opened.
        QVERIFY(last_report(f.ui).contains("RATES OTHER THAN 1, 2 OR 3 IGNORED:\r\n\r\nzebra crossing -> 7\r\n"));

        // A second run starts afresh: no attribute and no counter of the first one is left.
        const qsizetype reports = f.ui.opened().size();
        process(w, "zebra crossing (Zed)\n");
        QCOMPARE(w->parsed_quotes().size(), size_t(1));
        QCOMPARE(w->parsed_quotes()[0].subject, QString());
        QVERIFY(w->l_duplicated_quotes->text().isEmpty() && w->l_dup_in_db->text().isEmpty());
        QCOMPARE(f.ui.opened().size(), reports);  // nothing skipped: no report

        // Clear text empties both texts; what was processed stays.
        w->Command3->click();
        QVERIFY(w->t_to_be_processed->toPlainText().isEmpty() && w->t_parsed->toPlainText().isEmpty());
        QCOMPARE(w->parsed_quotes().size(), size_t(1));

        // In random order the listing follows the order the import will use.
        QString many;
        for (int i = 0; i < 40; ++i) many += QString("Number %1\n").arg(i);
        w->c_randomize->setChecked(true);
        process(w, many);
        QCOMPARE(w->parsed_quotes().size(), size_t(40));
        QCOMPARE(w->t_parsed->toPlainText(), quote_import::listing(w->parsed_quotes(), false, "\n"));
        QVERIFY(w->parsed_quotes()[0].text != "Number 0" || w->parsed_quotes()[1].text != "Number 1");
    }

    void an_import_needs_an_author_and_a_language_it_can_use() {
        Fixture f;
        ImportWindow w(*f.ctx);
        process(w, "Said by nobody ()\n");
        w->cb_language->setEditText("EN");
        f.ui.expect_message("Author cannot be empty as at least one quotation comes without author");
        w->b_import->click();
        w->cb_author->setEditText("Mark Twain");
        w->cb_language->setEditText(" ");
        f.ui.expect_message("Language cannot be empty as for at least one quotation no language is specified");
        w->b_import->click();
        w->cb_language->setEditText("xx");
        f.ui.expect_message("Language \"xx\" is not in the database");
        w->b_import->click();
        QCOMPARE(count(f), 8);

        w->cb_language->setEditText("it");
        f.ui.expect_message("1 quotes added in database.");
        w->b_import->click();
        QCOMPARE(f.scalar("SELECT author || '|' || language || '|' || subject FROM quotes WHERE text = 'Said by nobody'").toString(),
                 QString("Mark Twain|IT|-"));
    }

    void the_import_adds_each_new_quotation_once() {
        MainWindowFixture f;
        f.show();
        f.exec("DELETE FROM subjects WHERE subject = '-'");
        const int listed = f.w().Data1()->record_count();
        ImportWindow w(*f.ctx);
        process(w, "One to add (Seneca)\n.lang=it .rate=3\nTwo to add\n");
        w->cb_language->setEditText("EN");
        f.ui.expect_message("\"EN\" will be used as default language");
        f.ui.expect_message("2 quotes added in database.");
        w->b_import->click();
        QVERIFY(f.ui.last_message().contains("New authors: 2. New subjects: 0."));
        QVERIFY(last_report(f.ui).startsWith("AUTHORS ADDED TO THE DATABASE:\r\n\r\nSeneca\r\n"));
        for (QLabel* l : {w->l_duplicated_quotes, w->l_dup_in_db, w->l_new_quotes}) QVERIFY(l->text().isEmpty());
        QCOMPARE(count(f, "text = 'One to add' and author = 'Seneca' and language = 'IT' and rate = 3 and subject = '-'"), 1);
        QCOMPARE(f.scalar("SELECT count(*) FROM subjects WHERE subject = '-'").toInt(), 1);
        // The main window lists them, with the new authors in its boxes.
        QCOMPARE(f.w().Data1()->record_count(), listed + 2);
        QVERIFY(f.w().edit->cb_author->findText("Seneca") >= 0);

        // Importing again adds nothing, and processing again finds them in the database.
        f.ui.expect_message("will be used as default language");
        f.ui.expect_message("0 quotes added in database.");
        w->b_import->click();
        QCOMPARE(count(f), 10);
        QCOMPARE(f.scalar("SELECT count(*) FROM subjects WHERE subject = '-'").toInt(), 1);
        w->b_process->click();
        QCOMPARE(w->l_dup_in_db->text(), QString("Duplicated quotes in database: 2"));
        QCOMPARE(w->l_new_quotes->text(), QString("New quotes: 0"));
    }

    void files_are_appended_to_the_input_and_processed() {
        Fixture f;
        ImportWindow w(*f.ctx);
        QTemporaryDir dir;
        // The first time, or when the folder used last is gone, the dialog opens in the user's
        // documents, never where the program runs from.
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        for (const QString& last : {QString(), dir.path() + "/gone/earlier.txt"}) {
            save_setting("last_import_path", last);
            f.ui.expect_open_file("");
            w->b_import_from_file->click();
            QCOMPARE(f.ui.last_open_file_folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        }
        save_setting("last_import_path", dir.path() + "/earlier.txt");
        // An old 8-bit file, its lines ended by CR LF and by CR alone, the last one by nothing.
        const QString old = write_file(dir.path() + "/old.txt", "Caf\xE9 cr\xE8me (Andr\xE9)\r\n.note=\x93hot\x94\r"
                                                                "Second line");
        w->t_to_be_processed->setPlainText("Typed first");
        f.ui.expect_open_file(old);
        w->b_import_from_file->click();
        QCOMPARE(f.ui.last_open_file_folder, dir.path());
        QCOMPARE(get_setting("last_import_path"), old);
        QCOMPARE(w->t_to_be_processed->toPlainText(), QString("Typed first\nCafé crème (André)\n.note=“hot”\nSecond line\n"));
        QCOMPARE(w->parsed_quotes().size(), size_t(3));

        // A file that is not text, or is not there, is named and changes nothing.
        const QString picture = write_file(dir.path() + "/picture.txt", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
        f.ui.expect_open_file(picture);
        f.ui.expect_message("'" + picture + "' is not a text file");
        w->b_import_from_file->click();
        f.ui.expect_message("'" + dir.path() + "/gone.txt' cannot be read");
        w->Import_from_file(dir.path() + "/gone.txt");
        // The open database, or its write-ahead log, is refused before anything reads it.
        for (const QString& own : {f.path(), f.path() + "-wal"}) {
            f.ui.expect_open_file(own);
            f.ui.expect_message("is the open database");
            w->b_import_from_file->click();
        }
        QCOMPARE(w->parsed_quotes().size(), size_t(3));
        QVERIFY(w->t_to_be_processed->toPlainText().startsWith("Typed first\nCafé"));
        // Cancelled: nothing is remembered.
        f.ui.expect_open_file("");
        w->b_import_from_file->click();
        QCOMPARE(get_setting("last_import_path"), picture);
    }

    void files_of_other_formats_are_guessed_read_in_the_format_chosen_and_refused_when_bad_input() {
        Fixture f;
        ImportWindow w(*f.ctx);
        QTemporaryDir dir;
        const int before = count(f);
        const QString csv = write_file(dir.path() + "/list.csv", "Quote,Author,Pages\n"
                                                                  "\"Brevity, they say, is \"\"wit\"\"\",Polonius,12\n"
                                                                  "Второй,,\n");
        // What was typed is replaced only when the user agrees.
        w->t_to_be_processed->setPlainText("Typed");
        f.ui.expect_message("is read as CSV", Ui::cancel);
        w->Import_from_file(csv);
        QCOMPARE(w->t_to_be_processed->toPlainText(), QString("Typed"));
        f.ui.expect_message("is read as CSV");
        w->Import_from_file(csv);
        QCOMPARE(w->cb_format->currentText(), QString("CSV"));
        QCOMPARE(w->parsed_quotes().size(), size_t(2));
        QCOMPARE(w->parsed_quotes()[0].text, QString("Brevity, they say, is \"wit\""));
        QVERIFY(last_report(f.ui).contains("Pages"));  // the column left out

        // Another format chosen from the keyboard reads the input again; one it is not in is
        // refused, the file and line named, and nothing is left to import.
        f.ui.expect_message(QString("The file '%1' cannot be imported as fortune: none of its 3 lines is a \"%\" line, "
                                    "the line between two cookies.").arg(csv));
        QTest::keyClick(w->cb_format, Qt::Key_Up);
        QCOMPARE(w->cb_format->currentText(), QString("fortune"));
        QVERIFY(f.ui.all_answers_used());
        QVERIFY(w->parsed_quotes().empty());
        QVERIFY(w->t_parsed->toPlainText().isEmpty());
        QVERIFY(w->l_new_quotes->text().isEmpty());
        QTest::keyClick(w->cb_format, Qt::Key_Down);
        QCOMPARE(w->parsed_quotes().size(), size_t(2));

        // Edited, the text is the box's own: its messages name the input text, and what was
        // processed before is not imported.
        w->t_to_be_processed->setPlainText("text,author\n\"never closed,Nobody\n");
        f.ui.expect_message("The input text cannot be imported as CSV: line 2: a field begins with a double quote");
        w->b_process->click();
        QVERIFY(w->parsed_quotes().empty());
        f.ui.expect_message("0 quotes added in database.");
        w->b_import->click();
        QCOMPARE(count(f), before);
    }

    void twenty_thousand_quotations_are_processed_and_imported() {
        Fixture f;
        ImportWindow w(*f.ctx);
        QTemporaryDir dir;
        QByteArray lines;
        for (int i = 0; i < 20000; ++i)
            lines += QString("Quotation number %1 of a large collection (Author %2)\n.subj=Subject %3\n")
                         .arg(i)
                         .arg(i % 500)
                         .arg(i % 20)
                         .toUtf8();
        f.ui.expect_open_file(write_file(dir.path() + "/large.txt", lines));
        w->b_import_from_file->click();
        // The count as the user's locale writes it ("20,000" in English).
        QCOMPARE(w->l_new_quotes->text(), QString("New quotes: ") + QLocale().toString(20000));
        w->cb_language->setEditText("EN");
        // Stopped part way, the import adds nothing, not even the authors it had added.
        f.ui.stop_at = 3;
        f.ui.expect_message("Stopped: nothing was changed");
        w->b_import->click();
        QCOMPARE(count(f), 8);
        QCOMPARE(f.scalar("SELECT count(*) FROM authors").toInt(), 8);
        f.ui.expect_message(QLocale().toString(20000) + " quotes added in database.");
        w->b_import->click();
        QCOMPARE(count(f), 20008);
        QCOMPARE(f.scalar("SELECT count(*) FROM authors").toInt(), 8 + 500);
        QCOMPARE(f.scalar("SELECT count(DISTINCT subject) FROM quotes WHERE subject like 'Subject *'").toInt(), 20);
        QCOMPARE(w->pb_progress->value(), w->pb_progress->minimum() - 1);  // idle again
        QVERIFY(f.ui.hourglass_depth == 0);
    }

    void opened_from_the_main_window_and_closed_by_esc_or_as_the_last_window() {
        MainWindowFixture f;
        f.show();
        f.w().m_import->trigger();
        QPointer<f_import> w = qobject_cast<f_import*>(f.ctx->events.window(AppEvents::import_window));
        QVERIFY(w && w->isVisible());
        f.w().m_import->trigger();  // the same window again
        QCOMPARE(f.ctx->events.window(AppEvents::import_window), w.data());

        // Text not yet imported is not lost unasked: opening another database stops at the question.
        w->t_to_be_processed->setPlainText("A line typed, not imported - Me");
        QTemporaryDir other;
        const QString before = f.ctx->database_path;
        f.ui.expect_message("has not been imported", ScriptedUi::cancel);
        QVERIFY(!f.w().change_database_to(make_fixture_database(other.path())));
        QVERIFY(w && w->isVisible());
        QCOMPARE(f.ctx->database_path, before);

        // With the main window open, Esc closes this window only, and its flag goes with it.
        f.ui.expect_message("has not been imported", ScriptedUi::ok);
        QTest::keyClick(w->t_to_be_processed, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(!f.ctx->import_window_open());
        QVERIFY(!f.ui.ended);

        // Left alone, closing it ends the program; "Main window" brings the main window back first.
        f.ctx->show_main_window = [&f] {
            f.window = std::make_unique<f_main>(*f.ctx);
            f.window->show();
        };
        f.w().m_import->trigger();
        w = qobject_cast<f_import*>(f.ctx->events.window(AppEvents::import_window));
        f.w().close();
        QVERIFY(!f.ui.ended && !f.ctx->main_window_open());
        w->b_main_window->click();
        QVERIFY(f.ctx->main_window_open() && f.w().isVisible());
        f.w().close();
        QTest::keyClick(w->cb_author, Qt::Key_Escape);
        QVERIFY(f.ui.ended);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

SENTARA_TESTS(TestImport)

#include "test_import.moc"
