// The main window's grid: filters, sort order, counters, combo lists, random order, closing.
#include "main_window_fixture.h"

#include <QHeaderView>

class TestFiltering : public QObject {
    Q_OBJECT
private slots:
    void init() {
        save_setting("formheight", "");
        save_setting("main_geometry", "");
    }

    void opens_on_all_quotations_in_random_order() {
        MainWindowFixture f;
        QCOMPARE(f.sql(), grid_select + " order by quotes.random");
        QCOMPARE(f.ctx->current_quotes_filter, QString());
        QCOMPARE(f.w().Data1()->record_count(), 8);
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:8/8"));
        QCOMPARE(f.w().filters->l_records_selected->text(), QString("Records Selected:0"));
        QVERIFY(!f.w().filters->b_filter->isEnabled());
        QVERIFY(!f.w().filters->b_clear->isEnabled());
        // The first row fills the edit area, with the counts of its author and subject.
        QCOMPARE(f.current_key(), 1);
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Mark Twain"));
        QCOMPARE(f.w().filters->b_filter_current_author->text(), QString("Filter on current author (1)"));
        QCOMPARE(f.w().filters->b_filter_current_subject->text(), QString("Filter on current subject (4)"));
        QCOMPARE(f.w().edit->l_author->text(), QString("Author 1 q "));
        QCOMPARE(f.w().edit->l_subject->text(), QString("Subject 4 q "));
        // Showing the window moves to a random row once.
        f.show();
        QVERIFY(f.current_key() >= 1 && f.current_key() <= 8);
        QVERIFY(f.ui.messages().isEmpty());
    }

    void author_filter_exact_or_fragment() {
        MainWindowFixture f;
        f.w().filters->cb_author_filter->setEditText("mith");
        QVERIFY(f.w().filters->b_filter->isEnabled());
        QCOMPARE(f.w().filters->cb_author_filter->lineEdit()->palette().color(QPalette::Base), f_main::attention_colour());
        f.w().filters->b_filter->click();
        QCOMPARE(f.sql(), grid_select + " where  author like '*mith*' order by quotes.random");
        QCOMPARE(f.ctx->current_quotes_filter, QString(" author like '*mith*'"));
        QCOMPARE(f.w().Data1()->record_count(), 2);  // Smith and John Smithson
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:2/8"));
        QVERIFY(f_main::is_lit(f.w().filters->b_filter));

        f.w().filters->cb_author_filter->setEditText("SMITH");  // any letter case names Smith exactly
        f.w().b_filter_Click();
        QCOMPARE(f.condition(), QString(" author = 'SMITH'"));
        QCOMPARE(f.grid_keys(), QList<int>{6});
    }

    void clauses_join_with_and() {
        MainWindowFixture f;
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().filters->t_text_filter->setText("resist");
        f.w().filters->cb_rate_filter_from->setCurrentText("3");
        f.w().b_filter_Click();
        QCOMPARE(f.sql(), grid_select + " where  author = 'Oscar Wilde' and  text like '*resist*' and  rate = '3'"
                                        " order by quotes.random");
        QCOMPARE(f.grid_keys(), QList<int>{2});

        f.w().b_clear_Click();
        f.w().filters->cb_rate_filter_from->setCurrentText("3");
        f.w().filters->cb_rate_filter_to->setCurrentText("1");
        f.w().b_filter_Click();
        QCOMPARE(f.condition(), QString(" (rate >= '1' and rate <= '3')"));
        QCOMPARE(f.w().Data1()->record_count(), 6);  // every rated quotation
        f.w().filters->cb_rate_filter_to->setCurrentText("3");
        f.w().b_filter_Click();
        QCOMPARE(f.condition(), QString(" (rate >= '3' and rate <= '3')"));

        f.w().b_clear_Click();
        f.w().filters->cb_subject_filter->setEditText("wis");
        f.w().filters->cb_language_filter->setEditText("en");
        f.w().filters->t_note_filter->setText("odd");
        f.w().b_filter_Click();
        QCOMPARE(f.condition(), QString(" subject like '*wis*' and  language like '*en*' and  quotes.notes like '*odd*'"));
        QCOMPARE(f.grid_keys(), QList<int>{6});
    }

    void key_selector() {
        MainWindowFixture f;
        f.w().filters->t_key_selector->setText("12");
        f.w().b_filter_Click();
        QCOMPARE(f.condition(), QString(" key = 12"));
        QCOMPARE(f.w().Data1()->record_count(), 0);
        QCOMPARE(f.w().edit->t_key->text(), QString());  // no row: the edit area is empty
        const QString before = f.sql();
        f.w().filters->t_key_selector->setText("12a");
        f.ui.expect_message("Invalid key selector (must be a number)");
        f.w().b_filter_Click();
        QCOMPARE(f.sql(), before);
        f.w().filters->t_key_selector->setText("4");
        int enter = 13;
        f.w().Check_filter_enter(enter);
        QCOMPARE(f.grid_keys(), QList<int>{4});
    }

    void pattern_characters_are_found_as_typed_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("apostrophe") << "text" << "who's" << QList<int>{7};
        QTest::newRow("brackets") << "text" << "[it]" << QList<int>{6};
        QTest::newRow("lone bracket") << "text" << "[" << QList<int>{6};
        QTest::newRow("star") << "text" << "*luck*" << QList<int>{6};
        QTest::newRow("question mark") << "text" << "?" << QList<int>{6, 7, 8};
        QTest::newRow("hash") << "text" << "#1" << QList<int>{6};
        QTest::newRow("percent") << "text" << "50%" << QList<int>{6};
        QTest::newRow("underscore") << "text" << "1_" << QList<int>{6};
        QTest::newRow("accent and case") << "text" << "CRÉATION" << QList<int>{5};
        QTest::newRow("author of question marks") << "author" << "???" << QList<int>{8};
        QTest::newRow("author apostrophe") << "author" << "d'ann" << QList<int>{4};
        QTest::newRow("note star") << "note" << "*" << QList<int>{};
    }
    void pattern_characters_are_found_as_typed() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        MainWindowFixture f;
        if (field == "text") f.w().filters->t_text_filter->setText(typed);
        else if (field == "note") f.w().filters->t_note_filter->setText(typed);
        else f.w().filters->cb_author_filter->setEditText(typed);
        f.w().b_filter_Click();
        QList<int> found = f.grid_keys();
        std::sort(found.begin(), found.end());
        QCOMPARE(found, keys);
        QVERIFY(f.ui.messages().isEmpty());  // never an engine error
    }

    void sorting_by_column_headers() {
        MainWindowFixture f;
        QHeaderView* header = f.w().list->grid->horizontalHeader();
        emit header->sectionClicked(1);
        QCOMPARE(f.sql(), grid_select + " order by author ASC , text2");
        QCOMPARE(f.grid_keys(), (QList<int>{8, 5, 4, 7, 1, 3, 2, 6}));  // Émile beside the E's, not after Z
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("???"));
        emit header->sectionClicked(1);
        QCOMPARE(f.sql(), grid_select + " order by author DESC , text2");
        QCOMPARE(f.w().Data1()->key_at(0).toInt(), 6);
        emit header->sectionClicked(4);
        QCOMPARE(f.sql(), grid_select + " order by rate ASC , author, text2");
        emit header->sectionClicked(1);  // the author column kept its own direction
        QCOMPARE(f.sql(), grid_select + " order by author ASC , text2");

        const QStringList orders = {"key ASC ", "", "text2 ASC", "subject  ASC , author, text2", "",
                                    "language ASC , author, text2", "quotes.notes ASC , author, text2"};
        for (int c : {0, 2, 3, 5, 6}) {
            emit header->sectionClicked(c);
            QCOMPARE(f.sql(), grid_select + " order by " + orders[c]);
            QVERIFY(f.ui.messages().isEmpty());
        }
        // Text sorts without its leading quotation marks: "« L'art" among the L's.
        emit header->sectionClicked(2);
        emit header->sectionClicked(2);
        f.w().filters->t_text_filter->setText("e");
        f.w().b_filter_Click();
        QCOMPARE(f.sql(), grid_select + " where  text like '*e*' order by text2 ASC");
        QCOMPARE(f.grid_keys(), (QList<int>{8, 1, 3, 2, 4, 5, 7}));
    }

    void clearing_filters() {
        MainWindowFixture f;
        // With no filter in force nothing is re-read.
        f.w().filters->t_text_filter->setText("fear");
        RecordSet* before = f.w().Data1();
        f.w().b_clear_Click();
        QCOMPARE(f.w().Data1(), before);
        QCOMPARE(f.w().filters->t_text_filter->text(), QString());
        QVERIFY(!f.w().filters->b_filter->isEnabled() && !f.w().filters->b_clear->isEnabled());

        f.w().filters->t_text_filter->setText("fear");
        f.w().b_filter_Click();
        QCOMPARE(f.w().Data1()->record_count(), 1);
        f.w().b_clear_Click();
        QCOMPARE(f.w().Data1()->record_count(), 8);
        QVERIFY(!f_main::is_lit(f.w().filters->b_filter));
        QCOMPARE(f.ctx->current_quotes_filter, QString());

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
        QCOMPARE(f.w().filters->b_filter_current_author->text(), QString("Filter on current author (2)"));
        f.w().filters->t_text_filter->setText("x");
        f.w().filters->b_filter_current_author->click();
        QCOMPARE(f.condition(), QString(" author = 'Oscar Wilde'"));  // replaces any other filter
        QCOMPARE(f.w().filters->t_text_filter->text(), QString());
        const QString subject = f.w().edit->cb_subject->currentText();
        f.w().filters->b_filter_current_subject->click();
        QCOMPARE(f.condition(), " subject = '" + subject + "'");
    }

    void refused_while_an_edit_is_pending() {
        MainWindowFixture f;
        const QString before = f.sql();
        f.w().edit->t_text->setPlainText("Changed text");
        QVERIFY(f_main::is_lit(f.w().edit->b_save));
        QVERIFY(!f.w().list->grid->isEnabled());
        f.w().filters->t_text_filter->setText("fear");
        for (int i = 0; i < 4; ++i) f.ui.expect_message("Edit operation in progress.");
        f.w().b_filter_Click();
        f.w().b_clear_Click();
        f.w().filters->b_filter_current_author->click();
        emit f.w().list->grid->horizontalHeader()->sectionClicked(1);  // refused too, but the direction turns over
        QCOMPARE(f.sql(), before);
        QCOMPARE(f.w().filters->t_text_filter->text(), QString("fear"));  // what was typed stays
        QCOMPARE(f.ui.messages().size(), 4);
        QVERIFY(f_main::is_lit(f.w().edit->b_save));
    }

    void random_order_rotates_the_rows_shown() {
        MainWindowFixture f;
        f.ctx->database->execute("update quotes set random = 0.42 where key = 3");
        f.go_to(3);
        const double once = f.scalar("select random from quotes where key = 3").toDouble();
        QVERIFY2(once >= 1 && once < 2, qPrintable(QString::number(once)));
        f.go_to(2);
        f.go_to(3);
        const double twice = f.scalar("select random from quotes where key = 3").toDouble();
        QVERIFY(twice >= 2 && twice < 3);
        // Sorted by another column nothing moves.
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);
        f.go_to(2);
        f.go_to(3);
        QCOMPARE(f.scalar("select random from quotes where key = 3").toDouble(), twice);

        f.ui.expect_message("Randomization executed.");
        f.w().m_randomize->trigger();
        QCOMPARE(f.scalar("select count(*) from quotes where random >= 1").toInt(), 0);
    }

    void rotation_writes_a_decimal_point_in_any_locale() {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            MainWindowFixture f;
            f.go_to(5);
            const double v = f.scalar("select random from quotes where key = 5").toDouble();
            QVERIFY(v >= 1 && v < 2);  // 1.x, not 1 with its fraction lost to a comma
            QVERIFY(v != 1.0);
        }
        QLocale::setDefault(saved);
    }

    void combo_lists_keep_what_is_typed() {
        MainWindowFixture f;
        QCOMPARE(f.w().edit->cb_author->count(), 8);
        QCOMPARE(f.w().filters->cb_rate_filter_from->count(), 4);  // "", 1, 2, 3
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
            QVERIFY(!f.w().isVisible());
            QVERIFY(!f.ui.ended);
            QVERIFY(!f.ctx->main_window_open());
            QVERIFY(!get_setting("formheight").isEmpty());
        }
        {
            MainWindowFixture f;
            f.show();
            f.w().m_exit->trigger();
            QVERIFY(f.ui.ended);
        }
        {
            // A pending edit: Exit refuses; the close box asks, and Cancel keeps everything.
            MainWindowFixture f;
            f.show();
            f.w().edit->t_note->setText("unsaved");
            f.ui.expect_message("Edit operation in progress.");
            f.w().edit->b_exit->click();
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
            // Esc never closes the main window.
            MainWindowFixture f;
            f.show();
            QTest::keyClick(f.w().edit->t_note, Qt::Key_Escape);
            QVERIFY(f.w().isVisible());
            QVERIFY(f.w().list->grid->hasFocus());
        }
    }

    void stored_height_is_cut_to_the_screen() {
        save_setting("formheight", "999999");
        MainWindowFixture f;
        const ScreenArea s = primary_screen_area();
        QVERIFY(f.w().height() <= s.screen.height() - (s.screen.height() - s.available.height()));
        save_setting("formheight", "8100");
        MainWindowFixture g;
        QCOMPARE(g.w().height(), 540);
    }

    void changing_the_database() {
        MainWindowFixture f;
        f.show();
        f.ui.expect_open_file("/elsewhere/other.mdb");
        f.ui.expect_message("The program will now close. When you restart it, the selected database will be used.");
        f.w().m_change_db->trigger();
        QCOMPARE(get_setting("last_db_file"), QString("/elsewhere/other.mdb"));
        QVERIFY(f.ui.ended);
    }

    void an_access_file_that_holds_no_collection_changes_nothing() {
        MainWindowFixture f;
        f.show();
        save_setting("last_db_file", f.path());
        QTemporaryDir dir;
        const QString real = QString(SENTARA_TEST_DATA) + "/node-adodb.mdb";
        QFile source(real);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile cut(dir.path() + "/cut.mdb");
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(source.read(3 * 4096 + 100));
        cut.close();
        // A real Access file of other tables, and one cut short: each named, no database made.
        const std::pair<QString, QString> cases[] = {{real, "is not a collection of quotations"},
                                                     {cut.fileName(), "is truncated or damaged"}};
        for (const auto& [access, why] : cases) {
            f.ui.expect_open_file(access);
            f.ui.expect_save_file(dir.path() + "/new.mdb");
            f.ui.expect_message("'" + access + "' " + why);
            f.w().m_open_access->trigger();
            QCOMPARE(f.ui.last_open_file_file, QFileInfo(access).completeBaseName() + " (Sentara).mdb");
            QVERIFY(!QFile::exists(dir.path() + "/new.mdb"));
        }
        QVERIFY(f.ui.log.size() > 0 && f.ui.hourglass_depth == 0);
        // Cancelled at either dialog: nothing happens.
        f.ui.expect_open_file("");
        f.w().m_open_access->trigger();
        f.ui.expect_open_file(real);
        f.ui.expect_save_file("");
        f.w().m_open_access->trigger();
        // An edit pending: refused before any dialog.
        f.w().edit->t_note->setText("unsaved");
        f.ui.expect_message("Edit operation in progress.");
        f.w().m_open_access->trigger();
        QCOMPARE(get_setting("last_db_file"), f.path());
        QVERIFY(!f.ui.ended);
        QCOMPARE(f.w().edit->t_note->text(), QString("unsaved"));
    }
};

QObject* make_filtering_tests() { return new TestFiltering; }
#include "test_filtering.moc"
