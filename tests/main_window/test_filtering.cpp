// The main window's grid: filters, sort order, counters, combo lists, random order, closing.
#include "main_window_fixture.h"

#include "core/startup.h"
#include "database/held_files.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTemporaryDir>

class TestFiltering : public QObject {
    Q_OBJECT
private slots:
    void init() {
        save_setting("formheight", "");
        save_setting("main_geometry", "");
    }

    void opens_on_all_quotations_in_random_order() {
        MainWindowFixture f;
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:8/8"));
        // The first row fills the edit area, with the counts of its author and subject.
        QCOMPARE(f.current_key(), 1);
        QCOMPARE(plain_caption(f.w().filters->b_filter_current_subject->text()), QString("Filter on current subject (4)"));
        // Showing the window moves to a random row once.
        f.show();
        QVERIFY(f.current_key() >= 1 && f.current_key() <= 8);
        QVERIFY(f.ui.messages().isEmpty());
    }

    // Each row: what is typed in which filter boxes, the keys listed.
    void filters_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("keys");
        const auto row = [](const char* name, const QStringList& typed, const QList<int>& keys) { QTest::newRow(name) << typed << keys; };
        row("author fragment", {"author", "mith"}, {6, 7});
        row("author named whole, in any case", {"author", "SMITH"}, {6});
        row("clauses join with and", {"author", "Oscar Wilde", "text", "resist", "from", "3"}, {2});
        row("rates the wrong way round", {"from", "3", "to", "1"}, {1, 2, 3, 5, 6, 7});
        row("one rate as a range", {"from", "3", "to", "3"}, {2, 7});
        row("subject, language and note", {"subject", "wis", "language", "en", "note", "odd"}, {6});
        row("a key no quotation has", {"key", "12"}, {});
        // Pattern characters are found as typed data.
        row("apostrophe", {"text", "who's"}, {7});
        row("brackets", {"text", "[it]"}, {6});
        row("lone bracket", {"text", "["}, {6});
        row("star", {"text", "*luck*"}, {6});
        row("question mark", {"text", "?"}, {6, 7, 8});
        row("hash", {"text", "#1"}, {6});
        row("percent", {"text", "50%"}, {6});
        row("underscore", {"text", "1_"}, {6});
        row("accent and case", {"text", "CRÉATION"}, {5});
        row("author of question marks", {"author", "???"}, {8});
        row("author apostrophe", {"author", "d'ann"}, {4});
        row("note star", {"note", "*"}, {});
        row("key selector not a number", {"key", "12a"}, {1, 2, 3, 4, 5, 6, 7, 8});
    }
    void filters() {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, keys);
        MainWindowFixture f;
        FilterArea& a = *f.w().filters;
        for (int i = 0; i < typed.size(); i += 2) {
            const QString& box = typed[i], & text = typed[i + 1];
            if (box == "text") a.t_text_filter->setText(text);
            else if (box == "note") a.t_note_filter->setText(text);
            else if (box == "key") a.t_key_selector->setText(text);
            else if (box == "from") a.cb_rate_filter_from->setCurrentText(text);
            else if (box == "to") a.cb_rate_filter_to->setCurrentText(text);
            else if (box == "subject") a.cb_subject_filter->setEditText(text);
            else if (box == "language") a.cb_language_filter->setEditText(text);
            else a.cb_author_filter->setEditText(text);
        }
        const bool refused = QTest::currentDataTag() == QByteArray("key selector not a number");
        if (refused) f.ui.expect_message("Invalid key selector (must be a number)");  // the list stays as it was
        f.w().b_filter_Click();
        QList<int> found = f.grid_keys();
        std::sort(found.begin(), found.end());
        QCOMPARE(found, keys);
        QCOMPARE(f.w().edit->t_key->text().isEmpty(), keys.isEmpty());  // no row: the edit area is empty
        QCOMPARE(f.w().filters->b_filter_current_author->isEnabled(), !keys.isEmpty());
        QCOMPARE(f.ui.messages().size(), refused ? 1 : 0);  // never an engine error
    }

    void sorting_by_column_headers() {
        MainWindowFixture f;
        QHeaderView* header = f.w().list->grid->horizontalHeader();
        emit header->sectionClicked(1);
        QCOMPARE(f.grid_keys(), (QList<int>{8, 5, 4, 7, 1, 3, 2, 6}));  // Émile beside the E's, not after Z
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("???"));
        emit header->sectionClicked(1);
        QCOMPARE(f.w().Data1()->key_at(0).toInt(), 6);
        emit header->sectionClicked(4);
        QCOMPARE(f.grid_keys().mid(0, 2), (QList<int>{8, 4}));  // no rate first, then by author
        emit header->sectionClicked(1);  // the author column turns from its own direction
        QCOMPARE(f.w().Data1()->key_at(0).toInt(), 8);
        // Text sorts without its leading quotation marks: "« L'art" among the L's.
        emit header->sectionClicked(2);
        f.w().filters->t_text_filter->setText("e");
        f.w().b_filter_Click();
        QCOMPARE(f.grid_keys(), (QList<int>{8, 1, 3, 2, 4, 5, 7}));
    }

    void clearing_filters() {
        MainWindowFixture f;
        // With no filter in force nothing is re-read.
        f.w().filters->t_text_filter->setText("fear");
        RecordSet* before = f.w().Data1();
        f.w().b_clear_Click();
        QCOMPARE(f.w().Data1(), before);
        QVERIFY(f.w().filters->t_text_filter->text().isEmpty() && !f.w().filters->b_clear->isEnabled());

        f.w().filters->t_text_filter->setText("fear");
        f.w().b_filter_Click();
        QCOMPARE(f.w().Data1()->record_count(), 1);
        f.w().b_clear_Click();
        QCOMPARE(f.w().Data1()->record_count(), 8);

        // A small clear button empties its field and filters again.
        f.w().filters->t_note_filter->setText("odd");
        f.w().b_filter_Click();
        QCOMPARE(f.w().Data1()->record_count(), 1);
        f.w().filters->Command2->click();
        QCOMPARE(f.w().filters->t_note_filter->text(), QString());
        QCOMPARE(f.w().Data1()->record_count(), 8);
    }

    void shortcut_filters_on_the_current_quotation() {
        MainWindowFixture f;
        f.go_to(2);
        QCOMPARE(plain_caption(f.w().filters->b_filter_current_author->text()), QString("Filter on current author (2)"));
        f.w().filters->t_text_filter->setText("x");
        f.w().filters->b_filter_current_author->click();  // replaces any other filter
        QCOMPARE(f.w().filters->t_text_filter->text(), QString());
        QCOMPARE(f.w().filters->cb_author_filter->currentText(), QString("Oscar Wilde"));
        QCOMPARE(f.w().Data1()->record_count(), 2);
        const QString subject = f.w().edit->cb_subject->currentText();
        f.w().filters->b_filter_current_subject->click();
        QCOMPARE(f.w().filters->cb_subject_filter->currentText(), subject);
        QCOMPARE(f.w().Data1()->record_count(), f.scalar("select count(*) from quotes where subject = '" + subject + "'").toInt());
    }

    void random_order_rotates_the_rows_shown() {
        MainWindowFixture f;
        f.ctx->database->execute("update quotes set random = 0.42 where key = 3");
        f.go_to(3);
        const double once = f.scalar("select random from quotes where key = 3").toDouble();
        QVERIFY2(once >= 1 && once < 2, qPrintable(QString::number(once)));
        // Sorted by another column nothing moves, whatever the filter holds.
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);
        f.go_to(2);
        f.go_to(3);
        QCOMPARE(f.scalar("select random from quotes where key = 3").toDouble(), once);
        f.ctx->database->execute("update quotes set notes = 'not in order by quotes.random' where key = 3");
        f.w().filters->t_note_filter->setText("order by quotes.random");
        f.w().filters->b_filter->click();
        QCOMPARE(f.grid_keys(), QList<int>{3});
        QCOMPARE(f.current_key(), 3);
        QCOMPARE(f.scalar("select random from quotes where key = 3").toDouble(), once);
    }

    void combo_lists_keep_what_is_typed() {
        MainWindowFixture f;
        f.w().filters->cb_author_filter->setEditText("Sen");
        f.ctx->database->execute("insert into authors values('Seneca',null,null,null)");
        f.w().set_combos();
        QCOMPARE(f.w().filters->cb_author_filter->currentText(), QString("Sen"));
        QVERIFY(f.w().filters->cb_author_filter->findText("Seneca") >= 0);
        QVERIFY(f.w().edit->cb_author->findText("Seneca") >= 0);
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Mark Twain"));
        QVERIFY(!f_main::is_lit(f.w().edit->b_save));  // a refill is not an edit
    }

    void closing() {
        {
            MainWindowFixture f;
            f.show();
            QObject other_window;
            f.ctx->events.opened(AppEvents::authors_window, &other_window);
            f.w().uscita();
            QVERIFY(!f.w().isVisible() && !f.ui.ended && !f.ctx->main_window_open());
        }
        {
            // A pending edit: the close box asks, and Cancel keeps everything.
            MainWindowFixture f;
            f.show();
            f.w().edit->t_note->setText("unsaved");
            f.ui.expect_message("Edit operation in progress. Do you want to exit without saving changes?", Ui::cancel);
            f.w().close();
            QVERIFY(f.w().isVisible());
            QCOMPARE(f.w().edit->t_note->text(), QString("unsaved"));
            f.ui.expect_message("Do you want to exit without saving changes?", Ui::ok);
            f.w().close();
            QVERIFY(!f.w().isVisible());
            QCOMPARE(f.scalar("select count(*) from quotes where notes = 'unsaved'").toInt(), 0);
        }
        {
            // Esc never closes the main window; File > Exit ends the program.
            MainWindowFixture f;
            f.show();
            QTest::keyClick(f.w().edit->t_note, Qt::Key_Escape);
            QVERIFY(f.w().isVisible() && f.w().list->grid->hasFocus());
            f.w().m_exit->trigger();
            QVERIFY(f.ui.ended);
        }
        {
            // Ctrl+Q with a pending edit asks as the close box does, and can save it on the way out.
            MainWindowFixture f;
            f.show();
            const int key = f.current_key();
            f.w().edit->t_note->setText("saved on the way out");
            f.ui.expect_message("Do you want to exit without saving changes?", Ui::cancel);
            QTest::keyClick(f.w().edit->t_note, Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(f.w().isVisible() && !f.ui.ended && f_main::is_lit(f.w().edit->b_save));
            f.ui.expect_message("Do you want to exit without saving changes?", Ui::save);
            QTest::keyClick(f.w().edit->t_note, Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(f.ui.ended && !f.w().isVisible());
            QCOMPARE(f.scalar(QString("select notes from quotes where key = %1").arg(key)).toString(),
                     QString("saved on the way out"));
        }
    }

    // The window goes over to the other collection at once; the first one is let go entirely,
    // and a file that cannot be used leaves the one in use open.
    void changing_the_database_in_place() {
        MainWindowFixture f;
        f.show();
        save_setting("last_db_file", f.path());
        remember_recent_database(f.path());
        f.ui.expect_open_file(QString());  // cancelled: nothing changes
        f.w().m_change_db->trigger();
        QCOMPARE(get_setting("last_db_file"), f.path());
        QCOMPARE(f.ui.last_open_file_file, f.path());  // the dialog starts on the file in use

        QTemporaryDir dir;
        const QString other = make_fixture_database(dir.path(), "other.mdb");
        Database::open(other)->execute("delete from quotes where author <> 'Oscar Wilde'; "
                                       "insert into authors (name) values ('Ada Only Here')");
        f.w().m_authors->trigger();  // a window reading the first collection
        QVERIFY(f.ctx->authors_window_open());
        f.ui.expect_open_file(other);
        f.w().m_change_db->trigger();
        QVERIFY(!f.ui.ended && f.w().isVisible());
        QCOMPARE(f.ctx->database_path, other);
        QVERIFY(!f.ctx->authors_window_open());
        QCOMPARE(f.w().Data1()->record_count(), 2);
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:2/2"));
        QVERIFY(f.w().edit->cb_author->findText("Ada Only Here") >= 0);
        QVERIFY(f.w().windowTitle().contains("other.mdb"));
        QVERIFY(!held_files::is_held(f.path()) && held_files::is_held(other));
        QCOMPARE(get_setting("last_db_file"), other);
        // What is saved now goes into the other file.
        f.w().edit->t_note->setText("in the other one");
        f.w().edit->b_save->click();
        QCOMPARE(Database::open(other)->scalar("select count(*) from quotes where notes = 'in the other one'").toInt(), 1);
        QCOMPARE(f.scalar("select count(*) from quotes where notes = 'in the other one'").toInt(), 0);

        // Not a database: said, and the collection in use stays open as it was.
        const QString bad = dir.path() + "/bad.mdb";
        QFile text(bad);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("not a database at all\n").repeated(200));
        text.close();
        f.ui.expect_open_file(bad);
        f.ui.expect_message("The database cannot be opened");
        f.w().m_change_db->trigger();
        QCOMPARE(f.ctx->database_path, other);
        QCOMPARE(f.w().Data1()->record_count(), 2);
        QVERIFY(held_files::is_held(other) && !held_files::is_held(bad));
        QCOMPARE(get_setting("last_db_file"), other);

        // File > Open recent lists the first collection and goes back to it.
        emit f.w().m_recent->aboutToShow();
        QAction* first = nullptr;
        for (QAction* a : f.w().m_recent->actions())
            if (a->text() == f.path()) first = a;
        QVERIFY(first && first->isEnabled());
        first->trigger();
        QCOMPARE(f.ctx->database_path, f.path());
        QCOMPARE(f.w().Data1()->record_count(), 8);
        QVERIFY(!held_files::is_held(other));
    }

    void an_access_file_that_holds_no_collection_changes_nothing() {
        MainWindowFixture f;
        f.show();
        save_setting("last_db_file", f.path());
        QTemporaryDir dir;
        const QString real = QString(SENTARA_TEST_DATA) + "/node-adodb.mdb";
        // A real Access file of other tables: named, no database made.
        f.ui.expect_open_file(real);
        f.ui.expect_save_file(dir.path() + "/new.mdb");
        f.ui.expect_message("'" + real + "' is not a collection of quotations");
        f.w().m_open_access->trigger();
        QCOMPARE(f.ui.last_open_file_file, QString("node-adodb (Sentara).mdb"));
        QVERIFY(!QFile::exists(dir.path() + "/new.mdb"));
        QCOMPARE(f.ui.hourglass_depth, 0);
        // Cancelled at either dialog: nothing happens.
        f.ui.expect_open_file("");
        f.w().m_open_access->trigger();
        f.ui.expect_open_file(real);
        f.ui.expect_save_file("");
        f.w().m_open_access->trigger();
        QCOMPARE(get_setting("last_db_file"), f.path());
        QVERIFY(!f.ui.ended);
    }
};

SENTARA_TESTS(TestFiltering)
#include "test_filtering.moc"
