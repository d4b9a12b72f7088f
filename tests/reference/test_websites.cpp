// The web sites window: saving with nulls, the address trimmed and opened only as a web address,
// the filter of several boxes and a list, and deleting.
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
        QCOMPARE(f.listed(), (QStringList{"Gutenberg", "It's 50% [odd] *?", "Liber Liber", "Wikiquote"}));
        f.w().b_add_new->click();
        f.w().t_name->setText("  Bartleby's ");
        f.w().t_notes->setText("   ");
        f.w().cb_language->setEditText(" ");
        f.w().b_save->click();
        QCOMPARE(f.count("websites", "name = 'Bartleby''s' and address is null and note is null and language is null"), 1);
        QCOMPARE(f.w().l_records_filtered->text(), QString("Records Filtered:  5/5"));
        // A site renamed to another's: refused.
        f.go_to("Liber Liber");
        f.save_refused(f.w().t_name, "wikiquote", "Web site already present.");
        // Renamed: the same row, found by the name it was loaded with; letter case is no change.
        f.w().t_name->setText("LIBER LIBER");
        QVERIFY(!is_lit(f.w().b_save));
        f.w().t_name->setText("Liber Liber (it)");
        f.w().cb_language->setEditText("");
        f.w().b_save->click();
        QCOMPARE(f.site("address", "Liber Liber (it)").toString(), QString("https://www.liberliber.it"));
        QCOMPARE(f.site("language is null", "Liber Liber (it)").toInt(), 1);
        QCOMPARE(f.count("websites"), 5);
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
        QCOMPARE(f.listed(), (QStringList{"It's 50% [odd] *?", "Liber Liber"}));
        QVERIFY(is_lit(f.w().b_filter));
        // Each small button empties its box and filters again.
        f.w().Command1->click();
        QCOMPARE(f.listed(), QStringList{"It's 50% [odd] *?"});
        f.w().b_clear_language_filter->click();
        QCOMPARE(f.list().record_count(), 4);
        QVERIFY(!is_lit(f.w().b_filter));
        // Quotes and pattern characters are found as they are.
        f.filter_lists(f.w().t_name_filter, "% [", {"It's 50% [odd] *?"});
        f.w().t_name_filter->clear();
        f.filter_lists(f.w().t_notes_filter, "'s od", {"It's 50% [odd] *?"});
        f.filter_lists(f.w().t_notes_filter, "?", {});
        f.w().t_notes_filter->clear();
        // A choice from the language list filters at once; the header's order keeps the filter.
        const int en = f.w().cb_language_filter->findText("EN");
        f.w().cb_language_filter->setCurrentIndex(en);
        emit f.w().cb_language_filter->activated(en);
        QCOMPARE(f.listed(), (QStringList{"Gutenberg", "Wikiquote"}));
        emit f.w().grid->horizontalHeader()->sectionClicked(1);
        QCOMPARE(f.listed(), (QStringList{"Wikiquote", "Gutenberg"}));
        // Clear Filter empties the boxes and lists every site again.
        f.w().b_clear_filter->click();
        QVERIFY(f.w().cb_language_filter->currentText().isEmpty());
        QCOMPARE(f.list().record_count(), 4);
        // A site nothing holds is deleted (in address order the next one takes its place).
        f.go_to("Wikiquote");
        f.w().b_delete->click();
        QCOMPARE(f.w().t_name->text(), QString("Liber Liber"));
        QCOMPARE(f.count("websites", "name = 'Wikiquote'"), 0);
        QVERIFY(f.ui.messages().isEmpty());
    }
};

SENTARA_TESTS(TestWebsites)

#include "test_websites.moc"
