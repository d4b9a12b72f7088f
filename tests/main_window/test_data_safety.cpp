// What the user saves stays saved: other programs on the same file, engine errors while the grid
// paints, rows changed elsewhere, and the edit area's own states (add new, delete, change database).
#include "main_window_fixture.h"

#include "core/startup.h"

#include <QScrollBar>

namespace {

void click_row(f_main& w, int row) {
    const QRect cell = w.list->grid->visualRect(w.list->grid->model()->index(row, 2));
    QTest::mouseClick(w.list->grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

int row_of_key(f_main& w, int key) {
    RecordSet* rs = w.Data1();
    for (int r = 0; r < rs->record_count(); ++r)
        if (rs->key_at(r).toInt() == key) return r;
    return -1;
}

}  // namespace

class TestDataSafety : public QObject {
    Q_OBJECT
private slots:
    void saves_survive_other_programs_on_the_file() {
        MainWindowFixture f;
        bool shell = false;
        sqlite_shell(f.path(), "select 1", &shell);
        if (!shell) QSKIP("the sqlite3 shell is not installed");
        f.show();
        // Another program reads the file and ends; then the user saves.
        QCOMPARE(sqlite_shell(f.path(), "select count(*) from quotes"), QString("8"));
        f.go_to(2);
        f.w().edit->t_note->setText("seen by every program");
        f.w().edit->b_save->click();
        QCOMPARE(sqlite_shell(f.path(), "select notes from quotes where key = 2"), QString("seen by every program"));

        // A second copy of the program is started on the same file and ended.
        save_setting("last_db_file", f.path());
        {
            ScriptedUi second_ui;
            AppContext second(second_ui);
            second.program_folder = f.dir.path();
            second.show_main_window = [] {};
            second_ui.expect_message("is already open", Ui::ok);
            QCOMPARE(Main(second), StartResult::started);
        }
        QCOMPARE(sqlite_shell(f.path(), "select count(*) from quotes"), QString("8"));
        f.go_to(3);
        f.w().edit->t_note->setText("still saved");
        f.w().edit->b_save->click();
        QCOMPARE(sqlite_shell(f.path(), "select notes from quotes where key = 3"), QString("still saved"));
        QCOMPARE(sqlite_shell(f.path(), "PRAGMA integrity_check"), QString("ok"));
    }

    void an_engine_error_while_the_grid_paints_is_reported_once() {
        MainWindowFixture f;
        f.ctx->database->execute(
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < 300) "
            "insert into quotes (text, author, subject, language, random) select 'Filler ' || i, 'Smith', 'Life', 'EN', "
            "1 + i from n");
        f.w().b_filter_Click();
        f.show();
        // Another program takes away what the grid reads its rows from.
        f.exec("alter table quotes rename to quotes_kept");
        f.ui.expect_message("Error ");
        f.w().list->grid->verticalScrollBar()->setValue(f.w().list->grid->verticalScrollBar()->maximum());
        f.w().list->grid->grab();
        f.w().list->grid->grab();
        QApplication::processEvents();
        QCOMPARE(f.ui.messages().size(), 1);
        QVERIFY(f.ui.last_message().contains("quotes"));
        QVERIFY(f.w().isVisible());
    }

    void rows_changed_elsewhere_are_read_again() {
        MainWindowFixture f;
        f.show();
        f.go_to(1);  // the grid has read all its rows
        f.exec("update quotes set text = 'Changed by another program' where key = 3");
        f.go_to(3);
        QCOMPARE(f.w().edit->t_text->toPlainText(), QString("Changed by another program"));
        f.w().edit->t_note->setText("my own note");
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select text from quotes where key = 3").toString(), QString("Changed by another program"));
        QCOMPARE(f.scalar("select notes from quotes where key = 3").toString(), QString("my own note"));

        // The grid shows the other program's change at its next painting.
        f.exec("update quotes set text = 'Changed again' where key = 5");
        f.w().list->grid->grab();
        const int row = row_of_key(f.w(), 5);
        QCOMPARE(f.w().list->grid->model()->index(row, 2).data().toString(), QString("Changed again"));
    }

    void after_a_save_the_grid_record_set_and_edit_area_agree() {
        MainWindowFixture f;
        f.w().filters->cb_subject_filter->setEditText("Life");  // keys 1, 4, 7, 8
        f.w().b_filter_Click();
        f.go_to(1);
        f.w().edit->cb_subject->setEditText("Love");  // the saved row leaves the filter
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select subject from quotes where key = 1").toString(), QString("Love"));
        RecordSet* rs = f.w().Data1();
        QCOMPARE(rs->record_count(), 3);
        const int shown = f.current_key();
        QVERIFY(shown != 1);
        QCOMPARE(rs->key_at(rs->absolute_position()).toInt(), shown);
        QCOMPARE(f.w().list->grid->currentIndex().row(), rs->absolute_position());
        f.ui.expect_message("Do you really want to delete quote", Ui::ok);
        f.w().edit->b_delete->click();
        QCOMPARE(f.scalar(QString("select count(*) from quotes where key = %1").arg(shown)).toInt(), 0);
        QCOMPARE(f.scalar("select count(*) from quotes where key = 1").toInt(), 1);
    }

    void add_new_ends_when_another_row_is_clicked() {
        MainWindowFixture f;
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);  // by key
        f.show();
        // Not the row the window's first activation showed at random.
        const int row = (f.w().Data1()->absolute_position() + 3) % 8;
        f.w().edit->b_add_new->click();
        QVERIFY(f_main::is_lit(f.w().edit->b_add_new));
        click_row(f.w(), row);
        QCOMPARE(f.current_key(), row + 1);
        QVERIFY(!f_main::is_lit(f.w().edit->b_add_new));
        f.w().edit->t_note->setText("a note of my own");
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 8);
        QCOMPARE(f.scalar(QString("select notes from quotes where key = %1").arg(row + 1)).toString(), QString("a note of my own"));
    }

    void delete_while_adding_deletes_nothing() {
        MainWindowFixture f;
        f.go_to(2);
        f.w().edit->b_add_new->click();
        f.w().edit->b_delete->click();  // no question: nothing shown can be deleted
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 8);
        QVERIFY(!f_main::is_lit(f.w().edit->b_add_new));
        QCOMPARE(f.current_key(), 2);  // the adding is cancelled: the current row is back
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Oscar Wilde"));
        // A change while adding makes it an edit in progress, which Delete refuses.
        f.w().edit->b_add_new->click();
        f.w().edit->t_text->setPlainText("Half typed");
        f.ui.expect_message("Edit operation in progress.");
        f.w().edit->b_delete->click();
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 8);
    }

    void empty_names_are_never_stored() {
        MainWindowFixture f;
        f.show();
        f.ctx->database->execute("delete from authors; delete from subjects");
        f.w().set_combos();
        f.w().edit->b_add_new->click();
        type_and_leave(f.w().edit->cb_author, "  ", f.w().edit->cb_subject);  // leaving the author box asks nothing
        type_and_leave(f.w().edit->cb_subject, "", f.w().edit->t_note);      // nor does leaving the subject box
        QCOMPARE(f.scalar("select count(*) from authors").toInt(), 0);
        QCOMPARE(f.scalar("select count(*) from subjects").toInt(), 0);
        QVERIFY(f.ui.messages().isEmpty());
    }

    void names_differing_only_in_letter_case_are_one_name_whatever_the_file_says() {
        // A file made by hand: its text columns compare with letter case.
        QTemporaryDir dir;
        const QString path = dir.path() + "/plain.mdb";
        make_plain_text_database(path);
        Fixture f(path);
        f.ctx->database->execute("insert into authors values ('Émile Zola', null, null, 0);"
                                 "insert into subjects values ('Life', 0);"
                                 "insert into quotes (text, author, subject, language, random) values"
                                 " ('one', 'Émile Zola', 'Life', 'EN', 0.1), ('two', 'émile zola', 'Life', 'EN', 0.2),"
                                 " ('three', 'ÉMILE ZOLA', 'life', 'EN', 0.3)");
        f_main w(*f.ctx);
        QCOMPARE(w.Data1()->record_count(), 3);  // all three join their author
        // Saving a quotation by "ÉMILE ZOLA" offers no second author.
        w.edit->b_add_new->click();
        w.edit->t_text->setPlainText("four");
        w.edit->cb_author->setEditText("ÉMILE ZOLA");
        w.edit->cb_subject->setEditText("LIFE");
        w.edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from authors").toInt(), 1);
        QCOMPARE(f.scalar("select count(*) from quotes where text = 'four'").toInt(), 1);
        QCOMPARE(plain_caption(w.filters->b_filter_current_author->text()), QString("Filter on current author (4)"));
    }
};

SENTARA_TESTS(TestDataSafety)
#include "test_data_safety.moc"
