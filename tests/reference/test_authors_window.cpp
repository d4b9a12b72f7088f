// The authors window among the others: opened from the main window, handing a saved name back,
// driving the main window's filter, and closing (the last window closing ends the program).
#include "authors_fixture.h"

#include "main_window/main_window_fixture.h"

#include <QAction>
#include <QTemporaryDir>

namespace {

f_authors* authors_window(AppContext& ctx) { return qobject_cast<f_authors*>(ctx.events.window(AppEvents::authors_window)); }

// Deletes the authors window a test left open.
struct CloseAuthorsWindow {
    AppContext& ctx;
    ~CloseAuthorsWindow() { delete authors_window(ctx); }
};

}  // namespace

class TestAuthorsWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { save_setting("author_formheight", ""); }

    void the_edit_button_opens_it_on_the_author_and_takes_the_saved_name_back() {
        MainWindowFixture f;
        CloseAuthorsWindow cleanup{*f.ctx};
        f.show();
        f.go_to(2);  // Oscar Wilde
        QVERIFY(f.w().edit->b_edit_author->isEnabled());
        f.w().edit->b_edit_author->click();
        f_authors* w = authors_window(*f.ctx);
        QVERIFY(w && w->isVisible());
        QVERIFY(f.ctx->authors_window_open());
        QCOMPARE(w->t_name->text(), QString("Oscar Wilde"));
        QVERIFY(f.ctx->author_requested_from_main);
        // Opened again it is the same window, moved to the author shown.
        f.go_to(1);
        f.w().m_authors->trigger();
        QCOMPARE(authors_window(*f.ctx), w);
        QCOMPARE(w->t_name->text(), QString("Mark Twain"));
        QVERIFY(!f.ctx->author_requested_from_main);
        // From the edit area's button, a new author comes back to the author box.
        f.w().edit->b_add_new->click();
        f.w().edit->b_edit_author->click();
        w->b_add_new->click();
        w->t_name->setText(" Seneca ");
        w->b_save->click();
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Seneca"));
        QVERIFY(f.w().focusWidget() == f.w().edit->cb_author || f.w().focusWidget() == f.w().edit->cb_author->lineEdit());
        QVERIFY(!f.ctx->author_requested_from_main);
        QVERIFY(f.w().edit->cb_author->findText("Seneca") >= 0);      // the lists know the new author
        QVERIFY(f.w().filters->cb_author_filter->findText("Seneca") >= 0);
        // The next save is not handed back.
        w->t_notes->setText("Roman");
        w->b_save->click();
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Seneca"));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void a_new_picture_shows_in_the_main_window_at_once() {
        MainWindowFixture f;
        CloseAuthorsWindow cleanup{*f.ctx};
        QTemporaryDir program;
        program_folder_with_picture(*f.ctx, program.path(), "wilde.jpg");
        f.show();
        f.go_to(2);
        QVERIFY(!f.w().edit->Image1->isVisible());
        f.w().m_authors->trigger();
        f_authors* w = authors_window(*f.ctx);
        w->t_picture->setText("images/wilde.jpg");
        w->b_save->click();
        QVERIFY(f.w().edit->Image1->isVisible());
    }

    void show_quotes_filters_the_main_window_on_the_author() {
        MainWindowFixture f;
        CloseAuthorsWindow cleanup{*f.ctx};
        f.show();
        f.w().filters->t_text_filter->setText("fear");
        f.w().b_filter_Click();
        f.w().m_authors->trigger();
        f_authors* w = authors_window(*f.ctx);
        w->go_to_first("name = 'Oscar Wilde'");
        w->b_show_quotes->click();
        QCOMPARE(f.w().filters->cb_author_filter->currentText(), QString("Oscar Wilde"));
        QVERIFY(f.w().filters->t_text_filter->text().isEmpty());  // the other filters are cleared
        QCOMPARE(f.w().Data1()->record_count(), 2);
        // A double click on the list does the same.
        w->go_to_first("name = 'Smith'");
        emit w->grid->doubleClicked(w->grid->currentIndex());
        QCOMPARE(f.w().filters->cb_author_filter->currentText(), QString("Smith"));
        QCOMPARE(f.w().Data1()->record_count(), 1);
        QVERIFY(w->isVisible());
    }

    void the_last_window_to_close_ends_the_program() {
        {
            // With the main window open, Exit only closes this window.
            MainWindowFixture f;
            f.show();
            f.w().m_authors->trigger();
            QPointer<f_authors> w = authors_window(*f.ctx);
            w->b_exit->click();
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!f.ctx->authors_window_open());
            QVERIFY(w.isNull());  // it goes when it is closed
            QVERIFY(!f.ui.ended);
        }
        // Alone, Esc closes it and the program ends.
        AuthorsFixture f;
        f.open();
        f.show();
        QTest::keyClick(f.w().grid, Qt::Key_Escape);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.window.isNull());
        QVERIFY(f.ui.ended);
        QVERIFY(get_setting("author_formheight").toInt() > 7900);
        // The close box too; with an edit pending it refuses.
        f.ui.ended = false;
        f.open();
        f.show();
        const QString notes = f.w().t_notes->text();
        f.w().t_notes->setText(notes + " pending");
        f.ui.expect_message("Edit operation in progress.");
        f.w().close();
        QVERIFY(f.w().isVisible());
        QVERIFY(!f.ui.ended);
        f.w().t_notes->setText(notes);  // as it was: nothing pending
        f.w().close();
        QVERIFY(f.ui.ended);
    }

    void it_opens_with_the_height_kept_and_fits_the_screen() {
        const QRect free = primary_screen_area().available;
        for (const QString& kept : {QString(), QString("9000"), QString("99999")}) {
            save_setting("author_formheight", kept);
            AuthorsFixture f;
            f.open();
            f.show();
            QApplication::processEvents();
            QVERIFY2(free.contains(f.w().frameGeometry()), qPrintable(kept));
            if (kept == "9000") QCOMPARE(f.w().frameGeometry().height(), 600);
            else QCOMPARE(f.w().frameGeometry().height(), free.height());
            QVERIFY(f.w().minimumWidth() >= 690 && f.w().minimumHeight() >= 526);
            // Every button shows whole.
            for (QPushButton* b : f.w().findChildren<QPushButton*>()) {
                const QRect r(b->mapTo(&f.w(), QPoint(0, 0)), b->size());
                QVERIFY2(f.w().rect().contains(r), qPrintable(b->objectName()));
            }
            QCOMPARE(f.w().windowTitle(), QString("Sentara - Authors"));
        }
    }
};

QObject* make_authors_window_tests() { return new TestAuthorsWindow; }

#include "test_authors_window.moc"
