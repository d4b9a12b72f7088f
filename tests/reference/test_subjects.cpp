// The subjects window: its one filter box, the placeholder "-", letter case, what its save,
// delete and replace write to the quotations, and the window among the others.
#include "database/trash.h"
#include "main_window/main_window_fixture.h"
#include "reference/f_subjects.h"
#include "reference_fixture.h"

#include <QAction>

namespace {

// Subjects of the fixture: "-" (1 quotation), Life (4), Love (1), Wisdom (2).
struct SubjectsFixture : ReferenceFixture<f_subjects> {
    SubjectsFixture() : ReferenceFixture("subject") {}
    int quotes_of(const QString& subject) const {
        return scalar("select count(*) from quotes where subject = " + quoted(subject)).toInt();
    }
    bool stored(const QString& subject) const {
        return scalar("select count(*) from subjects where subject = " + quoted(subject)).toInt() == 1;
    }
};

f_subjects* subjects_window(AppContext& ctx) { return qobject_cast<f_subjects*>(ctx.events.window(AppEvents::subjects_window)); }

}  // namespace

class TestSubjects : public QObject {
    Q_OBJECT
private slots:
    void the_one_filter_box_keeps_its_text() {
        SubjectsFixture f;
        f.exec("insert into subjects values ('It''s 50% [odd] *?', 0), ('Lifelong', 0)");
        f.open();
        QVERIFY(f.w().b_filter->isEnabled() && !f.w().b_clear_filter->isEnabled());
        // Filter with an empty box lists every subject and can be cleared.
        f.w().b_filter->click();
        QCOMPARE(f.list().record_count(), 6);
        QVERIFY(is_lit(f.w().b_clear_filter) && f.w().b_clear_filter->isEnabled());
        // Enter filters; the label counts the whole table.
        QTest::keyClicks(f.w().t_subject_filter, " life ");
        QTest::keyClick(f.w().t_subject_filter, Qt::Key_Return);
        QCOMPARE(f.listed(), (QStringList{"Life", "Lifelong"}));
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records: 6"));
        QVERIFY(!is_lit(f.w().b_filter));
        // Sorting keeps the filter in force.
        emit f.w().grid->horizontalHeader()->sectionClicked(1);  // by quotations
        QCOMPARE(f.listed(), (QStringList{"Lifelong", "Life"}));
        // Clear Filter lists all again and leaves the text; Filter applies it again.
        f.w().b_clear_filter->click();
        QCOMPARE(f.list().record_count(), 6);
        QCOMPARE(f.w().t_subject_filter->text(), QString(" life "));
        QVERIFY(!is_lit(f.w().b_clear_filter) && !f.w().b_clear_filter->isEnabled());
        f.w().b_filter->click();
        QCOMPARE(f.list().record_count(), 2);
        // Quotes and pattern characters are found as they are.
        for (const QString& text : {QString("'s 50%"), QString("[odd]"), QString("*?"), QString("?")})
            f.filter_lists(f.w().t_subject_filter, text, {"It's 50% [odd] *?"});
        QVERIFY(f.ui.messages().isEmpty());
    }

    void typing_over_the_placeholder_adds_a_subject() {
        SubjectsFixture f;
        f.open();
        QStringList announced;
        QObject::connect(&f.ctx->events, &AppEvents::subjects_changed,
                         [&](const QString& old_name, const QString& new_name) { announced << old_name + "->" + new_name; });
        f.go_to("-");
        QCOMPARE(f.w().t_quotes->text(), QString("1"));
        QTest::keyClicks(f.w().t_subject, "\b Poetry ");
        QVERIFY(is_lit(f.w().b_save));
        f.w().b_save->click();
        QVERIFY(f.stored("-") && f.stored("Poetry"));
        QCOMPARE(f.quotes_of("-"), 1);  // the quotation without a subject keeps none
        QCOMPARE(f.w().t_subject->text(), QString("Poetry"));
        QCOMPARE(f.w().t_quotes->text(), QString("0"));
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records: 5"));
        QCOMPARE(announced, QStringList{"->Poetry"});
        // Over "-" a subject that exists is refused; "-" itself cannot be typed in anywhere else.
        f.go_to("-");
        f.save_refused(f.w().t_subject, "love", "Subject already present.");
        f.w().t_subject->setText("-");
        QVERIFY(!is_lit(f.w().b_save));
        f.go_to("Wisdom");
        f.save_refused(f.w().t_subject, " - ", "Subject already present.");
        QVERIFY(f.stored("Wisdom"));
        QCOMPARE(f.count("subjects"), 5);
        QCOMPARE(announced.size(), 1);
    }

    void letter_case_counts_and_a_new_name_carries_the_quotations() {
        SubjectsFixture f;
        f.open();
        f.go_to("Life");
        f.w().t_subject->setText("LIFE");  // letter case alone is a change here
        QVERIFY(is_lit(f.w().b_save) && f.w().b_save->isEnabled());
        f.w().b_save->click();
        QCOMPARE(f.scalar("select subject from subjects where subject = 'life'").toString(), QString("LIFE"));
        QCOMPARE(f.count("subjects"), 4);  // the same row
        QCOMPARE(f.count("quotes", "subject = 'LIFE' collate binary"), 4);
        QVERIFY(!is_lit(f.w().b_save));
        // A new name with apostrophe and pattern characters: stored trimmed, the quotations follow.
        f.w().t_subject->setText("  Love's [50%] *?  ");
        f.w().b_save->click();
        QVERIFY(f.stored("Love's [50%] *?"));
        QCOMPARE(f.quotes_of("Love's [50%] *?"), 4);
        QCOMPARE(f.quotes_of("LIFE"), 0);
        // Renamed to another subject: refused, nothing written.
        f.save_refused(f.w().t_subject, "wisdom", "Subject already present.");
        QCOMPARE(f.quotes_of("Wisdom"), 2);
        QCOMPARE(f.count("subjects"), 4);
        // Removed by another program meanwhile: said so, nothing written.
        f.w().t_subject->setText("Gone");
        f.exec("delete from subjects where subject = 'Love''s [50%] *?'");
        f.save_refused("Error 2006-10-15");
        QVERIFY(!f.stored("Gone"));
        QCOMPARE(f.quotes_of("Love's [50%] *?"), 4);
        // Add new: a new subject, a duplicate refused.
        f.w().t_subject->setText("Love's [50%] *?");
        f.w().b_add_new->click();
        f.save_refused(f.w().t_subject, "LOVE", "Subject already present.");
        f.w().t_subject->setText("Hope");
        f.w().b_save->click();
        QVERIFY(f.stored("Hope"));
        QVERIFY(!is_lit(f.w().b_add_new));
    }

    // A subject in use is never deleted; replaced, its quotations move and it stays.
    void delete_and_replace_keep_subjects_in_use() {
        SubjectsFixture f;
        f.exec("insert into subjects values ('Rock ''n'' roll [50%]', 0), ('Spare', 0)");
        f.open();
        int quotes_changed = 0;
        QObject::connect(&f.ctx->events, &AppEvents::quotes_changed, [&] { ++quotes_changed; });
        emit f.w().grid->horizontalHeader()->sectionClicked(0);  // by subject
        f.go_to("Love");
        f.ui.expect_message("Subject \"Love\" cannot be deleted");
        f.w().b_delete->click();
        QVERIFY(f.stored("Love"));
        f.go_to("Spare");
        f.w().b_delete->click();
        QVERIFY(!f.stored("Spare"));
        QCOMPARE(f.w().t_subject->text(), QString("Wisdom"));  // the one that followed, now the last
        f.go_to("Life");
        f.ui.expect_input("rock 'n' roll [50%]", "Existing subject to be used?");
        f.w().b_replace->click();
        QCOMPARE(f.quotes_of("Rock 'n' roll [50%]"), 4);
        QCOMPARE(f.quotes_of("Life"), 0);
        QVERIFY(f.stored("Life"));
        QCOMPARE(f.w().t_subject->text(), QString("Rock 'n' roll [50%]"));  // the list moves to it
        QCOMPARE(quotes_changed, 1);
        // Undo delete takes both back, the last first: the quotations their subject, then the
        // subject deleted.
        QVERIFY(trash::undo_last(*f.ctx->database));
        QCOMPARE(f.quotes_of("Life"), 4);
        QCOMPARE(f.quotes_of("Rock 'n' roll [50%]"), 0);
        QVERIFY(!f.stored("Spare"));
        QVERIFY(trash::undo_last(*f.ctx->database));
        QVERIFY(f.stored("Spare"));
        QVERIFY(!trash::undo_last(*f.ctx->database));
    }
};

class TestSubjectsWindow : public QObject {
    Q_OBJECT
private slots:
    void the_edit_button_opens_it_on_the_subject_and_takes_the_saved_subject_back() {
        MainWindowFixture f;
        f.show();
        f.go_to(3);  // Wisdom
        f.w().edit->b_add_subject->click();
        QPointer<f_subjects> w = subjects_window(*f.ctx);
        QVERIFY(w && w->isVisible() && f.ctx->subjects_window_open());
        QCOMPARE(w->t_subject->text(), QString("Wisdom"));
        // From the menu: the same window, on the subject shown, nothing handed back.
        f.go_to(1);
        f.w().m_subjects->trigger();
        QCOMPARE(subjects_window(*f.ctx), w.data());
        QCOMPARE(w->t_subject->text(), QString("Life"));
        QVERIFY(!f.ctx->subject_requested_from_main);
        // Show Quotes filters the main window on the subject.
        w->go_to_first("subject = 'Life'");
        w->b_show_quotes->click();
        QCOMPARE(f.w().filters->cb_subject_filter->currentText(), QString("Life"));
        QCOMPARE(f.w().Data1()->record_count(), 4);
        // A new quotation's subject made in the window comes back to the subject box.
        f.w().edit->b_add_new->click();
        f.w().edit->b_add_subject->click();
        w->b_add_new->click();
        w->t_subject->setText("Poetry");
        w->b_save->click();
        QCOMPARE(f.w().edit->cb_subject->currentText(), QString("Poetry"));
        QVERIFY(f.w().filters->cb_subject_filter->findText("Poetry") >= 0);  // the lists know it
        delete w.data();
        QVERIFY(!f.ctx->subjects_window_open());
        QVERIFY(f.ui.messages().isEmpty());
    }

    void it_stands_beside_its_list_as_high_as_its_areas() {
        SubjectsFixture f;
        f.open();
        f.show();
        QApplication::processEvents();
        f_subjects& w = f.w();
        const QRect grid(w.grid->mapTo(&w, QPoint(0, 0)), w.grid->size());
        const QRect edit(w.edit_area->mapTo(&w, QPoint(0, 0)), w.edit_area->size());
        const QRect filters(w.filter_area->mapTo(&w, QPoint(0, 0)), w.filter_area->size());
        QVERIFY(edit.left() > grid.right());  // beside the list
        QCOMPARE(filters.left(), edit.left());  // the filter area under the edit area
        QVERIFY(filters.top() > edit.bottom());
        QVERIFY(w.height() - filters.bottom() < 40);  // the window ends a margin below it
        QVERIFY(grid.width() >= w.grid->horizontalHeader()->length());  // its columns show whole
    }
};

SENTARA_TESTS(TestSubjects)
SENTARA_TESTS(TestSubjectsWindow)

#include "test_subjects.moc"
