// The buttons that act on many quotations: delete of the rows picked or of the whole list, the
// position afterwards, the slide show's start, and the selection bar.
#include "main_window_fixture.h"

#include "widgets/recordset_model.h"

#include <QSignalSpy>

namespace {

// Sorted by key, so that row r holds key r + 1.
void sort_by_key(MainWindowFixture& f) { emit f.w().list->grid->horizontalHeader()->sectionClicked(0); }

qint64 quotes_in_file(const MainWindowFixture& f) { return f.scalar("select count(*) from quotes").toLongLong(); }

}  // namespace

class TestBulk : public QObject {
    Q_OBJECT
private slots:
    void deleting_the_whole_list_asks_first() {
        MainWindowFixture f;
        QString rows;
        for (int i = 0; i < 332; ++i) rows += QString("%1('Quote %2', 'Smith', 'Life', 'EN', %3)").arg(i ? "," : "").arg(i).arg(i);
        // One more whose author is not in the authors table: the grid does not list it.
        f.exec("insert into quotes (text, author, subject, language, random) values " + rows +
               ", ('Unlisted', 'Somebody Gone', 'Life', 'EN', 0.5)");
        f.w().b_filter_Click();
        f.show();
        QCOMPARE(f.w().Data1()->record_count(), 340);
        QVERIFY(f.w().filters->b_delete_filtered->isEnabled());

        f.ui.expect_message("", Ui::cancel);
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(f.ui.last_message(), QString("Do you really want to delete all quotes? (340)"));
        QCOMPARE(f.ui.log.last().code, Ui::ok_cancel | Ui::icon_stop);
        QCOMPARE(quotes_in_file(f), 341);
        QCOMPARE(f.w().Data1()->record_count(), 340);
        QVERIFY(!f.w().edit->t_key->text().isEmpty());

        QSignalSpy announced(&f.ctx->events, &AppEvents::quotes_changed);
        f.ui.expect_message("Do you really want to delete all quotes? (340)", Ui::ok);
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(f.w().list->grid->model()->rowCount(), 0);
        QVERIFY(f.w().edit->t_key->text().isEmpty() && f.w().edit->t_text->toPlainText().isEmpty());
        QVERIFY(!f_main::is_lit(f.w().edit->b_save));
        QCOMPARE(announced.count(), 1);
        // What was counted is what went: the quotation the grid never listed is still there.
        QCOMPARE(f.scalar("select text from quotes").toString(), QString("Unlisted"));
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:0/1"));
    }

    void deleting_a_filtered_list_names_the_filter() {
        MainWindowFixture f;
        f.show();
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().b_filter_Click();
        f.ui.expect_message("(2)", Ui::ok);
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(f.scalar("select count(*) from quotes where author = 'Oscar Wilde'").toInt(), 0);
        QCOMPARE(quotes_in_file(f), 6);
        QVERIFY(f.w().edit->t_key->text().isEmpty());
    }

    void picked_rows_go_without_a_question_and_the_place_is_kept() {
        MainWindowFixture f;
        sort_by_key(f);
        f.show();
        click_selector(f.w(), 1);
        click_selector(f.w(), 3, Qt::ControlModifier);
        QCOMPARE(plain_caption(f.w().filters->b_delete_filtered->text()), QString("Deleted selected quotes"));
        QSignalSpy announced(&f.ctx->events, &AppEvents::quotes_changed);
        f.w().filters->b_delete_filtered->click();
        QVERIFY(f.ui.messages().isEmpty());
        QCOMPARE(f.grid_keys(), (QList<int>{1, 3, 5, 6, 7, 8}));
        QCOMPARE(f.scalar("select count(*) from quotes where key in (2, 4)").toInt(), 0);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(plain_caption(f.w().filters->b_delete_filtered->text()), QString("Deleted filtered quotes"));  // nothing picked now
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:6/6"));
        QCOMPARE(f.current_key(), f.w().Data1()->key_at(f.w().Data1()->absolute_position()).toInt());
        // The last rows: the new last row becomes current.
        click_selector(f.w(), 3);
        click_selector(f.w(), 5, Qt::ShiftModifier);
        f.go_to(8);
        QCOMPARE(f.w().list->model().selection(), (QList<QVariant>{6, 7, 8}));
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(f.grid_keys(), (QList<int>{1, 3, 5}));
        QCOMPARE(f.current_key(), 5);
        QCOMPARE(f.w().list->grid->currentIndex().row(), 2);
        // In the middle, the row now at the same place becomes current.
        click_selector(f.w(), 1);
        f.go_to(3);
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(f.grid_keys(), (QList<int>{1, 5}));
        QCOMPARE(f.current_key(), 5);
        // The counts on the shortcut buttons are those after the delete.
        QCOMPARE(plain_caption(f.w().filters->b_filter_current_author->text()), QString("Filter on current author (1)"));
    }

    void a_failure_part_way_deletes_nothing() {
        MainWindowFixture f;
        f.exec("create trigger keep_five before delete on quotes when old.key = 5 begin select raise(abort, 'key 5 is kept'); end");
        sort_by_key(f);
        f.show();
        click_selector(f.w(), 1);
        click_selector(f.w(), 4, Qt::ControlModifier);
        click_selector(f.w(), 6, Qt::ControlModifier);
        f.ui.expect_message("none was deleted");
        f.w().filters->b_delete_filtered->click();
        QVERIFY(f.ui.last_message().contains("key 5 is kept"));
        QCOMPARE(quotes_in_file(f), 8);  // key 2, deleted before the failure, is back
        QCOMPARE(f.w().Data1()->record_count(), 8);
        QCOMPARE(f.w().list->selected_count(), 3);  // nothing changed: the pick stays for another try
    }

    // Long work runs on its own connection beside the window; stopped, it leaves the file as it
    // was, done, it is seen by the window at once.
    void a_stopped_bulk_delete_or_randomize_changes_nothing() {
        MainWindowFixture f;
        f.exec("with recursive n(i) as (select 1 union all select i + 1 from n where i < 9000) "
               "insert into quotes (text, author, subject, language, random) "
               "select 'Many ' || i, 'Smith', 'Life', 'EN', i / 10000.0 from n");
        f.w().b_filter_Click();
        f.show();
        const QString numbers = "select group_concat(random) from (select random from quotes order by key)";
        const QVariant before = f.scalar(numbers);

        f.ui.stop_at = 2;
        f.ui.expect_message("Stopped: nothing was changed");
        f.w().m_randomize->trigger();
        QCOMPARE(f.scalar(numbers), before);

        f.ui.stop_at = 2;
        f.ui.expect_message("Do you really want to delete all quotes? (" + QLocale().toString(9008) + ")", Ui::ok);
        f.ui.expect_message("Stopped: nothing was changed");
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(quotes_in_file(f), 9008);
        QCOMPARE(f.w().Data1()->record_count(), 9008);

        f.ui.expect_message("Randomization executed.");
        f.w().m_randomize->trigger();
        QVERIFY(f.scalar(numbers) != before);
        QCOMPARE(f.scalar("select count(*) from quotes where random is null or random <= 0 or random >= 1").toInt(), 0);
    }

    // The rows deleted are those the user was asked about: another program adding a quotation to
    // the list after the question stops the delete, and nothing goes.
    void a_list_changed_after_the_question_is_not_deleted() {
        MainWindowFixture f;
        f.show();
        f.w().filters->cb_author_filter->setEditText("Oscar Wilde");
        f.w().b_filter_Click();
        f.ui.expect_message("(2)", Ui::ok, [&] {
            auto other = Database::open(f.ctx->database_path);
            other->execute("insert into quotes (text, author, subject, language, random) values "
                           "('Added elsewhere', 'Oscar Wilde', 'Life', 'EN', 0.5)");
        });
        f.ui.expect_message("another program wrote meanwhile");
        f.w().filters->b_delete_filtered->click();
        QCOMPARE(f.scalar("select count(*) from quotes where author = 'Oscar Wilde'").toInt(), 3);
    }

    void an_empty_list_has_no_slide_show() {
        MainWindowFixture f;
        f.show();
        QSignalSpy asked(&f.ctx->events, &AppEvents::slide_show_requested);
        f.w().filters->t_text_filter->setText("no such text anywhere");
        f.w().b_filter_Click();
        f.ui.expect_message("There is no quote to be shown");
        f.w().filters->b_slide_show->click();
        QCOMPARE(asked.count(), 0);
        QCOMPARE(f.ctx->slide_show_start_key, 0);
    }
};

SENTARA_TESTS(TestBulk)
#include "test_bulk.moc"
