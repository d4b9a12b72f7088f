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

QObject* make_export_writer_tests() { return new TestFormats; }

#include "test_formats.moc"
