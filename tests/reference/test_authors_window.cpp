// The reference windows among the others: the authors window opened from the main window, handing
// a saved name back and driving its filter; every window's height, layout and closing rules (the
// last window closing ends the program).
#include "authors_fixture.h"

#include "main_window/main_window_fixture.h"
#include "reference/f_languages.h"
#include "reference/f_subjects.h"
#include "reference/f_websites.h"

#include <QAction>
#include <QTemporaryDir>

namespace {

f_authors* authors_window(AppContext& ctx) { return qobject_cast<f_authors*>(ctx.events.window(AppEvents::authors_window)); }

// Deletes the authors window a test left open.
struct CloseAuthorsWindow {
    AppContext& ctx;
    ~CloseAuthorsWindow() { delete authors_window(ctx); }
};

// The window alone: it fits, the close box refuses while an edit is pending, then Esc closes it,
// it is no longer open and the program ends.
template <class W>
void alone_it_fits_and_its_closing_ends_the_program(const QString& key, QLineEdit* W::*field, AppEvents::Window kind) {
    ReferenceFixture<W> f(key);
    f.exec("insert into websites values ('Wikiquote', 'https://en.wikiquote.org', 'EN', 'quotes')");
    f.open();
    f.show();
    f.expect_laid_out();
    QLineEdit* edit = f.w().*field;
    const QString was = edit->text();
    edit->setText(was + " pending");
    f.ui.expect_message("Edit operation in progress.");
    f.w().close();
    QVERIFY(f.w().isVisible() && !f.ui.ended);
    edit->setText(was);  // as it was: nothing pending
    QTest::keyClick(f.w().grid, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.window.isNull());
    QVERIFY(!f.ctx->events.is_open(kind));
    QVERIFY(f.ui.ended);
}

// No height kept: the whole free height; a kept one is used, cut to the screen; the height left
// is kept for the next opening.
template <class W>
void it_keeps_its_height(const QString& key, const QString& setting) {
    const int free = primary_screen_area().available.height();
    for (const auto& [kept, height] : {std::pair{QString(), free}, {QString("9000"), 600}, {QString("99999"), free}}) {
        save_setting(setting, kept);
        ReferenceFixture<W> f(key);
        f.open();
        f.show();
        QApplication::processEvents();
        QCOMPARE(f.w().frameGeometry().height(), height);
        f.expect_laid_out();
        f.w().resize(f.w().width(), 560);
        QApplication::processEvents();
        f.exit();
        const int left = get_setting(setting).toInt();
        QVERIFY2(left >= 560 * 15 && left < 660 * 15, qPrintable(QString::number(left)));
    }
    save_setting(setting, "");
}

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
        f.w().edit->b_edit_author->click();
        f_authors* w = authors_window(*f.ctx);
        QVERIFY(w && w->isVisible() && f.ctx->authors_window_open());
        QCOMPARE(w->t_name->text(), QString("Oscar Wilde"));
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
        QVERIFY(f.w().filters->cb_author_filter->findText("Seneca") >= 0);  // the lists know the new author
        // The next save is not handed back.
        w->t_notes->setText("Roman");
        w->b_save->click();
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Seneca"));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void a_pending_edit_elsewhere_keeps_the_window_and_hands_nothing_back() {
        MainWindowFixture f;
        CloseAuthorsWindow cleanup{*f.ctx};
        f.show();
        f.go_to(2);  // Oscar Wilde
        f.w().edit->b_edit_author->click();
        f_authors* w = authors_window(*f.ctx);
        w->t_notes->setText("Irish wit");  // pending on Oscar Wilde
        // Asked for Oscar Wilde again, the window is on him already: his save still goes back.
        f.w().edit->b_edit_author->click();
        QVERIFY(f.ctx->author_requested_from_main && f.ui.messages().isEmpty());
        // Asked for Mark Twain, from the menu or the button, it stays and says so.
        f.go_to(1);
        f.ui.expect_message("'Mark Twain' can be shown once it is saved");
        f.w().m_authors->trigger();
        f.ui.expect_message("'Mark Twain' can be shown once it is saved");
        f.w().edit->b_edit_author->click();
        QCOMPARE(w->t_name->text(), QString("Oscar Wilde"));
        QCOMPARE(w->t_notes->text(), QString("Irish wit"));
        // Its save hands nothing back: Mark Twain's quotation keeps its author.
        w->b_save->click();
        QCOMPARE(f.w().edit->cb_author->currentText(), QString("Mark Twain"));
        QVERIFY(!f.w().edit->editing());
        QCOMPARE(f.scalar("select notes from authors where name = 'Oscar Wilde'").toString(), QString("Irish wit"));
        // Nothing pending any more: the next request is served.
        f.w().edit->b_edit_author->click();
        QCOMPARE(w->t_name->text(), QString("Mark Twain"));
        QVERIFY(f.ctx->author_requested_from_main);
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
        authors_window(*f.ctx)->t_picture->setText("images/wilde.jpg");
        authors_window(*f.ctx)->b_save->click();
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
        QCOMPARE(f.w().Data1()->record_count(), 1);
        // With the main window open, Exit only closes this window.
        QPointer<f_authors> alive(w);
        w->b_exit->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull() && !f.ctx->authors_window_open() && !f.ui.ended);
    }

    void alone_each_window_fits_and_its_closing_ends_the_program() {
        alone_it_fits_and_its_closing_ends_the_program<f_authors>("name", &f_authors::t_notes, AppEvents::authors_window);
        alone_it_fits_and_its_closing_ends_the_program<f_subjects>("subject", &f_subjects::t_subject, AppEvents::subjects_window);
        alone_it_fits_and_its_closing_ends_the_program<f_languages>("code", &f_languages::t_desc, AppEvents::languages_window);
        alone_it_fits_and_its_closing_ends_the_program<f_websites>("name", &f_websites::t_notes, AppEvents::websites_window);
    }

    void the_authors_and_web_sites_windows_keep_their_height() {
        it_keeps_its_height<f_authors>("name", "author_formheight");
        it_keeps_its_height<f_websites>("name", "websites_formheight");
    }
};

SENTARA_TESTS(TestAuthorsWindow)

#include "test_authors_window.moc"
