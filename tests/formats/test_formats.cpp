// The export writer: the text format character for character, and the headings of grouping.
#include "formats/quote_export.h"
#include "support/fixture.h"

#include <QTest>

using namespace quote_export;

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void blocks_and_detail_lines() {
        Options all;
        all.author = all.subject = all.note = all.rate = all.language = true;
        Writer w(all);
        w.add({"  Text one. \t", "Smith", "Life", "a note", "2", "EN"});
        w.add({"Text two.", "", "", "", "", ""});  // empty fields: nothing after their tags
        QCOMPARE(w.text(), QString("Text one. (Smith)\r\n.Subj=Life .Note=a note .Rate=2 .Lang=EN \r\n\r\n"
                                   "Text two. ()\r\n.Subj= .Note= .Rate= .Lang= "));
        QCOMPARE(w.count(), 2);

        Options rate_only;
        rate_only.rate = true;
        Writer r(rate_only);
        r.add({"One", "A", "S", "N", "3", "IT"});
        QCOMPARE(r.text(), QString("One\r\n.Rate=3 "));

        // Line breaks inside a text are written as the file's own.
        Writer plain{Options{}};
        plain.add({"first\nsecond\r\nthird\rfourth", "A", "", "", "", ""});
        QCOMPARE(plain.text(), QString("first\r\nsecond\r\nthird\r\nfourth"));
    }

    // What the text format cannot hold is named before anything is written.
    void the_text_format_names_what_it_cannot_carry() {
        Options o;
        o.author = o.note = true;
        Writer w(o);
        const QString forty = "The first forty characters are the same ";
        w.add({"Fine as it is.", "Seneca", "", "a note", "", ""});
        w.add({"Two\nlines", "A", "", "", "", ""});
        w.add({".Starts with a full stop", "A", "", "", "", ""});
        w.add({"Note with a stop", "A", "", "Act 1. Scene 2", "", ""});
        w.add({"Author in parentheses", "Tolkien (J. R. R.)", "", "", "", ""});
        w.add({forty + "one", "A", "", "", "", ""});
        w.add({forty + "two", "A", "", "", "", ""});
        w.add({"\u00A0Hidden", "A", "", "", "", ""});
        QCOMPARE(w.losses().size(), 6);
        QCOMPARE(w.losses()[0], QString("\"Two lines\": its text has more than one line"));
        QVERIFY(w.losses()[4].endsWith("it begins like an earlier one (its first 40 characters)"));
        const QString said = losses_message(w, 2);
        QVERIFY2(said.startsWith("6 of the 8 quotations cannot be written whole"), qPrintable(said));
        QVERIFY(said.contains("- ... and 4 more") && said.endsWith("CSV carries every field of every quotation."));

        // Without the author written, a text ending in parentheses would lose them to the author.
        Writer bare{Options{}};
        bare.add({"A film (1999)", "X", "", "", "", ""});
        QCOMPARE(bare.losses().size(), 1);
        // Fortune and CSV have their own rules.
        Options csv;
        csv.format = Format::csv;
        Writer c(csv);
        c.add({"Two\nlines", "A", "", "", "", ""});
        QVERIFY(c.losses().isEmpty());
    }

    void headings_before_each_author() {
        Options grouped;
        grouped.group_by_author = true;
        Writer w(grouped);
        w.add({"A1", "Smith", "", "", "", ""});
        w.add({"A2", "SMITH", "", "", "", ""});  // the same author, whatever the letter case
        w.add({"B1", "Élise", "", "", "", ""});
        QCOMPARE(w.text(), QString("--------- Quotes of Smith ----------\r\n\r\nA1\r\n\r\nA2\r\n\r\n"
                                   "--------- Quotes of Élise ----------\r\n\r\nB1"));
        // The first quotation always has its heading, even with no author.
        Writer n(grouped);
        n.add({"X", "", "", "", "", ""});
        QCOMPARE(n.text(), QString("--------- Quotes of  ----------\r\n\r\nX"));
    }
};

SENTARA_TESTS(TestFormats)

#include "test_formats.moc"
