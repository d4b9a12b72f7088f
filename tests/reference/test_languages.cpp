// The languages window: the one default language, saving, deleting, and what other windows learn.
#include "main_window/main_window_fixture.h"
#include "reference/f_languages.h"
#include "reference/f_websites.h"
#include "reference_fixture.h"

#include <QAction>
#include <QComboBox>

namespace {

// Languages of the fixture: EN English (the default, 6 quotations), IT Italiano (1), FR Français
// (1), DE Deutsch, ES Español.
struct LanguagesFixture : ReferenceFixture<f_languages> {
    LanguagesFixture() : ReferenceFixture("code") {}
    QString def(const QString& code) const { return scalar("select def from languages where code = " + quoted(code)).toString(); }
    QString defaults() const {
        return scalar("select group_concat(code) from (select code from languages where def = 'Yes' order by code)").toString();
    }
};

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void one_default_language_at_most() {
        LanguagesFixture f;
        f.ctx->default_language = "EN";
        f.open();
        QStringList announced;
        QObject::connect(&f.ctx->events, &AppEvents::default_language_changed, [&](const QString& code) { announced << code; });
        int lists = 0;
        QObject::connect(&f.ctx->events, &AppEvents::languages_changed, [&] { ++lists; });
        QCOMPARE(f.listed(), (QStringList{"EN", "IT", "FR", "DE", "ES"}));
        QCOMPARE(f.w().t_default->currentText(), QString("Yes"));
        QVERIFY(!f.w().filter_area->isVisibleTo(&f.w()));
        // A new language saved with "Yes" is the only default.
        f.w().b_add_new->click();
        QVERIFY(is_lit(f.w().b_add_new) && f.w().t_default->currentText().isEmpty());
        f.w().t_code->setText("  LA ");
        f.w().t_desc->setText(" Latina ");
        f.w().t_default->setCurrentText("Yes");
        f.w().b_save->click();
        QCOMPARE(f.defaults(), QString("LA"));
        QCOMPARE(f.scalar("select description from languages where code = 'LA'").toString(), QString("Latina"));
        QCOMPARE(f.ctx->default_language, QString("LA"));
        QCOMPARE(announced, QStringList{"LA"});
        QCOMPARE(lists, 1);
        // Another saved with "No": no default language at all.
        f.go_to("IT");
        f.w().t_desc->setText("Italian");
        f.w().b_save->click();
        QCOMPARE(f.defaults(), QString());
        QCOMPARE(f.ctx->default_language, QString());
        QCOMPARE(announced, (QStringList{"LA", ""}));
        // An empty default is stored as "No".
        f.w().b_add_new->click();
        f.w().t_code->setText("PT");
        f.w().b_save->click();
        QCOMPARE(f.def("PT"), QString("No"));
        QCOMPARE(f.w().t_default->currentText(), QString("No"));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void codes_are_checked_and_a_new_code_carries_the_quotations() {
        LanguagesFixture f;
        f.exec("insert into websites values ('Wikiquote', 'https://it.wikiquote.org', 'IT', null)");
        f.open();
        f.go_to("IT");
        f.w().t_code->setText("it");  // letter case alone is a change here
        QVERIFY(is_lit(f.w().b_save));
        f.w().t_code->setText("IT");
        QVERIFY(!is_lit(f.w().b_save));
        // Empty, a code that is another language's (new or renamed, with blanks around): refused.
        f.save_refused(f.w().t_code, "  ", "Code cannot be empty");
        f.save_refused(f.w().t_code, " fr ", "Code already present.");
        QCOMPARE(f.count("languages"), 5);
        // Renamed: the same row, and the quotations and sites in it follow.
        f.go_to("IT");
        f.w().t_code->setText("I'T");
        f.w().t_desc->setText("Italiano d'oggi");
        f.w().b_save->click();
        QCOMPARE(f.scalar("select description from languages where code = 'I''T'").toString(), QString("Italiano d'oggi"));
        QCOMPARE(f.count("quotes", "language = 'I''T'"), 1);
        QCOMPARE(f.scalar("select language from websites").toString(), QString("I'T"));
        QCOMPARE(f.count("languages"), 5);
        // Removed by another program meanwhile: said so, nothing written.
        f.w().t_desc->setText("Gone");
        f.exec("delete from languages where code = 'I''T'");
        f.save_refused("Error 2006-10-30");
        QCOMPARE(f.count("languages"), 4);
    }

    void a_language_in_use_is_not_deleted() {
        LanguagesFixture f;
        f.ctx->default_language = "EN";
        f.open();
        f.go_to("FR");
        f.ui.expect_message("\"Français\" cannot be deleted");
        f.w().b_delete->click();
        QCOMPARE(f.list().record_count(), 5);
        f.go_to("DE");
        f.w().b_delete->click();
        QCOMPARE(f.listed(), (QStringList{"EN", "IT", "FR", "ES"}));
        QCOMPARE(f.w().t_code->text(), QString("ES"));
        // The default language deleted: there is none any more.
        f.exec("delete from quotes where language = 'EN'; update languages set description = null where code = 'IT'");
        f.go_to("EN");
        f.w().b_delete->click();
        QCOMPARE(f.ctx->default_language, QString());
        // Without a description the refusal names the code.
        f.go_to("IT");
        f.ui.expect_message("\"IT\" cannot be deleted");
        f.w().b_delete->click();
        QCOMPARE(f.list().record_count(), 3);
    }

    void the_other_windows_learn_of_a_save() {
        MainWindowFixture f;
        f.exec("insert into websites values ('Classics', 'https://www.liberliber.it', 'IT', null)");
        f.show();
        f.w().m_websites->trigger();
        auto* sites = qobject_cast<f_websites*>(f.ctx->events.window(AppEvents::websites_window));
        QVERIFY(sites);
        sites->cb_language_filter->setEditText("x");
        f.w().m_languages->trigger();
        QPointer<f_languages> w = qobject_cast<f_languages*>(f.ctx->events.window(AppEvents::languages_window));
        QVERIFY(w && w->isVisible());
        w->b_add_new->click();
        w->t_code->setText("NL");
        w->t_default->setCurrentText("Yes");
        w->b_save->click();
        QVERIFY(f.w().edit->cb_language->findText("NL") >= 0);
        QVERIFY(f.w().filters->cb_language_filter->findText("NL") >= 0);
        QVERIFY(sites->cb_language->findText("NL") >= 0);
        QCOMPARE(sites->cb_language_filter->currentText(), QString("x"));  // what it showed stays
        // A new quotation starts in the new default language.
        f.w().edit->b_add_new->click();
        QCOMPARE(f.w().edit->cb_language->currentText(), QString("NL"));
        // Show quotes filters the main window on the language.
        w->go_to_first("code = 'FR'");
        w->b_show_quotes->click();
        QCOMPARE(f.w().filters->cb_language_filter->currentText(), QString("FR"));
        QCOMPARE(f.w().Data1()->record_count(), 1);
        // A code renamed shows in the sites at once.
        sites->go_to_first("name = 'Classics'");
        w->go_to_first("code = 'IT'");
        w->t_code->setText("ITA");
        w->b_save->click();
        QCOMPARE(sites->cb_language->currentText(), QString("ITA"));
        QCOMPARE(f.scalar("select language from websites where name = 'Classics'").toString(), QString("ITA"));
        delete w.data();
        delete sites;
        QVERIFY(f.ui.messages().isEmpty());
    }
};

SENTARA_TESTS(TestLanguages)

#include "test_languages.moc"
