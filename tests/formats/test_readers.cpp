// The readers and writers of other formats: CSV as RFC 4180 has it, fortune files and their
// attribution lines, Kindle clippings in two languages, guessing the format, and bad input
// refused with the file and line named.
#include "database/database.h"
#include "database/schema.h"
#include "formats/csv_format.h"
#include "formats/fortune_format.h"
#include "formats/import_formats.h"
#include "formats/kindle_clippings.h"
#include "formats/quote_export.h"
#include "support/fixture.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace import_formats;
using quote_import::Catalogue;
using quote_import::Entry;
using quote_import::Result;

namespace {

QStringList fields(const Entry& e) { return {e.text, e.author, e.subject, e.note, e.rate, e.language}; }

Result run(Format f, const QString& input, const Catalogue& stored = Catalogue()) {
    return process(f, input, QStringLiteral("in.txt"), QString(), stored);
}

// What was read, one "text | author | note" a quotation.
QStringList summary(const std::vector<Entry>& quotes) {
    QStringList out;
    for (const Entry& e : quotes) out << e.text + " | " + e.author + " | " + e.note;
    return out;
}
QStringList texts_of(const std::vector<Entry>& quotes) {
    QStringList out;
    for (const Entry& e : quotes) out << e.text;
    return out;
}

// One highlight as a Kindle writes it in its clippings file.
QString clip(const QString& book, const QString& text, const QString& where = "Location 10-11") {
    return book + "\r\n- Your Highlight on " + where + " | Added on Monday\r\n\r\n" + text + "\r\n==========\r\n";
}

const QString readwise_header = "Highlight,Book Title,Book Author,Amazon Book ID,Note,Color,Tags,Location Type,Location,"
                                "Highlighted at,Document tags\n";

}  // namespace

class TestReaders : public QObject {
    Q_OBJECT
private slots:
    void csv_fields_as_rfc_4180_has_them() {
        const csv_format::Table t = csv_format::parse("a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                                                      "\"two\r\nlines\",,x\"y\n"
                                                      "\r\n"
                                                      "last, \"spaced\" ,end,",
                                                      u',');
        QVERIFY(t.error.isEmpty());
        QCOMPARE(t.rows.size(), size_t(3));  // the empty line is no record
        QCOMPARE(t.rows[0].fields, QStringList({"a", "b,c", "say \"hi\""}));
        QCOMPARE(t.rows[1].fields, QStringList({"two\nlines", "", "x\"y"}));
        QCOMPARE(t.rows[2].fields, QStringList({"last", "spaced ", "end", ""}));
        QCOMPARE(t.rows[2].line, 5);  // counted over the line break inside a field

        QCOMPARE(csv_format::guess_separator("Text;Author;Note\n"), QChar(u';'));
        QCOMPARE(csv_format::guess_separator("Text\tAuthor\n"), QChar(u'\t'));
        QCOMPARE(csv_format::guess_separator("Text\n"), QChar(u','));
        QCOMPARE(csv_format::line({"plain", "a,b", "say \"x\"", "two\r\nlines", " edge"}),
                 QString("plain,\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\" edge\""));
    }

    void csv_columns_are_found_by_name_and_the_others_reported() {
        const Result r = run(Format::csv, "\xEF\xBB\xBF" "Book;Highlight;AUTHOR;Tags;Rating;Notes;Quote\n"
                                          "Essays;Know thyself;Socrates;wisdom;2;old;ignored\n"
                                          "Essays;;Nobody;;;;\n"
                                          "Essays;Too much;Plato;;5;;;extra\n");
        QCOMPARE(r.error, QString());
        QCOMPARE(r.quotes.size(), size_t(2));
        QCOMPARE(fields(r.quotes[0]), QStringList({"Know thyself", "Socrates", "wisdom", "Essays: old", "2", ""}));
        QCOMPARE(r.quotes[1].rate, QString());  // 5 is no rate
        const QString report = r.report();
        for (const char* part : {"COLUMNS NOT IMPORTED (NO FIELD OF A QUOTATION HAS THEIR NAME):\r\n\r\nQuote\r\n",
                                 "LINES WITHOUT QUOTATION TEXT SKIPPED:\r\n\r\nline 3: (Nobody)\r\n",
                                 "RATES OTHER THAN 1, 2 OR 3 IGNORED:\r\n\r\nToo much -> 5\r\n",
                                 "RECORDS WITH MORE FIELDS THAN THE HEADER NAMES (THE EXTRA FIELDS IGNORED):\r\n\r\nline 4\r\n"})
            QVERIFY2(report.contains(part), part);
    }

    // Exports of reading services: the book's author is the author, its title goes into the note
    // as the Kindle reader puts it there; columns the import has no field for are still named.
    void csv_of_reading_services() {
        const Result readwise = run(Format::csv, readwise_header +
                                                 "\"Fog everywhere.\",Bleak House,Charles Dickens,B0001,,yellow,,location,12,,\n"
                                                 "\"Call me Ishmael.\",Moby-Dick,Herman Melville,B0002,opening line,,,,,,\n");
        QCOMPARE(readwise.error, QString());
        QCOMPARE(summary(readwise.quotes), QStringList({"Fog everywhere. | Charles Dickens | Bleak House",
                                   "Call me Ishmael. | Herman Melville | Moby-Dick: opening line"}));
        QVERIFY(readwise.report().contains("Amazon Book ID\r\n\r\nColor"));

        const Result goodreads = run(Format::csv, "Quote,Author,Book,Tags\n\"So it goes.\",Kurt Vonnegut,Slaughterhouse-Five,war\n");
        QCOMPARE(fields(goodreads.quotes.at(0)), QStringList({"So it goes.", "Kurt Vonnegut", "war", "Slaughterhouse-Five", "", ""}));
    }

    void fortune_attributions_in_every_style() {
        const Result r = run(Format::fortune,
                             "%\n"
                             "Plain cookie,\n  two lines.\n"
                             "%\n"
                             "Dashes.\n\t\t-- Mark Twain, \"Following the Equator\"\n"
                             "%\n"
                             "Em dash.\n\u2014Oscar Wilde\n"
                             "%\n"
                             "Tilde.\n  ~ Lao Tzu\n"
                             "%\r\n"
                             "Continued.\r\n\t\t-- Tamim Ansary, \"Edutopia\"\r\n\t\t   on textbooks\r\n"
                             "%\n"
                             "-- Only a dash line stays the text\n"
                             "%\n"
                             "Dialogue:\n-- no, the last line only.\nEnd.\n"
                             "%\n%\n"
                             // One person is one author: after a comma, or in brackets, comes the note.
                             "Whiskey.\n\t\t-- Mark Twain, on whiskey\n%\n"
                             "Twain again.\n\t\t-- Mark Twain [attributed]\n%\n"
                             "Dream.\n\t\t-- Martin Luther King, Jr., \"Strength to Love\"\n%\n");
        QCOMPARE(r.error, QString());
        QCOMPARE(summary(r.quotes), QStringList({"Plain cookie,\n  two lines. | Anonymous | ", "Dashes. | Mark Twain | Following the Equator",
                                   "Em dash. | Oscar Wilde | ", "Tilde. | Lao Tzu | ",
                                   "Continued. | Tamim Ansary | \"Edutopia\"\non textbooks",
                                   "-- Only a dash line stays the text | Anonymous | ",
                                   "Dialogue:\n-- no, the last line only.\nEnd. | Anonymous | ",
                                   "Whiskey. | Mark Twain | on whiskey", "Twain again. | Mark Twain | [attributed]",
                                   "Dream. | Martin Luther King, Jr. | Strength to Love"}));
        QCOMPARE(fortune_format::cookie("Text\r\nmore", "A, B", "line\none"),
                 QString("Text\nmore\n\t\t-- A,\u00A0B, \"line\n\t\t   one\""));
    }

    // What the writer puts in a cookie, the reader gives back: the text byte for byte (the first
    // line's indentation too), the author (commas and all) and the note (line breaks and all); no
    // "-- Anonymous" line is made up.
    void fortune_cookies_give_back_what_was_written() {
        const std::vector<Entry> written = {
            {"No author here.", "", "", "", "", ""},
            {"Also none.", "Anonymous", "", "", "", ""},
            {"Ends like an attribution\n-- but is the text", "", "", "", "", ""},
            {"Ends like one\n-- with an author below", "Someone", "", "", "", ""},
            {"   indented first line\n  and art", "Tolkien, J. R. R.", "", "The Hobbit, ch. 1\n\"Riddles\"", "", ""},
            {"Note only.", "", "", "a note", "", ""},
            {"Quoted note.", "Wilde", "", "\"Lady Windermere\"", "", ""},
            // A line of "%" signs inside a text is no cookie break: the writer adds one "%", the reader takes it off.
            {"Before\n%\nafter.", "A", "", "", "", ""}, {"%\nfirst line", "A", "", "", "", ""},
            {"Ends with\n%%", "A", "", "", "", ""}, {"Blank after\n% \nthe sign", "A", "", "", "", ""},
            {"100% sure\n  %  indented", "A", "", "", "", ""},
        };
        quote_export::Options o;
        o.format = quote_export::Format::fortune;
        o.author = o.note = true;
        quote_export::Writer w(o);
        for (const Entry& e : written) w.add({e.text, e.author, "", e.note, "", ""});
        const QString file = QString::fromUtf8(w.file_bytes());
        QCOMPARE(file.count("-- Anonymous"), 2);  // where the text would be misread, and for the note
        QVERIFY(file.startsWith("No author here.\n%\nAlso none.\n%\n"));
        const Result r = run(Format::fortune, file);
        QCOMPARE(r.error, QString());
        QCOMPARE(r.quotes.size(), written.size());
        for (size_t i = 0; i < written.size(); ++i) {
            const Entry& e = written[i];
            QCOMPARE(r.quotes[i].text, e.text);
            QCOMPARE(r.quotes[i].author, e.author.isEmpty() ? QString("Anonymous") : e.author);
            QCOMPARE(r.quotes[i].note, e.note);
        }
    }

    // Files of other formats repeat a quotation only with its whole text (letter case and runs of
    // blanks aside): cookies and records that merely begin alike are all kept.
    void other_formats_repeat_only_whole_texts() {
        const QString head = "FORTUNE PROVIDES QUESTIONS FOR THE GREAT ANSWERS: ";  // longer than 40
        const Result cookies = run(Format::fortune, head + "#15\n%\n" + head + "#19\n%\n" +
                                                        "fortune  PROVIDES questions\tfor the great\nANSWERS: #15\n%\n");
        QCOMPARE(texts_of(cookies.quotes), QStringList({head + "#15", head + "#19"}));
        QCOMPARE(cookies.repeats.size(), 1);

        const Result rows = run(Format::csv, "text,author\n\"" + head + "one\",A\n\"" + head + "two\",B\n\"" +
                                                 head.toLower() + "one\",C\n");
        QCOMPARE(rows.quotes.size(), size_t(2));
        QCOMPARE(rows.repeats.size(), 1);
    }

    // A Kindle writes a new clipping when a highlight is made longer: the longer one is kept, in
    // the place of the first, and the shorter is reported.
    void a_longer_kindle_highlight_replaces_the_one_it_extends() {
        const QString book = "A Tale of Two Cities (Dickens, Charles)", start = "It was the best of times, it was the worst of times";
        const Result r = run(Format::kindle, clip(book, start) + clip("Other (Someone)", "Unrelated", "Location 5") +
                                                 clip(book, start + ", it was the age of wisdom", "Location 10-14") +
                                                 clip(book, "the worst of times", "Location 10"));
        QCOMPARE(r.error, QString());
        QCOMPARE(texts_of(r.quotes), QStringList({start + ", it was the age of wisdom", "Unrelated"}));
        QVERIFY2(r.report().contains(start + "\r\n"), qPrintable(r.report()));
    }

    // The clipping limit's notice is no quotation; a title's own parentheses stay in it; an
    // author written "Last, First" is the "First Last" the database already has.
    void kindle_limits_nested_parentheses_and_authors_written_last_first() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/k.mdb";
        schema::create_database(path, false);
        auto db = Database::open(path);
        db->execute("INSERT INTO authors (name) VALUES ('Charles Dickens')");
        const Catalogue stored(*db);
        const Result r = run(Format::kindle,
                             clip("The Hobbit (Tolkien, J. R. R. (John Ronald Reuel))", "In a hole in the ground there lived a hobbit.") +
                                 clip("Bleak House (Dickens, Charles)", "Fog everywhere.") +
                                 clip("Bleak House (Dickens, Charles)", "<You have reached the clipping limit for this item>"),
                             stored);
        QCOMPARE(r.error, QString());
        QCOMPARE(summary(r.quotes), QStringList({"In a hole in the ground there lived a hobbit. | Tolkien, J. R. R. (John Ronald Reuel) | The Hobbit",
                                   "Fog everywhere. | Charles Dickens | Bleak House"}));
        QVERIFY2(r.report().contains("CLIPPING LIMIT") && r.report().contains("line 11: Bleak House"), qPrintable(r.report()));
    }

    void kindle_clippings_with_marks_languages_notes_and_bookmarks() {
        const QString bom = QChar(0xFEFF);
        const QString file =
            bom + "Meditations (Marcus Aurelius)\r\n- Your Highlight on page 12 | Location 170-172 | Added on Monday, 5 March 2018 10:15:32\r\n\r\n"
                  "The happiness of your life depends upon the quality of your thoughts.\r\n==========\r\n" +
            bom + "Meditations (Marcus Aurelius)\r\n- Your Note on page 12 | Location 172 | Added on Monday, 5 March 2018 10:16:00\r\n\r\n"
                  "Read again\r\n==========\r\n" +
            bom + "Der Prozess (Franz Kafka)\r\n- Ihre Markierung bei Position 55-57 | Hinzugefügt am Sonntag, 3. März 2019 14:05:16\r\n\r\n"
                  "Jemand musste Josef K. verleumdet haben.\r\n==========\r\n" +
            bom + "Der Prozess (Franz Kafka)\r\n- Ihr Lesezeichen bei Position 300 | Hinzugefügt am Sonntag, 3. März 2019 14:06:00\r\n\r\n\r\n==========\r\n" +
            bom + "Der Prozess (Franz Kafka)\r\n- Ihre Notiz bei Position 900 | Hinzugefügt am Sonntag, 3. März 2019 14:07:00\r\n\r\n"
                  "Nowhere near a highlight\r\n==========\r\n" +
            bom + "Notes (Series 2) (Anne Author)\r\n- Votre surlignement sur la page 3 | emplacement 40-41 | Ajouté le lundi\r\n\r\n"
                  "Une phrase.\r\n==========\r\n";
        QCOMPARE(guess("My Clippings.txt", file), Format::kindle);
        const Result r = run(Format::kindle, file);
        QCOMPARE(r.error, QString());
        QCOMPARE(r.quotes.size(), size_t(3));
        QCOMPARE(fields(r.quotes[0]), QStringList({"The happiness of your life depends upon the quality of your thoughts.",
                                                   "Marcus Aurelius", "", "Meditations: Read again", "", ""}));
        QCOMPARE(fields(r.quotes[1]), QStringList({"Jemand musste Josef K. verleumdet haben.", "Franz Kafka", "", "Der Prozess", "", ""}));
        QCOMPARE(r.quotes[2].author, QString("Anne Author"));
        QCOMPARE(r.quotes[2].note, QString("Notes (Series 2)"));
        const QString report = r.report();
        QVERIFY(report.contains("BOOKMARKS SKIPPED (NOT QUOTATIONS):\r\n\r\nline 16: Der Prozess, Ihr Lesezeichen bei Position 300"));
        QVERIFY(report.contains("NOTES WITHOUT A HIGHLIGHT AT THEIR LOCATION SKIPPED:\r\n\r\nDer Prozess (Franz Kafka): Nowhere near a highlight"));
    }

    void the_format_is_guessed_from_the_name_and_the_first_lines() {
        QCOMPARE(guess("quotes.txt", "One (A)\r\n.subj=x\r\n"), Format::text);
        QCOMPARE(guess("readwise", readwise_header + "\"x\",y,z\n"), Format::csv);
        QCOMPARE(guess("goodreads", "Quote,Author,Book,Tags\n"), Format::csv);
        QCOMPARE(guess("quotes.csv", "Words,Who\nx,y\n"), Format::csv);  // named so: refused later with the reason
        // Ordinary text that merely begins with a column's name is text.
        QCOMPARE(guess("quotes.txt", "Quote, unquote, said nobody (Anon)\nNext (B)\n"), Format::text);
        QCOMPARE(guess("quotes.txt", "text; then more text (A)\n"), Format::text);
        QCOMPARE(guess("quotes.txt", "Quote\n"), Format::text);
        // One stray "%" line among many quotations is no fortune file; a single exported cookie is.
        QString lines;
        for (int i = 0; i < 60; ++i) lines += QString("Quotation %1 (Author)\n").arg(i);
        QCOMPARE(guess("quotes.txt", lines + "%\n" + lines), Format::text);
        QCOMPARE(guess("one", "Only one\n\t\t-- Me\n%\n"), Format::fortune);
        QCOMPARE(guess("two", "One\n%\nTwo\n"), Format::text);
        QCOMPARE(guess("three", "One\n%\nTwo\n%\nThree\n"), Format::fortune);
    }

    void bad_input_is_refused_with_the_file_and_line() {
        const auto refused = [](Format f, const QString& input, const QString& expected) {
            const Result r = process(f, input, "/tmp/quotes.in", QString(), Catalogue());
            QVERIFY2(r.quotes.empty(), qPrintable(expected));
            QCOMPARE(r.error, expected);
        };
        refused(Format::csv, "text,author\n\"open,Nobody\nnext,line\n",
                "The file '/tmp/quotes.in' cannot be imported as CSV: line 2: a field begins with a double quote (\") that is never closed.");
        refused(Format::csv, "Meditations (Marcus Aurelius)\n- Your Highlight\n",
                "The file '/tmp/quotes.in' cannot be imported as CSV: line 1: the first line is not a header naming a column text, quote or highlight.");
        refused(Format::fortune, "One cookie\nand no separator\n",
                "The file '/tmp/quotes.in' cannot be imported as fortune: none of its 2 lines is a \"%\" line, the line between two cookies.");
        refused(Format::kindle, "text,author\nx,y\n",
                "The file '/tmp/quotes.in' cannot be imported as Kindle clippings: no line is the separator of the clippings (==========).");
        refused(Format::kindle, "Book (A)\nno description\n\nText\n==========\n",
                "The file '/tmp/quotes.in' cannot be imported as Kindle clippings: line 2: the line under the book's title should say "
                "what the clipping is (\"- Your Highlight on page 1 | Location 10-12 | ...\").");
        for (Format f : {Format::csv, Format::fortune, Format::kindle}) refused(f, " \r\n\t", "The file '/tmp/quotes.in' is empty: there is nothing to import.");
        QVERIFY(process(Format::csv, "", QString(), QString(), Catalogue()).error.startsWith("The input text is empty"));
    }

    void strfile_indexes_the_fortune_file_so_that_fortune_reads_it() {
        if (fortune_format::strfile_program().isEmpty()) QSKIP("strfile is not installed (Debian: fortune-mod)");
        QTemporaryDir dir;
        const QString path = write_file(dir.path() + "/sentara", "Only one\n\t\t-- Me\n%\n");
        QCOMPARE(fortune_format::make_index(path), QString());
        QVERIFY(QFileInfo(path + ".dat").size() > 0);
        const QString fortune = QStandardPaths::findExecutable("fortune", {"/usr/games", "/usr/bin"});
        if (fortune.isEmpty()) return;
        QProcess p;
        p.start(fortune, {path});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), QString("Only one\n\t\t-- Me\n"));
    }
};

SENTARA_TESTS(TestReaders)

#include "test_readers.moc"
