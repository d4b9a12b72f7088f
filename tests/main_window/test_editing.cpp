// Editing in the main window: change detection, add, save, delete, undo, next, completion.
#include "main_window_fixture.h"
#include "reference/f_authors.h"
#include "reference/f_languages.h"
#include "reference/f_subjects.h"

#include <QAction>
#include <QPointer>
#include <QSignalSpy>

#include <functional>
#include <map>

namespace {
void fill(f_main& w, const QString& text, const QString& author, const QString& subject, const QString& language = "EN") {
    w.edit->t_text->setPlainText(text);
    w.edit->cb_author->setEditText(author);
    w.edit->cb_subject->setEditText(subject);
    w.edit->cb_language->setEditText(language);
}
}  // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void change_detection() {
        MainWindowFixture f;
        f.go_to(2);
        QVERIFY(!f.w().edit->b_save->isEnabled());
        f.w().edit->cb_author->setEditText("OSCAR WILDE");  // letter case alone is no change
        f.w().edit->t_text->setPlainText(f.w().edit->t_text->toPlainText().toUpper());
        QVERIFY(!f_main::is_lit(f.w().edit->b_save));
        QVERIFY(f.w().list->grid->isEnabled());

        f.ui.expect_message("Invalid rate (use values 1 to 3 or empty)");
        f.w().edit->cb_rate->setEditText("4");
        QCOMPARE(f.w().edit->cb_rate->currentText(), QString("3"));  // the remembered rate comes back
        QVERIFY(!f_main::is_lit(f.w().edit->b_save));

        f.w().edit->cb_rate->setEditText("");
        QVERIFY(f_main::is_lit(f.w().edit->b_save));
        QVERIFY(f.w().edit->b_undo->isEnabled());
        QVERIFY(!f.w().list->grid->isEnabled());
        f.w().edit->b_undo->click();
        QCOMPARE(f.w().edit->cb_rate->currentText(), QString("3"));
        QVERIFY(!f_main::is_lit(f.w().edit->b_save) && !f.w().edit->b_save->isEnabled());
        QVERIFY(f.w().list->grid->isEnabled());

        // Ctrl+U undoes the edit from any field, even one that takes Ctrl+U itself (a line box
        // would delete its line).
        f.show();
        const QString note = f.w().edit->t_note->text();
        f.w().edit->t_note->setFocus();
        QTest::keyClicks(f.w().edit->t_note, " more");
        QVERIFY(f.w().edit->b_undo->isEnabled());
        QTest::keyClick(f.w().edit->t_note, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(f.w().edit->t_note->text(), note);
        QVERIFY(!f_main::is_lit(f.w().edit->b_save));
    }

    // Every command that would lose a pending edit refuses it and changes nothing.
    void a_pending_edit_is_never_thrown_away_data() {
        QTest::addColumn<QString>("command");
        for (const char* c : {"filter", "clear", "current author", "header", "add new", "delete", "next", "random",
                              "delete picked", "export", "slide show", "change database", "open access", "import", "exit"})
            QTest::newRow(c) << QString(c);
    }
    void a_pending_edit_is_never_thrown_away() {
        QFETCH(QString, command);
        MainWindowFixture f;
        f.show();
        click_selector(f.w(), 0);  // a row picked: its delete would not even ask
        save_setting("last_db_file", f.path());
        const QString sql = f.sql();
        const int key = f.current_key();
        QSignalSpy shows(&f.ctx->events, &AppEvents::slide_show_requested);
        f.w().filters->t_text_filter->setText("fear");
        f.w().edit->t_note->setText("pending");
        const std::map<QString, std::function<void()>> commands = {
            {"filter", [&] { f.w().b_filter_Click(); }},
            {"clear", [&] { f.w().b_clear_Click(); }},
            {"current author", [&] { f.w().filters->b_filter_current_author->click(); }},
            {"header", [&] { emit f.w().list->grid->horizontalHeader()->sectionClicked(1); }},
            {"add new", [&] { f.w().edit->b_add_new->click(); }},
            {"delete", [&] { f.w().edit->b_delete->click(); }},
            {"next", [&] { f.w().edit->b_next->click(); }},
            {"random", [&] { f.w().edit->b_random->click(); }},
            {"delete picked", [&] { f.w().filters->b_delete_filtered->click(); }},
            {"export", [&] { f.w().filters->b_export->click(); }},
            {"slide show", [&] { f.w().filters->b_slide_show->click(); }},
            {"change database", [&] { f.w().m_change_db->trigger(); }},  // no file dialog, no announcement
            {"open access", [&] { f.w().m_open_access->trigger(); }},
            {"import", [&] { f.w().m_import->trigger(); }},
            {"exit", [&] { f.w().edit->b_exit->click(); }},
        };
        // Exit asks whether to save; Cancel keeps it all.
        f.ui.expect_message("Edit operation in progress.", command == "exit" ? Ui::cancel : Ui::ok);
        commands.at(command)();
        QCOMPARE(f.ui.messages().size(), 1);
        QCOMPARE(f.sql(), sql);
        QCOMPARE(f.current_key(), key);
        QCOMPARE(f.w().edit->t_note->text(), QString("pending"));
        QVERIFY(f_main::is_lit(f.w().edit->b_save));
        QCOMPARE(f.w().filters->t_text_filter->text(), QString("fear"));  // what was typed stays
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 8);
        QCOMPARE(shows.count(), 0);
        QVERIFY(!f.ctx->events.is_open(AppEvents::export_window) && !f.ctx->import_window_open());
        QCOMPARE(get_setting("last_db_file"), f.path());
        QVERIFY(!f.ui.ended && f.w().isVisible());
    }

    // The author, subject and language renamed in their windows while the quotation is being
    // edited: the boxes, and what Undo brings back, follow the new names.
    void a_pending_edit_follows_renames_made_elsewhere() {
        MainWindowFixture f;
        struct CloseOthers {
            AppContext& ctx;
            ~CloseOthers() {
                for (auto kind : {AppEvents::authors_window, AppEvents::subjects_window, AppEvents::languages_window})
                    delete ctx.events.window(kind);
            }
        } cleanup{*f.ctx};
        f.show();
        f.go_to(1);  // Mark Twain, Life, EN
        EditArea& e = *f.w().edit;
        const QString text = e.t_text->toPlainText();
        e.t_text->setPlainText("Courage is mastery of fear.");
        f.w().m_authors->trigger();
        QPointer<f_authors> authors = qobject_cast<f_authors*>(f.ctx->events.window(AppEvents::authors_window));
        authors->t_name->setText("Samuel Clemens");
        authors->b_save->click();
        f.w().m_subjects->trigger();
        QPointer<f_subjects> subjects = qobject_cast<f_subjects*>(f.ctx->events.window(AppEvents::subjects_window));
        subjects->t_subject->setText("Living");
        subjects->b_save->click();
        f.w().m_languages->trigger();
        QPointer<f_languages> languages = qobject_cast<f_languages*>(f.ctx->events.window(AppEvents::languages_window));
        QVERIFY(languages->go_to_first("code = 'EN'"));
        languages->t_code->setText("ENG");
        languages->b_save->click();
        const auto boxes = [&] { return QStringList{e.cb_author->currentText(), e.cb_subject->currentText(), e.cb_language->currentText()}; };
        QCOMPARE(boxes(), (QStringList{"Samuel Clemens", "Living", "ENG"}));
        QVERIFY(e.editing());
        e.b_undo->click();
        QCOMPARE(e.t_text->toPlainText(), text);
        QCOMPARE(boxes(), (QStringList{"Samuel Clemens", "Living", "ENG"}));
        QVERIFY(!e.editing());
        // Saved, nothing is asked and the quotation keeps the renamed ones.
        e.t_text->setPlainText("Courage is mastery of fear.");
        e.b_save->click();
        QCOMPARE(f.scalar("select author || '|' || subject || '|' || language || '|' || text from quotes where key = 1").toString(),
                 QString("Samuel Clemens|Living|ENG|Courage is mastery of fear."));
        // Another author typed in the box stays there; Undo brings back the renamed one.
        e.cb_author->setEditText("Oscar Wilde");
        authors->t_name->setText("S. L. Clemens");
        authors->b_save->click();
        QCOMPARE(e.cb_author->currentText(), QString("Oscar Wilde"));
        e.b_undo->click();
        QCOMPARE(e.cb_author->currentText(), QString("S. L. Clemens"));
    }

    void save_updates_and_keeps_line_breaks_and_every_quote_mark() {
        MainWindowFixture f;
        f.go_to(3);
        QString text = "First line\nsecond line\r\nthird ";
        while (text.size() < 10000) text += "' \" ‘ ’ “ ” « » ‹ › „ ‚ ` ´ '' \"\" Ünïcödé ✓ ";
        text = text.left(10000);
        f.w().edit->t_text->setPlainText(text);
        f.w().edit->t_note->setText("with 'quotes'");
        f.w().edit->cb_rate->setEditText("2");
        f.w().edit->b_save->click();
        text.replace("\r\n", "\n");
        QCOMPARE(f.scalar("select text from quotes where key = 3").toString(), text);
        QCOMPARE(f.scalar("select notes from quotes where key = 3").toString(), QString("with 'quotes'"));
        QCOMPARE(f.scalar("select rate from quotes where key = 3").toInt(), 2);
        QCOMPARE(f.scalar("select typeof(rate) from quotes where key = 3").toString(), QString("integer"));
        QCOMPARE(f.current_key(), 3);  // the saved row is current again
        QCOMPARE(f.w().Data1()->key_at(f.w().Data1()->absolute_position()).toInt(), 3);
        QVERIFY(!f_main::is_lit(f.w().edit->b_save) && f.w().list->grid->isEnabled());
        f.go_to(1);
        f.go_to(3);
        QCOMPARE(f.w().edit->t_text->toPlainText(), text);
        // Emptied fields are stored as nulls.
        f.w().edit->t_note->setText("");
        f.w().edit->cb_rate->setEditText("");
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from quotes where key = 3 and notes is null and rate is null").toInt(), 1);
    }

    void add_new_then_save_inserts_and_makes_the_new_row_current() {
        MainWindowFixture f;
        f.ctx->default_language = "IT";
        f.w().edit->b_add_new->click();
        QVERIFY(f_main::is_lit(f.w().edit->b_add_new));
        QCOMPARE(f.w().edit->cb_language->currentText(), QString("IT"));
        QVERIFY(!f_main::is_lit(f.w().edit->b_save));
        f.w().edit->t_text->setPlainText("Nuova citazione");
        QVERIFY(f_main::is_lit(f.w().edit->b_save));
        f.w().edit->cb_author->setEditText("Mark Twain");
        f.w().edit->cb_subject->setEditText("life");
        f.w().edit->b_save->click();
        const int key = f.scalar("select max(key) from quotes").toInt();
        QCOMPARE(key, 9);
        QCOMPARE(f.current_key(), 9);
        QCOMPARE(f.w().edit->cb_subject->currentText(), QString("Life"));  // the stored letter case
        QCOMPARE(f.scalar("select subject from quotes where key = 9").toString(), QString("Life"));
        QCOMPARE(f.scalar("select language from quotes where key = 9").toString(), QString("IT"));
        QVERIFY(!f_main::is_lit(f.w().edit->b_add_new));
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:9/9"));
        // With an empty list what is typed is a new quotation too.
        f.w().filters->t_key_selector->setText("999");
        f.w().b_filter_Click();
        fill(f.w(), "Alone in an empty grid", "Smith", "Wisdom");
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from quotes where text = 'Alone in an empty grid'").toInt(), 1);
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 10);
    }

    // Save knows an author in any letter case, also one added a moment ago by another window or
    // program; accents still make another name.
    void save_knows_an_author_as_names_compare() {
        MainWindowFixture f;
        f.ctx->database->execute("insert into authors values ('Anders Ångström', null, null, 0)");
        f.w().edit->b_add_new->click();
        fill(f.w(), "Light is measured.", "ANDERS ÅNGSTRÖM", "Wisdom");
        f.w().edit->b_save->click();
        QVERIFY2(f.ui.messages().isEmpty(), qPrintable(f.ui.messages().join(" | ")));
        QCOMPARE(f.scalar("select count(*) from quotes where author = 'ANDERS ÅNGSTRÖM'").toInt(), 1);
        f.w().edit->b_add_new->click();
        fill(f.w(), "Light is measured again.", "Anders Angstrom", "Wisdom");
        f.ui.expect_message("Author \"Anders Angstrom\" not found", Ui::cancel);
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from authors").toInt(), 9);
    }

    // Save refused: the message, and nothing stored, every field kept as typed.
    void save_refusals_data() {
        QTest::addColumn<QStringList>("fields");  // text, author, subject, language
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown subject") << QStringList{"Another one.", "Smith", "Nonexistent", "EN"}
                                         << "Subject \"Nonexistent\" not found. Please add it";
        QTest::newRow("no language") << QStringList{"No language.", "Smith", "Life", ""} << "Language cannot be empty";
        QTest::newRow("no author") << QStringList{"No author.", " ", "Life", "EN"} << "Author cannot be empty";
        QTest::newRow("author not added") << QStringList{"A new thought.", "Dell'Acqua", "Wisdom", "EN"}
                                          << "Author \"Dell'Acqua\" not found. Do you want to add it?";
    }
    void save_refusals() {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        MainWindowFixture f;
        f.w().edit->b_add_new->click();
        fill(f.w(), fields[0], fields[1], fields[2], fields[3]);
        f.ui.expect_message(message, Ui::cancel);
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 8);
        QCOMPARE(f.scalar("select count(*) from authors").toInt(), 8);
        QVERIFY(f_main::is_lit(f.w().edit->b_save) && f_main::is_lit(f.w().edit->b_add_new));
        QCOMPARE(f.w().edit->t_text->toPlainText(), fields[0]);
        QCOMPARE(f.w().edit->cb_author->currentText(), fields[1]);
    }

    void missing_author_and_subject() {
        MainWindowFixture f;
        f.w().edit->b_add_new->click();
        fill(f.w(), "A new thought.", "Dell'Acqua", "Wisdom");
        // OK creates the author with no picture and no notes.
        f.ui.expect_message("Author \"Dell'Acqua\" not found", Ui::ok);
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from authors where name = 'Dell''Acqua' and picture is null and notes is null").toInt(), 1);
        QCOMPARE(f.scalar("select count(*) from quotes where author = 'Dell''Acqua'").toInt(), 1);
        QVERIFY(f.w().filters->cb_author_filter->findText("Dell'Acqua") >= 0);
        // Question marks are a name as typed, never a pattern.
        f.w().edit->b_add_new->click();
        fill(f.w(), "Mystery", "??", "Life");
        f.ui.expect_message("Author \"??\" not found", Ui::ok);
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select count(*) from authors where name = '?" "?'").toInt(), 1);
        QCOMPARE(plain_caption(f.w().filters->b_filter_current_author->text()), QString("Filter on current author (1)"));

        // An empty subject becomes "-", created when needed.
        f.w().edit->b_add_new->click();
        fill(f.w(), "Another one.", "Smith", "");
        f.ctx->database->execute("delete from subjects where subject = '-'");
        f.w().edit->cb_subject->setEditText("  ");
        f.ui.expect_message("Subject is empty and will be set to '-'; do you want to proceed?", Ui::ok);
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select subject from quotes where text = 'Another one.'").toString(), QString("-"));
        QCOMPARE(f.scalar("select count(*) from subjects where subject = '-'").toInt(), 1);
    }

    void engine_errors_keep_what_was_typed() {
        MainWindowFixture f;
        f.go_to(1);
        f.exec("create trigger refuse before update on quotes begin select raise(abort, 'the disk is full'); end");
        f.w().edit->t_text->setPlainText("Precious words");
        f.ui.expect_message("the disk is full");
        f.w().edit->b_save->click();
        QVERIFY(f.ui.last_message().startsWith("Error "));
        QCOMPARE(f.w().edit->t_text->toPlainText(), QString("Precious words"));
        QVERIFY(f_main::is_lit(f.w().edit->b_save));
        f.exec("drop trigger refuse");
        f.w().edit->b_save->click();
        QCOMPARE(f.scalar("select text from quotes where key = 1").toString(), QString("Precious words"));
    }

    void delete_and_the_row_after() {
        MainWindowFixture f;
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);  // by key: 1 .. 8
        f.go_to(8);
        f.ui.expect_message("Do you really want to delete quote '??? marks the spot...'?", Ui::cancel);
        f.w().edit->b_delete->click();
        QCOMPARE(f.scalar("select count(*) from quotes").toInt(), 8);
        f.ui.expect_message("Do you really want to delete quote", Ui::ok);
        f.w().edit->b_delete->click();
        QCOMPARE(f.scalar("select count(*) from quotes where key = 8").toInt(), 0);
        QCOMPARE(f.current_key(), 7);  // the new last row
        f.go_to(3);
        f.ui.expect_message("Do you really want to delete quote 'Experience is the name we give...'?", Ui::ok);
        f.w().edit->b_delete->click();
        QCOMPARE(f.current_key(), 4);  // the row that followed
        QCOMPARE(f.w().filters->l_records_filtered->text(), QString("Records Filtered:6/6"));

        f.w().filters->t_key_selector->setText("4");
        f.w().b_filter_Click();
        f.ui.expect_message("Do you really want to delete quote", Ui::ok);
        f.w().edit->b_delete->click();
        QCOMPARE(f.w().edit->t_key->text(), QString());  // the only row: the edit area empties
        QCOMPARE(f.w().edit->t_text->toPlainText(), QString());
        QCOMPARE(f.w().Data1()->record_count(), 0);
    }

    void next_and_random() {
        MainWindowFixture f;
        emit f.w().list->grid->horizontalHeader()->sectionClicked(0);
        f.go_to(7);
        f.w().edit->b_next->click();
        QCOMPARE(f.current_key(), 8);
        f.w().edit->b_next->click();  // on the last row Next stays there
        QCOMPARE(f.current_key(), 8);
        QSet<int> seen;
        for (int i = 0; i < 20; ++i) {
            f.w().edit->b_random->click();
            seen << f.current_key();
        }
        QVERIFY(seen.size() > 2 && !seen.contains(0));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void leaving_the_author_and_subject_boxes() {
        MainWindowFixture f;
        f.show();
        f.go_to(1);
        EditArea& e = *f.w().edit;
        // A fragment is completed to the first name that contains it...
        type_and_leave(e.cb_author, "d'annun", e.t_text);
        QCOMPARE(e.cb_author->currentText(), QString("Gabriele D'Annunzio"));
        // ...but a name typed whole stays, though another name containing it comes first.
        type_and_leave(e.cb_author, "smith", e.t_text);
        QCOMPARE(e.cb_author->currentText(), QString("Smith"));
        // A new name: Cancel keeps it, OK creates the author.
        f.ui.expect_message("Author 'Seneca' not in database. Do you want to add it?", Ui::cancel);
        type_and_leave(e.cb_author, "Seneca", e.t_text);
        QCOMPARE(e.cb_author->currentText(), QString("Seneca"));
        QCOMPARE(f.scalar("select count(*) from authors where name = 'Seneca'").toInt(), 0);
        f.ui.expect_message("Author 'Seneca' not in database", Ui::ok);
        type_and_leave(e.cb_author, "Seneca", e.t_text);
        QCOMPARE(f.scalar("select count(*) from authors where name = 'Seneca' and picture is null").toInt(), 1);
        QVERIFY(e.cb_author->findText("Seneca") >= 0);
        type_and_leave(e.cb_subject, "wis", e.t_note);
        QCOMPARE(e.cb_subject->currentText(), QString("Wisdom"));
        f.ui.expect_message("Subject 'Humour' not in database. Do you want to add it?", Ui::ok);
        type_and_leave(e.cb_subject, "Humour", e.t_note);
        QCOMPARE(f.scalar("select count(*) from subjects where subject = 'Humour'").toInt(), 1);
        QVERIFY(f.w().filters->cb_subject_filter->findText("Humour") >= 0);
    }

    void tab_from_the_grid_leads_to_missing_values() {
        MainWindowFixture f;
        f.show();
        f.go_to(5);  // subject "-"
        f.w().list->grid->setFocus();
        QTest::keyClick(f.w().list->grid, Qt::Key_Tab);
        QVERIFY(f.w().edit->cb_subject->hasFocus());
        f.go_to(4);  // no rate
        f.w().list->grid->setFocus();
        QTest::keyClick(f.w().list->grid, Qt::Key_Tab);
        QVERIFY(f.w().edit->cb_rate->hasFocus());
    }

    void the_authors_picture() {
        MainWindowFixture f;
        QTemporaryDir pictures;
        QImage wide(300, 100, QImage::Format_RGB32);
        wide.fill(Qt::red);
        QVERIFY(wide.save(pictures.path() + "/wide.jpg"));
        f.exec("update authors set picture = '" + pictures.path() + "/wide.jpg' where name = 'Mark Twain';"
               "update authors set picture = 'nowhere/missing.jpg' where name = 'Smith'");
        f.w().b_filter_Click();
        f.go_to(1);
        QVERIFY(f.w().edit->Image1->isVisible() || !f.w().isVisible());
        QCOMPARE(f.w().edit->Image1->width(), f.w().edit->pic_author->width());  // wide: the box's width...
        QCOMPARE(f.w().edit->Image1->height(), f.w().edit->pic_author->width() / 3);  // ...and a third of it high
        QCOMPARE(f.w().edit->Image1->y(), (f.w().edit->pic_author->height() - f.w().edit->Image1->height()) / 2);
        f.go_to(6);  // a missing file shows the default picture
        QVERIFY(!f.w().edit->Image1->pixmap().isNull());
    }
};

SENTARA_TESTS(TestEditing)
#include "test_editing.moc"
