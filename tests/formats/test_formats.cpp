// The export writer: the text format character for character, grouping, and reading the rows of
// a statement.
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

        QVERIFY(ordered_by_author("SELECT * FROM quotes ORDER BY Author DESC , text2"));
        QVERIFY(!ordered_by_author("SELECT * FROM quotes order by text2 ASC"));
        QVERIFY(!ordered_by_author("SELECT * FROM quotes order by quotes.random"));
    }

    void rows_of_a_statement_in_its_order() {
        Fixture f;
        const QString sql = "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN "
                            "Quotes_with_sortable_text ON Authors.name = Quotes_with_sortable_text.Author "
                            "where author like '*o*' order by key DESC";
        Options o;
        o.author = o.note = true;
        const Writer all = export_quotes(*f.ctx->list_database, sql, o);
        QCOMPARE(all.count(), 5);
        QVERIFY(all.text().startsWith("Who's there? - it's me. (John Smithson)\r\n.Note= \r\n\r\n« L'art"));
        // Only the keys asked for, in the statement's order whatever the order they are given in.
        const Writer some = export_quotes(*f.ctx->list_database, sql, o, {2, 7, 999});
        QCOMPARE(some.text(), QString("Who's there? - it's me. (John Smithson)\r\n.Note= \r\n\r\n"
                                      "I can resist everything except temptation. (Oscar Wilde)\r\n.Note=Lady Windermere "));
    }
};

QObject* make_export_writer_tests() { return new TestFormats; }

#include "test_formats.moc"
