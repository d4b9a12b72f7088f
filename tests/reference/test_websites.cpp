// The web sites window: saving with nulls, the address trimmed and opened only as a web address,
// the filter, sorting, deleting, the height kept and the program's end.
#include "reference/f_websites.h"
#include "reference_fixture.h"

#include <QComboBox>
#include <QToolButton>

namespace {

struct WebsitesFixture : ReferenceFixture<f_websites> {
    WebsitesFixture() : ReferenceFixture("name") {
        exec("insert into websites values ('Wikiquote', 'https://en.wikiquote.org', 'EN', 'quotes by author'),"
             "('Liber Liber', 'https://www.liberliber.it', 'IT', 'libri'),"
             "('Gutenberg', 'www.gutenberg.org', 'EN', null),"
             "('It''s 50% [odd] *?', null, 'FR', 'it''s odd')");
    }
    QVariant site(const QString& column, const QString& name) const {
        return scalar("select " + column + " from websites where name = " + quoted(name));
    }
};

}  // namespace

class TestWebsites : public QObject {
    Q_OBJECT
private slots:
    void init() { save_setting("websites_formheight", ""); }

    void a_site_saved_with_empty_fields_stores_nulls() {
        WebsitesFixture f;
        f.open();
        QCOMPARE(f.w().current_sql(), QString("SELECT * FROM websites  order by name ASC"));
        QCOMPARE(f.listed(), (QStringList{"Gutenberg", "It's 50% [odd] *?", "Liber Liber", "Wikiquote"}));
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records Filtered:  4/4"));
        f.w().b_add_new->click();
        f.w().t_name->setText("  Bartleby's ");
        f.w().t_notes->setText("   ");
        f.w().cb_language->setEditText(" ");
        f.w().b_save->click();
        QCOMPARE(f.scalar("select count(*) from websites where name = 'Bartleby''s' and address is null and note is null "
                          "and language is null").toInt(), 1);
        f.go_to("Gutenberg");
        f.go_to("Bartleby's");
        QVERIFY(f.w().t_address->text().isEmpty() && f.w().t_notes->text().isEmpty() && f.w().cb_language->currentText().isEmpty());
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records Filtered:  5/5"));
        // A new site of a name already there, and a site renamed to another's: refused.
        f.w().b_add_new->click();
        f.w().t_name->setText("GUTENBERG");
        f.ui.expect_message("Web site already present.");
        f.w().b_save->click();
        f.w().t_name->setText("  ");
        f.ui.expect_message("Name cannot be empty");
        f.w().b_save->click();
        f.go_to("Liber Liber");
        f.w().t_name->setText("wikiquote");
        f.ui.expect_message("Web site already present.");
        f.w().b_save->click();
        // Renamed: the same row, found by the name it was loaded with; letter case is no change.
        f.w().t_name->setText("LIBER LIBER");
        QVERIFY(!is_lit(f.w().b_save));
        f.w().t_name->setText("Liber Liber (it)");
        f.w().cb_language->setEditText("");
        f.w().b_save->click();
        QCOMPARE(f.site("address", "Liber Liber (it)").toString(), QString("https://www.liberliber.it"));
        QCOMPARE(f.site("language is null", "Liber Liber (it)").toInt(), 1);
        QCOMPARE(f.scalar("select count(*) from websites").toInt(), 5);
        QCOMPARE(f.w().t_name->text(), QString("Liber Liber (it)"));
    }

    void the_address_is_trimmed_and_opened_only_as_a_web_address() {
        WebsitesFixture f;
        f.open();
        f.show();
        f.go_to("Wikiquote");
        f.w().t_address->clear();
        QTest::keyClicks(f.w().t_address, "  HTTPS://EXAMPLE.ORG/a ");
        QCOMPARE(f.w().t_address->text(), QString("HTTPS://EXAMPLE.ORG/a"));
        QVERIFY(is_lit(f.w().b_save));
        f.w().t_address->setText(" www.example.org\t");
        QCOMPARE(f.w().t_address->text(), QString("www.example.org"));
        f.w().b_save->click();
        QCOMPARE(f.site("address", "Wikiquote").toString(), QString("www.example.org"));
        // The four beginnings, in any letters, open in the browser; a www address as a web address.
        for (const QString& address : {QString("HTTPS://EXAMPLE.ORG"), QString("Http://example.org"), QString("FTP://example.org/f"),
                                       QString("WWW.EXAMPLE.ORG")}) {
            f.w().t_address->setText(address);
            f.w().g_gotosite->click();
        }
        QCOMPARE(f.ui.opened(), (QStringList{"HTTPS://EXAMPLE.ORG", "Http://example.org", "FTP://example.org/f",
                                             "http://WWW.EXAMPLE.ORG"}));
        // Anything else is never opened, and the user is told why.
        for (const QString& address : {QString("file:///etc/passwd"), QString("JavaScript:alert(1)"), QString("example.org"),
                                       QString("/usr/bin/xterm")}) {
            f.w().t_address->setText(address);
            f.ui.expect_message("only an address beginning with http://, https://, ftp:// or www. is opened");
            f.w().g_gotosite->click();
        }
        f.w().t_address->clear();
        f.ui.expect_message("This web site has no address.");
        f.w().g_gotosite->click();
        // A double click on the list opens the site's address; a browser that cannot be started is said.
        f.w().t_address->setText("www.example.org");
        QVERIFY(!is_lit(f.w().b_save));
        f.go_to("Liber Liber");
        f.ui.open_target_result = false;
        f.ui.expect_message("No program could open 'https://www.liberliber.it'.");
        emit f.w().grid->doubleClicked(f.w().grid->currentIndex());
        QCOMPARE(f.ui.opened().size(), 5);
    }

    void the_filter_matches_any_of_its_boxes() {
        WebsitesFixture f;
        f.open();
        f.show();
        QVERIFY(!f.w().b_filter->isEnabled());
        f.w().t_name_filter->setText(" liber ");
        QVERIFY(f.w().b_filter->isEnabled() && f.w().b_clear_filter->isEnabled());
        f.w().cb_language_filter->setEditText("FR");
        QTest::keyClick(f.w().t_name_filter, Qt::Key_Return);
        QCOMPARE(f.w().current_sql(),
                 QString("SELECT * FROM websites  Where  name like '*liber*' or   language = 'FR' order by name ASC"));
        QCOMPARE(f.listed(), (QStringList{"It's 50% [odd] *?", "Liber Liber"}));
        QVERIFY(is_lit(f.w().b_filter));
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records Filtered:  2/4"));
        // Each small button empties its box and filters again.
        f.w().Command1->click();
        QVERIFY(f.w().t_name_filter->text().isEmpty());
        QCOMPARE(f.listed(), QStringList{"It's 50% [odd] *?"});
        f.w().b_clear_language_filter->click();
        QCOMPARE(f.list().record_count(), 4);
        QVERIFY(!is_lit(f.w().b_filter));
        // Quotes and pattern characters are found as they are.
        for (const QString& text : {QString("'s 50%"), QString("[odd]"), QString("*?"), QString("% [")}) {
            f.w().t_name_filter->setText(text);
            f.w().b_filter->click();
            QCOMPARE(f.listed(), QStringList{"It's 50% [odd] *?"});
        }
        f.w().t_name_filter->clear();
        f.w().t_notes_filter->setText("'s od");
        f.w().b_filter->click();
        QCOMPARE(f.listed(), QStringList{"It's 50% [odd] *?"});
        f.w().t_notes_filter->setText("?");
        f.w().b_filter->click();
        QCOMPARE(f.list().record_count(), 0);
        QVERIFY(f.w().t_name->text().isEmpty());
        f.w().t_notes_filter->clear();
        // A choice from the language list filters at once.
        f.w().t_name_filter->clear();
        const int en = f.w().cb_language_filter->findText("EN");
        QVERIFY(en >= 0);
        f.w().cb_language_filter->setCurrentIndex(en);
        emit f.w().cb_language_filter->activated(en);
        QCOMPARE(f.listed(), (QStringList{"Gutenberg", "Wikiquote"}));
        // The header sorts ascending first, then descending; the filter stays in force.
        emit f.w().grid->horizontalHeader()->sectionClicked(1);
        QCOMPARE(f.listed(), (QStringList{"Wikiquote", "Gutenberg"}));
        emit f.w().grid->horizontalHeader()->sectionClicked(1);
        QCOMPARE(f.w().current_sql(), QString("SELECT * FROM websites  Where  language = 'EN' order by address DESC ,name"));
        QCOMPARE(f.listed(), (QStringList{"Gutenberg", "Wikiquote"}));
        // Clear Filter empties the boxes and lists every site again.
        f.w().t_notes_filter->setText("x");
        f.w().b_clear_filter->click();
        QVERIFY(f.w().t_notes_filter->text().isEmpty() && f.w().cb_language_filter->currentText().isEmpty());
        QCOMPARE(f.list().record_count(), 4);
        QVERIFY(!f.w().b_filter->isEnabled() && !is_lit(f.w().b_filter));
        QVERIFY(f.ui.messages().isEmpty());
    }

    void delete_keeps_the_place() {
        WebsitesFixture f;
        f.open();
        f.go_to("Wikiquote");  // the last
        f.w().b_delete->click();
        QCOMPARE(f.w().t_name->text(), QString("Liber Liber"));
        QCOMPARE(f.list().absolute_position(), 2);
        QCOMPARE(f.site("count(*)", "Wikiquote").toInt(), 0);
        f.go_to("It's 50% [odd] *?");
        f.w().b_delete->click();
        QCOMPARE(f.w().t_name->text(), QString("Liber Liber"));  // the one that followed
        f.w().b_delete->click();
        f.w().b_delete->click();
        QCOMPARE(f.list().record_count(), 0);
        QVERIFY(f.w().t_name->text().isEmpty() && f.w().t_address->text().isEmpty());
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records Filtered:  0/0"));
    }

    void it_keeps_its_height_and_the_last_window_closing_ends_the_program() {
        const QRect free = primary_screen_area().available;
        {
            WebsitesFixture f;
            f.open();
            f.show();
            QApplication::processEvents();
            QCOMPARE(f.w().windowTitle(), QString("Sentara - Web Sites"));
            QCOMPARE(f.w().frameGeometry().height(), free.height());  // no height kept: the screen less the taskbar
            QCOMPARE(f.w().width(), 690);
            for (QWidget* c : f.w().findChildren<QWidget*>()) {
                if (!c->isVisible() || c->parentWidget() == f.w().grid || c->window() != &f.w()) continue;
                const QRect r(c->mapTo(&f.w(), QPoint(0, 0)), c->size());
                QVERIFY2(f.w().rect().contains(r), qPrintable(c->objectName()));
            }
            f.w().t_notes->setText("pending");
            f.ui.expect_message("Edit operation in progress.");
            f.w().close();
            QVERIFY(f.w().isVisible() && !f.ui.ended);
            f.w().t_notes->setText("");
            f.w().resize(f.w().width(), 600);
            QApplication::processEvents();
            f.exit();
            QVERIFY(f.window.isNull());
            QVERIFY(!f.ctx->websites_window_open());
            QVERIFY(f.ui.ended);  // it was the last window open
        }
        const int kept = get_setting("websites_formheight").toInt();
        QVERIFY2(kept >= 600 * 15 && kept < 700 * 15, qPrintable(QString::number(kept)));
        WebsitesFixture f;
        f.open();
        f.show();
        QApplication::processEvents();
        QCOMPARE(f.w().frameGeometry().height(), kept / 15);
    }
};

QObject* make_websites_tests() { return new TestWebsites; }

#include "test_websites.moc"
