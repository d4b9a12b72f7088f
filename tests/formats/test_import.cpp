// The import parser: authors from trailing parentheses, the repeat check, directives, the
// presence check against the database, the listing read back, the skipped-items report, file
// decoding, and the import itself (what it creates, all in one transaction).
#include "database/database.h"
#include "database/search_index.h"
#include "formats/quote_import.h"
#include "support/fixture.h"

#include <QTest>

using namespace quote_import;

namespace {

Result parse(const QString& input, const QString& author = QString(), const Catalogue& stored = Catalogue()) {
    return load_array(input, author, stored);
}

// Text and author of each quotation found.
QStringList texts_and_authors(const Result& r) {
    QStringList out;
    for (const Entry& e : r.quotes) out << e.text + " | " + e.author;
    return out;
}

std::vector<Entry> sorted_by_text(std::vector<Entry> v) {
    std::sort(v.begin(), v.end(), [](const Entry& a, const Entry& b) { return a.text < b.text; });
    return v;
}

}  // namespace

class TestImportParser : public QObject {
    Q_OBJECT
private slots:
    void authors_come_from_the_last_parenthesised_part_ending_the_line() {
        const Result r = parse("Life is short (Seneca) (65 AD)\r\n"
                               "A (word) in the middle stays\r\n"
                               "Nobody said this ()\r\n"
                               "Blanks inside ( Cicero )\r\n"
                               "No author at all\r\n");
        QCOMPARE(texts_and_authors(r), QStringList({"Life is short (Seneca) | 65 AD", "A (word) in the middle stays | Anonymous",
                                                    "Nobody said this | ", "Blanks inside | Cicero", "No author at all | Anonymous"}));
        // "Anonymous" chosen reads the lines the same way, in any letter case.
        QCOMPARE(texts_and_authors(parse("Text (Seneca)", "anonymous")), QStringList{"Text | Seneca"});

        // Another author chosen: the parentheses stay in the text and every quotation is theirs.
        const Result chosen = parse("Ends with a name (Seneca)\r\n(Only a name)", "Mark Twain");
        QCOMPARE(texts_and_authors(chosen), QStringList({"Ends with a name (Seneca) | Mark Twain", "(Only a name) | Mark Twain"}));
    }

    void repeats_are_found_by_their_first_forty_characters_without_letter_case() {
        const QString head = "The first forty characters are the same ";  // 40 characters
        const QString other_case = "the FIRST forty characters are the SAME ";
        const Result r = parse(head + "here\r\n.subj=Kept\r\n" + other_case + "but not after\r\n.subj=Dropped\r\n"
                               "ÉCOLE\r\nécole (Someone)\r\nShort\r\nShort but longer");
        QCOMPARE(texts_and_authors(r), QStringList({head + "here | Anonymous", "ÉCOLE | Anonymous", "Short | Anonymous",
                                                    "Short but longer | Anonymous"}));
        QCOMPARE(r.quotes[0].subject, QString("Kept"));  // the repeat's directive does not reach it
        QCOMPARE(r.repeats, QStringList({other_case + "but not after", "école (Someone)"}));
    }

    void directives_set_the_quotation_above() {
        const Result r = parse("One\r\n . SUBJ=Life . Note = no . nOtE=Act one. Scene two . rATE=2 .LANG=it \r\n"
                               ".subj=Later wins\r\nTwo\r\n.rate=\r\n.unknown=1");
        QCOMPARE(r.quotes.size(), size_t(2));
        const Entry& one = r.quotes[0];
        QCOMPARE(one.subject, QString("Later wins"));
        QCOMPARE(one.note, QString("Act one"));  // a full stop ends the value; "Scene two" is no key
        QCOMPARE(one.rate, QString("2"));
        QCOMPARE(one.language, QString("it"));  // no database: the code as written
        QCOMPARE(r.quotes[1], (Entry{"Two", "Anonymous", "", "", "", ""}));
        QCOMPARE(r.report(), QString());

        // A line with only an author is skipped with its directives; bad rates are reported.
        const Result bad = parse(".subj=Nowhere\r\nFirst\r\n.rate=5\r\n(Seneca)\r\n.subj=Lost\r\nSecond\r\n.rate=2.rate=x");
        QCOMPARE(texts_and_authors(bad), QStringList({"First | Anonymous", "Second | Anonymous"}));
        QCOMPARE(bad.quotes[0].subject, QString());
        QCOMPARE(bad.without_text, QStringList{"(Seneca)"});
        QCOMPARE(bad.quotes[0].rate, QString());
        QCOMPARE(bad.quotes[1].rate, QString());  // the later, bad value is not stored either
        QCOMPARE(bad.orphan_directives, QStringList{".subj=Nowhere"});
        QCOMPARE(bad.bad_rates, QStringList({"First -> 5", "Second -> x"}));
        QVERIFY(bad.report().contains("DIRECTIVES BEFORE THE FIRST QUOTATION IGNORED:\r\n\r\n.subj=Nowhere\r\n"));
        QVERIFY(bad.report().contains("RATES OTHER THAN 1, 2 OR 3 IGNORED:\r\n\r\nFirst -> 5\r\n\r\nSecond -> x\r\n"));
    }

    // Lines end with any line break; blank lines count for nothing; a line that begins with a
    // no-break space is left out, with the directives under it.
    void lines_end_with_any_line_break_and_blank_or_hidden_lines_count_for_nothing() {
        const Result r = parse("a\nb\rc\r\n\r\n   \r\n\u00A0\u00A0\t\n d\u00A0\r\n\re\r\n"
                               "\u00A0Hidden (A)\r\n.subj=Hidden\r\n  \u00A0Also hidden\r\nInside\u00A0a line (C)\r\n");
        QCOMPARE(texts_and_authors(r), QStringList({"a | Anonymous", "b | Anonymous", "c | Anonymous", "d | Anonymous",
                                                    "e | Anonymous", "Inside\u00A0a line | C"}));
        QCOMPARE(r.report(), QString());
        const Result blank = parse("  \r\n\u00A0\r\n\t \u00A0 \r\n");
        QVERIFY(blank.quotes.empty());
    }

    void quotations_already_stored_are_skipped_with_their_directives() {
        Fixture f;
        const Catalogue stored(*f.ctx->database);
        const Result r = load_array("Fresh one\r\n"
                                    "EXPERIENCE IS THE NAME WE GIVE OUR MISTAKES. (Oscar Wilde)\r\n"
                                    ".subj=Dropped .lang=FR\r\n"
                                    "« l'art est un coin de la création vu à travers un TEMPÉRAMENT. »\r\n"
                                    "Second fresh\r\n.lang=fr .subj=Life\r\n.lang=xx\r\n",
                                    QString(), stored);
        QCOMPARE(texts_and_authors(r), QStringList({"Fresh one | Anonymous", "Second fresh | Anonymous"}));
        QCOMPARE(r.quotes[0].subject, QString());
        QCOMPARE(r.quotes[0].language, QString());
        QCOMPARE(r.in_database, QStringList({"EXPERIENCE IS THE NAME WE GIVE OUR MISTAKES.",
                                             "« l'art est un coin de la création vu à travers un TEMPÉRAMENT. »"}));
        // A known code is kept as the table writes it; an unknown one is reported and dropped.
        QCOMPARE(r.quotes[1].language, QString());
        QCOMPARE(r.unknown_languages, QStringList{"Second fresh -> xx"});
        QVERIFY(r.report().startsWith("ITEMS ALREADY IN DATABASE SKIPPED:\r\n\r\nEXPERIENCE"));
        QCOMPARE(load_array("Third\r\n.lang=fr", QString(), stored).quotes[0].language, QString("FR"));
        // A line repeating a stored one is a repeat, as it was before that one was imported.
        const Result again = load_array("Experience is the name we give our mistakes.\r\n"
                                        "Experience is the name we give our mistakes, and more\r\n",
                                        QString(), stored);
        QVERIFY(again.quotes.empty());
        QCOMPARE(again.repeats, QStringList{"Experience is the name we give our mistakes, and more"});

        // With a repeat too, the report keeps its two sections in order.
        const Result both = load_array("Again\r\nagain\r\nIo ho quel che ho donato.", QString(), stored);
        QCOMPARE(both.report(), QString("\r\n\r\nPOSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:\r\n\r\nagain\r\n\r\n"
                                        "ITEMS ALREADY IN DATABASE SKIPPED:\r\n\r\nIo ho quel che ho donato.\r\n\r\n"));
    }

    void texts_the_same_once_folded_are_skipped_and_nearly_the_same_ones_listed() {
        Fixture f;
        const Catalogue stored(*f.ctx->database);
        const Result r = load_array("\u201CExperience is the name we give our mistakes\u201D\r\n"
                                    "To be, or not to be: that is the question\r\n"
                                    "To  be or NOT to be \u2014 that is the question!\r\n"
                                    "To be or not to be, that is the question. \u2014 Hamlet\r\n"
                                    "Experience is the name we give our mistakes. - Oscar Wilde\r\n"
                                    "Fortune #15: a penny saved is a penny earned\r\n"
                                    "Fortune #19: a penny saved is a penny earned\r\n",
                                    QString(), stored);
        // Quotation marks, punctuation, letter case and blanks aside: stored, or a repeat.
        QCOMPARE(r.in_database, QStringList{"\u201CExperience is the name we give our mistakes\u201D"});
        QCOMPARE(r.repeats, QStringList{"To  be or NOT to be \u2014 that is the question!"});
        // An attribution after the text: kept, and listed beside the one it resembles.
        QCOMPARE(texts_and_authors(r), QStringList({"To be, or not to be: that is the question | Anonymous",
                                                    "To be or not to be, that is the question. \u2014 Hamlet | Anonymous",
                                                    "Experience is the name we give our mistakes. - Oscar Wilde | Anonymous",
                                                    "Fortune #15: a penny saved is a penny earned | Anonymous",
                                                    "Fortune #19: a penny saved is a penny earned | Anonymous"}));
        QCOMPARE(r.alike.size(), 2);
        QVERIFY(r.alike[0].startsWith("To be or not to be, that is the question. \u2014 Hamlet\r\n"));
        QVERIFY(r.alike[0].endsWith(": To be, or not to be: that is the question"));
        QVERIFY(r.alike[1].endsWith(": Experience is the name we give our mistakes."));
        QVERIFY(r.report().contains("NEARLY THE SAME AS ANOTHER QUOTATION"));

        // Another format: the same notions on whole texts.
        Records records;
        for (const char* text : {"Hello, world!", "hello   WORLD", "\u00C9t\u00E9 indien", "Ete indien.",
                                 "Experience is the name we give our mistakes!"})
            records.records.push_back(Record{Entry{text, "Someone", {}, {}, {}, {}}, 1});
        const Result csv = load_records(records, QString(), stored);
        QCOMPARE(csv.repeats, QStringList({"hello   WORLD (Someone)", "Ete indien. (Someone)"}));
        QCOMPARE(csv.in_database, QStringList{"Experience is the name we give our mistakes!"});
        QCOMPARE(csv.quotes.size(), size_t(2));
        QVERIFY(csv.alike.isEmpty());
    }

    void the_sorted_listing_reads_back_unchanged() {
        const QString input = "zebra (Zed)\r\n.subj=Animals .rate=3\r\n"
                              "Apple pie (Baker)\r\n.note=Sweet .lang=EN\r\n"
                              "apple PIE but another one\r\n"
                              "Éclair (Baker)\r\n"
                              "Banana\r\n.Subj=Fruit .Note=Yellow .Rate=1 .Lang=IT\r\n"
                              "Empty author ()\r\n";
        const Result first = parse(input);
        const QString listed = listing(first.quotes, true);
        QCOMPARE(listed, QString("Apple pie (Baker)\r\n.Note=Sweet .Lang=EN\r\n\r\n"
                                 "apple PIE but another one (Anonymous)\r\n\r\n"
                                 "Banana (Anonymous)\r\n.Subj=Fruit .Note=Yellow .Rate=1 .Lang=IT\r\n\r\n"
                                 "Éclair (Baker)\r\n\r\n"
                                 "Empty author\r\n\r\n"
                                 "zebra (Zed)\r\n.Subj=Animals .Rate=3"));
        // The import works on the input order, not the listing's.
        QCOMPARE(first.quotes[0].text, QString("zebra"));

        // Read back, the same quotations with the same authors and attributes (the one without an
        // author gets the default one).
        std::vector<Entry> again = parse(listed).quotes;
        std::vector<Entry> expected = first.quotes;
        for (Entry& e : expected)
            if (e.author.isEmpty()) e.author = "Anonymous";
        QCOMPARE(sorted_by_text(again), sorted_by_text(expected));
        QCOMPARE(parse(listing(again, true, "\n")).quotes.size(), again.size());
    }

    void the_import_adds_the_new_quotations_and_what_they_name() {
        Fixture f;
        Database& db = *f.ctx->database;
        f.exec("DELETE FROM subjects WHERE subject = '-'");
        Catalogue stored(db);
        Result r = load_array("New one (seneca)\r\n.subj=stoicism .note=Letters .rate=3 .lang=it\r\n"
                              "Another (Seneca)\r\n.subj=STOICISM\r\n"
                              "By a known author (OSCAR WILDE)\r\n"
                              "No author given ()\r\n",
                              QString(), stored);
        QCOMPARE(r.quotes.size(), size_t(4));
        // Meanwhile another window stores one of them: it is passed over.
        f.exec("INSERT INTO quotes (text, author, subject, language) VALUES ('ANOTHER', 'Smith', 'Life', 'EN')");
        const Outcome o = import_quotes(db, stored, r.quotes, {"Mark Twain", "", "EN"});
        QCOMPARE(o.added, 3);
        QCOMPARE(o.passed_over, 1);
        QCOMPARE(o.new_authors, QStringList{"seneca"});  // once, as first written
        QCOMPARE(o.new_subjects, QStringList{"stoicism"});
        QVERIFY(o.default_subject_added);
        QCOMPARE(o.report(), QString("AUTHORS ADDED TO THE DATABASE:\r\n\r\nseneca\r\n\r\n"
                                     "SUBJECTS ADDED TO THE DATABASE:\r\n\r\nstoicism\r\n\r\n"));
        QCOMPARE(f.scalar("SELECT author || '|' || subject || '|' || notes || '|' || typeof(rate) || rate || '|' || language "
                          "FROM quotes WHERE text = 'New one'")
                     .toString(),
                 QString("seneca|stoicism|Letters|integer3|IT"));
        // A known author keeps the table's spelling; no subject: "-"; no note or rate: none.
        QCOMPARE(f.scalar("SELECT author || '|' || subject || '|' || language || '|' || coalesce(notes, 'null') || "
                          "coalesce(rate, 'null') FROM quotes WHERE text = 'By a known author'")
                     .toString(),
                 QString("Oscar Wilde|-|EN|nullnull"));
        QCOMPARE(f.scalar("SELECT author FROM quotes WHERE text = 'No author given'").toString(), QString("Mark Twain"));
        QCOMPARE(f.scalar("SELECT count(*) FROM subjects WHERE subject = '-'").toInt(), 1);

        // Again: nothing is added, nothing is created twice.
        const Outcome again = import_quotes(db, stored, r.quotes, {"Mark Twain", "", "EN"});
        QCOMPARE(again.added, 0);
        QVERIFY(again.new_authors.isEmpty() && again.new_subjects.isEmpty() && !again.default_subject_added);
        QCOMPARE(f.scalar("SELECT count(*) FROM authors WHERE name = 'Seneca'").toInt(), 1);
        QCOMPARE(f.scalar("SELECT count(*) FROM quotes").toInt(), 12);
    }

    void an_import_that_fails_adds_nothing() {
        Fixture f;
        Database& db = *f.ctx->database;
        f.exec("CREATE TRIGGER refuse BEFORE INSERT ON quotes WHEN new.text = 'Boom' BEGIN SELECT RAISE(ABORT, 'refused'); END");
        Catalogue stored(db);
        const Result r = load_array("Fine (New Author)\r\n.subj=New subject\r\nBoom", QString(), stored);
        QVERIFY_THROWS_EXCEPTION(DbError, import_quotes(db, stored, r.quotes, {"", "", "EN"}));
        QCOMPARE(f.scalar("SELECT count(*) FROM quotes").toInt(), 8);
        QCOMPARE(f.scalar("SELECT count(*) FROM authors WHERE name = 'New Author'").toInt(), 0);
        QCOMPARE(f.scalar("SELECT count(*) FROM subjects WHERE subject = 'New subject'").toInt(), 0);
        // What the failed import had counted as stored is forgotten.
        f.exec("DROP TRIGGER refuse");
        QCOMPARE(import_quotes(db, stored, r.quotes, {"", "", "EN"}).added, 2);
    }

    // A large import indexes its rows at the end, with the index's triggers taken off meanwhile;
    // a small one goes through the triggers. Either way the index answers for every new row,
    // agrees with the table, and the triggers are there as before, after a failure too.
    void imports_large_and_small_keep_the_search_index_in_step() {
        Fixture f;
        Database& db = *f.ctx->database;
        search_index::build(db);
        const QString triggers_sql = "SELECT group_concat(name || ':' || sql, ';') FROM "
                                     "(SELECT name, sql FROM sqlite_master WHERE type = 'trigger' ORDER BY name)";
        const QString triggers = f.scalar(triggers_sql).toString();
        QVERIFY(triggers.contains("quotes_text_search_insert") && triggers.contains("quotes_notes_search_insert"));
        // The rows the index gives for every run of three letters of `word` that hold it.
        const auto found = [&](const QString& column, const QString& word) {
            QStringList terms;
            for (int i = 0; i + 3 <= word.size(); ++i) terms << '"' + word.mid(i, 3) + '"';
            return f.scalar(QString("SELECT count(*) FROM quotes WHERE key IN (SELECT rowid FROM quotes_%1_search WHERE "
                                    "quotes_%1_search MATCH '%2') AND instr(%1, '%3') > 0")
                                .arg(column, terms.join(" AND "), word))
                .toInt();
        };
        const auto index_agrees = [&] {
            for (const QString t : {"quotes_text_search", "quotes_notes_search"})
                f.exec(QString("INSERT INTO %1(%1) VALUES ('integrity-check')").arg(t));
        };
        const auto lines = [](int n, const QString& word) {
            QString text;
            for (int i = 0; i < n; ++i) text += QString("Line %1 about a %2 (Seneca)\r\n").arg(i).arg(word);
            return text + "Last one of " + word + "\r\n.note=marginalia of " + word + "\r\n";
        };
        const int stored_before = f.scalar("SELECT count(*) FROM quotes").toInt();

        Catalogue stored(db);
        QCOMPARE(import_quotes(db, stored, load_array(lines(150, "lantern"), QString(), stored).quotes, {"", "", "EN"}).added, 151);
        QCOMPARE(found("text", "lantern"), 151);
        QCOMPARE(found("notes", "marginalia of lantern"), 1);
        QCOMPARE(f.scalar(triggers_sql).toString(), triggers);
        index_agrees();

        QCOMPARE(import_quotes(db, stored, load_array(lines(3, "kettle"), QString(), stored).quotes, {"", "", "EN"}).added, 4);
        QCOMPARE(found("text", "kettle"), 4);
        QCOMPARE(found("notes", "marginalia of kettle"), 1);

        // A large import that fails leaves the triggers, the index and the table as they were.
        f.exec("CREATE TRIGGER refuse BEFORE INSERT ON quotes WHEN substr(new.text, 1, 8) = 'Last one' BEGIN SELECT RAISE(ABORT, 'refused'); END");
        const std::vector<Entry> failing = load_array(lines(150, "harvest"), QString(), stored).quotes;
        QVERIFY_THROWS_EXCEPTION(DbError, import_quotes(db, stored, failing, {"", "", "EN"}));
        f.exec("DROP TRIGGER refuse");
        QCOMPARE(f.scalar(triggers_sql).toString(), triggers);
        QCOMPARE(f.scalar("SELECT count(*) FROM quotes").toInt(), stored_before + 155);
        QCOMPARE(found("text", "harvest"), 0);
        index_agrees();
        // The triggers work again for the rows written after.
        f.exec("INSERT INTO quotes (text, author, subject, language) VALUES ('One more harvest', 'Seneca', '-', 'EN')");
        QCOMPARE(found("text", "harvest"), 1);
    }

    void files_are_decoded_as_utf8_or_windows_1252_and_binary_files_refused() {
        QCOMPARE(decode_text("\xEF\xBB\xBF" "caf\xC3\xA9"), QString("café"));
        QCOMPARE(decode_text("caf\xC3\xA9 \xE2\x80\x9Cok\xE2\x80\x9D"), QString("café “ok”"));
        QCOMPARE(decode_text("caf\xE9 \x93ok\x94 \x80 \x9F"), QString("café “ok” € Ÿ"));
        QCOMPARE(decode_text(QByteArray("\xFF\xFE" "a\0\xE9\0", 6)), QString("aé"));
        bool is_text = true;
        decode_text(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), &is_text);
        QVERIFY(!is_text);

        // A UTF-8 file with a line saved by an 8-bit editor: that line alone is read as
        // Windows-1252 and named; the others stay UTF-8. UTF-16 without its mark is still text.
        std::vector<Section> notes;
        QCOMPARE(decode_text("Zo\xC3\xAB (A)\nNo\xEBl (B)\r\nplain\n\xE2\x80\x9Cok\xE2\x80\x9D", nullptr, &notes),
                 QString("Zoë (A)\nNoël (B)\r\nplain\n“ok”"));
        QCOMPARE(notes.size(), size_t(1));
        QCOMPARE(notes[0].items, QStringList{"line 2: Noël (B)"});
        notes.clear();
        QCOMPARE(decode_text("all UTF-8: \xC3\xA9", nullptr, &notes), QString("all UTF-8: é"));
        QVERIFY(notes.empty());

        const QString text = "Zoë says \u201Chi\u201D\nline two";
        QByteArray le(reinterpret_cast<const char*>(text.utf16()), text.size() * 2), be = le;
        for (qsizetype i = 0; i + 1 < be.size(); i += 2) std::swap(be[i], be[i + 1]);
        for (const QByteArray& bytes : {le, be}) {
            is_text = false;
            QCOMPARE(decode_text(bytes, &is_text, &notes), text);
            QVERIFY(is_text);
        }
    }
};

SENTARA_TESTS(TestImportParser)

#include "test_import.moc"
