// The engine adapter: the Jet dialect on SQLite, record sets, the file format, random order.
#include "database/database.h"
#include "database/grid_keys.h"
#include "database/grid_query.h"
#include "database/jet_dialect.h"
#include "database/random_order.h"
#include "database/recordset.h"
#include "database/schema.h"
#include "core/common.h"
#include "core/quote_filter.h"
#include "database/search_index.h"
#include "support/fixture.h"

#include <QFile>
#include <QLocale>
#include <QTest>

#include <cstring>

#include <sqlite3.h>

class TestDatabase : public QObject {
    Q_OBJECT

    static QStringList column(Database& db, const QString& sql) {
        QStringList out;
        Statement st = db.prepare(sql);
        while (st.step()) out << st.column_text(0);
        return out;
    }
    // The engine error `f` ends with, as "number description"; empty when it ends well.
    template <class F>
    static QString error_of(F f) {
        try {
            f();
        } catch (const DbError& e) {
            return QString::number(e.number()) + " " + e.description();
        }
        return QString();
    }
    // Runs `sql` on the file through the plain SQLite library, as another tool would; the first
    // value of the last statement's first row.
    static QString with_plain_sqlite(const QString& path, const QString& sql) {
        sqlite3* tool = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &tool);
        QString v;
        const QByteArray text = sql.toUtf8();
        const char* rest = text.constData();
        while (rest && *rest) {
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(tool, rest, -1, &st, &rest) != SQLITE_OK) v = sqlite3_errmsg(tool);
            else if (st && sqlite3_step(st) == SQLITE_ROW) v = QString::fromUtf8((const char*)sqlite3_column_text(st, 0));
            if (!st) break;
            sqlite3_finalize(st);
        }
        sqlite3_close(tool);
        return v;
    }

private slots:
    void jet_like_patterns_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("matches");
        QTest::newRow("star anywhere") << "*resist*" << "I can RESIST everything" << true;
        QTest::newRow("question one char") << "c?t" << "cat" << true;
        QTest::newRow("question not two") << "c?t" << "coat" << false;
        QTest::newRow("hash digit") << "r#d" << "r2d" << true;
        QTest::newRow("hash not letter") << "r#d" << "rad" << false;
        QTest::newRow("set") << "[bc]at" << "Cat" << true;
        QTest::newRow("negated set") << "[!bc]at" << "cat" << false;
        QTest::newRow("range") << "[a-f]*" << "Dante" << true;
        QTest::newRow("bracketed star literal") << "*[*]*" << "a*b" << true;
        QTest::newRow("bracketed star needs star") << "*[*]*" << "ab" << false;
        QTest::newRow("bracketed question literal") << "[?][?][?]" << "???" << true;
        QTest::newRow("bracket literal") << "*[[]it]*" << "50% of [it]" << true;
        QTest::newRow("percent not a wildcard") << "5%" << "50" << false;
        QTest::newRow("underscore is plain") << "a_b" << "axb" << false;
        QTest::newRow("accented case") << "*È*" << "caffè" << true;
        QTest::newRow("greek case") << "*ΣΟΦΊΑ*" << "η σοφία" << true;
        QTest::newRow("accent is not case") << "*e*" << "è" << false;
        QTest::newRow("empty pattern") << "" << "" << true;
        QTest::newRow("backtracking") << "*a*b*c" << "xaxbxaxbxc" << true;
        // Plain shapes with ASCII letters are matched on the bytes: other letters must still count.
        QTest::newRow("ascii in accented text") << "*love*" << "Ça, c'est l'AMOUR: LOVE à jamais" << true;
        QTest::newRow("ascii absent from accented text") << "*love*" << "l'amour à jamais" << false;
        QTest::newRow("kelvin sign folds to k") << "*k*" << "5 \u212A" << true;
        QTest::newRow("long s folds to s") << "*s" << "Cheſ" << true;
        QTest::newRow("ascii prefix") << "abc*" << "ABCdé" << true;
        QTest::newRow("accented prefix is another letter") << "abc*" << "ÀBC" << false;
        QTest::newRow("ascii exact") << "abc" << "ABC" << true;
        QTest::newRow("ascii exact is not longer") << "abc" << "ABCé" << false;
    }
    void jet_like_patterns() {
        QFETCH(QString, pattern);
        QFETCH(QString, value);
        QFETCH(bool, matches);
        QCOMPARE(jet::like(pattern, value), matches);
    }

    // A word is looked for sixteen places at a time where the texts are ASCII: wherever it stands
    // (across those blocks, at the very end, in either case), and only where it is whole.
    void a_word_is_found_wherever_it_stands() {
        const QString letters = QStringLiteral("abAB@`é");
        quint32 seed = 7;
        const auto next = [&seed](int below) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 16) % unsigned(below));
        };
        for (int round = 0; round < 4000; ++round) {
            QString text, word;
            for (int i = next(70); i > 0; --i) text += letters[next(round % 2 ? 6 : 7)];
            for (int i = 1 + next(4); i > 0; --i) word += letters[next(6)];
            const bool expected = text.toCaseFolded().contains(word.toCaseFolded());
            if (jet::like(u'*' + word + u'*', text) != expected)
                QFAIL(qPrintable(QStringLiteral("\"%1\" in \"%2\"").arg(word, text)));
        }
    }

    void nocase_order_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("case only") << "Gabriele D'Amico" << "gabriele d'AMICO" << 0;
        QTest::newRow("after a long common part") << "Gabriele D'Amico" << "Gabriele D'Annunzio" << -1;
        QTest::newRow("prefix") << "Gabriele" << "Gabriele D'Amico" << -1;
        QTest::newRow("case after accented part") << "Ängela Müller" << "ängela MÜLLER" << 0;
        QTest::newRow("base letter first") << "Ängela Müller" << "Angela Mueller" << 1;
        QTest::newRow("accent breaks a tie") << "a long common beginning, é" << "a long common beginning, e" << 1;
        QTest::newRow("base letter beats accent") << "Émile" << "emilf" << -1;
        QTest::newRow("same first byte, other accent") << "é" << "è" << 1;
        QTest::newRow("first letter decides") << "zeta" << "Alpha" << 1;
    }
    void nocase_order() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const QByteArray x = a.toUtf8(), y = b.toUtf8();
        auto sign_of = [](int v) { return (v > 0) - (v < 0); };
        QCOMPARE(sign_of(jet::compare_nocase(x.constData(), int(x.size()), y.constData(), int(y.size()))), sign);
        QCOMPARE(sign_of(jet::compare_nocase(y.constData(), int(y.size()), x.constData(), int(x.size()))), -sign);
    }

    void text_comparisons_are_rewritten_to_the_programs_collation_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        const QString c = " COLLATE JET_NOCASE";
        const auto same = [](const char* name, const QString& sql) { QTest::newRow(name) << sql << sql; };
        same("ranges untouched", "select 1 from quotes where rate >= '1' and rate <= 'a'");
        same("rowid parameter", "UPDATE quotes SET text = ? WHERE rowid = ?");
        same("order of numbers", "select * from quotes order by key DESC, quotes.random");
        same("schema statements untouched", "CREATE VIEW v AS SELECT * FROM quotes WHERE author = 'x' ORDER BY text");
        same("pragma untouched", "PRAGMA journal_mode = 'wal'");
        QTest::newRow("assignments untouched")
            << "update quotes set author = 'New', subject = 'X' where author = 'Old'"
            << "update quotes set author = 'New', subject = 'X' where author = 'Old'" + c;
        QTest::newRow("parameter") << "SELECT picture FROM authors WHERE name = ?" << "SELECT picture FROM authors WHERE name = ?" + c;
        QTest::newRow("unary plus") << "select key from quotes where x = 1 order by +author, +random"
                                    << "select key from quotes where x = 1 order by +author" + c + ", +random";
        QTest::newRow("order in a subquery") << "select * from (select * from quotes order by notes) where notes = 'a'"
                                             << "select * from (select * from quotes order by notes" + c + ") where notes = 'a'" + c;
        QTest::newRow("literals and names are never read inside")
            << "select 'a = ''b''' from [odd = name] where \"x\" = 'y'"
            << "select 'a = ''b''' from [odd = name] where \"x\" = 'y'" + c;
    }
    void text_comparisons_are_rewritten_to_the_programs_collation() {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        const QSet<QString> numeric = {"key", "rate", "random"};
        const QString once = jet::use_program_collation(sql, numeric);
        QCOMPARE(once, expected);
        QCOMPARE(jet::use_program_collation(once, numeric), once);  // a second pass changes nothing
    }

    void like_equality_and_the_sortable_text_in_sql() {
        Fixture f;
        Database& db = *f.ctx->database;
        // Brackets make a literal "?" of a pattern character.
        QCOMPARE(db.scalar("Select count(*) from authors where name like '*[?]*'").toInt(), 1);
        QCOMPARE(db.scalar("Select count(*) from authors where name like '[???]'").toInt(), 0);  // one "?" only
        // A malformed pattern is an engine error, and SQLite's own ASCII LIKE never answers instead.
        QVERIFY_THROWS_EXCEPTION(DbError, db.scalar("select count(*) from quotes where text like '*[a*'"));
        QVERIFY_THROWS_EXCEPTION(DbError, db.scalar("select count(*) from quotes where text like '%a' escape '\\'"));
        // The qualifier stays where the table itself is named; literals are never rewritten.
        QCOMPARE(db.scalar("select count(*) from quotes where quotes.notes like '*odd*'").toInt(), 1);
        QCOMPARE(db.scalar("select 'quotes.random' from Quotes_with_sortable_text where key = 1").toString(),
                 QString("quotes.random"));
        // The sortable text drops leading quotation marks, dashes and blanks.
        QCOMPARE(db.scalar("select text2 from Quotes_with_sortable_text where key = 5").toString().left(7), QString("L'art e"));
        db.execute("insert into quotes (text, author, subject, language) values ('— “Ah”', 'Smith', '-', 'EN')");
        QCOMPARE(db.scalar("select text2 from Quotes_with_sortable_text where text like '*ah*'").toString(), QString("Ah”"));
    }

    void recordset_navigation_and_fields() {
        Fixture f;
        Database& db = *f.ctx->database;
        auto empty = db.open_recordset("select * from quotes where key = 999");
        QVERIFY(empty->eof());
        QCOMPARE(empty->record_count(), 0);
        QCOMPARE(empty->absolute_position(), -1);
        QVERIFY(error_of([&] { empty->value("text"); }).startsWith("3021 "));

        auto rs = db.open_recordset("select * from quotes order by key desc");
        QCOMPARE(rs->text("rate"), QString());  // null reads as empty text
        rs->set_absolute_position(7);
        rs->move_next();
        QVERIFY(rs->eof() && !error_of([&] { rs->move_next(); }).isEmpty());
        rs->set_absolute_position(3);
        QCOMPARE(rs->text("key"), QString("5"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->set_absolute_position(8));

        QVERIFY(rs->find_first("author = 'oscar wilde'"));
        QCOMPARE(rs->text("key"), QString("3"));  // the first in the set's order
        QVERIFY(!rs->find_first("author = 'Nobody'"));
        QCOMPARE(rs->text("key"), QString("3"));  // left where it was

        // Sets that are not a single table are read whole, and still searchable.
        auto grouped = db.open_recordset("SELECT * FROM subjects_with_quote_quantity");
        QVERIFY(grouped->find_first("subject = 'WISDOM'"));
        QCOMPARE(grouped->text("quotes"), QString("2"));
        QVERIFY(grouped->find_first("quotes = 4"));
        QCOMPARE(grouped->text("subject"), QString("Life"));
        QVERIFY(!grouped->updatable());
    }

    // The keys' bytes sort as the program's collation sorts the texts: the indexes over them give
    // the program's orders.
    void sort_keys_order_texts_as_the_collation_does() {
        QStringList texts{"", "a", "A", "á", "Á", "ab", "àb", "aB", "b", "é", "e", "ÉLAN", "élan", "elan", "Elan", "zebra",
                          "Zola", "Ω", "ω", "άλφα", "αλφα", "Άλφα", "ß", "ss", "K", "\u212A", "i", "İ", "ı", "ǅ", "ǆ", "Ǆ",
                          "a b", "a\tb", "1", "10", "9", "😀", "😀a", "\u0301",
                          // Accents at other places, above and below their base letters.
                          "résumé", "resume", "résume", "resumé", "RÉSUMÉ", "éa", "eá", "ée", "άά", "αά", "άα", "Ωά", "ὰα",
                          "ἀρχή", "αρχη", "Ἀρχή", "éά", "eα", "èa", "ëa", "Nguyễn Văn Thành", "Nguyen Văn Thành", "Nguyễn Van Thanh"};
        // Accents far into long names, where a place takes more than one byte.
        for (int far : {239, 240, 241, 300}) {
            const QString lead(far, u'a');
            texts << lead + "é" << lead + "e" << lead + "ά" + "b" << lead + "α" + "b" << "é" + lead + "é" << "é" + lead + "e"
                  << "e" + lead + "é";
        }
        texts << "é" + QString(70000, u'a') + "é" << "é" + QString(70000, u'a') + "ά";
        // Long texts alike in their first letters.
        for (const char* t : {"the only thing we have to fear is fear itself", "The only thing we have to fear",
                                 "the only thing we have to Fear", "The Only Thing We Have To Fëar is"})
            texts << QString::fromUtf8(t);
        const auto sign = [](int x) { return x < 0 ? -1 : x > 0 ? 1 : 0; };
        const auto bytes_sign = [&](const QByteArray& x, const QByteArray& y) {
            const int c = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
            return sign(c != 0 ? c : int(x.size() - y.size()));
        };
        for (const QString& a : texts) {
            for (const QString& b : texts) {
                const QByteArray x = a.toUtf8(), y = b.toUtf8();
                const int collation = sign(jet::compare_nocase(x.constData(), int(x.size()), y.constData(), int(y.size())));
                QVERIFY2(bytes_sign(jet::name_key(a), jet::name_key(b)) == collation, qPrintable(a + " / " + b));
                QCOMPARE(jet::folded_name_of_key(jet::name_key(a)), jet::folded(a));
                // A prefix key never puts two texts the wrong way round; equal keys leave the
                // order to the whole texts.
                const int prefix = bytes_sign(jet::prefix_key(x.constData(), int(x.size())), jet::prefix_key(y.constData(), int(y.size())));
                QVERIFY2(prefix == 0 || prefix == collation, qPrintable(a + " / " + b));
            }
        }
    }

    // Every order and every kind of filter lists what the statement lists through the dialect,
    // read from either end, before and after another tool changed the file.
    void the_grid_lists_what_its_statement_lists() {
        Fixture f;
        Database& db = *f.ctx->database;
        // An author entered twice, one gone, a quotation without an author, one whose author
        // differs in letter case only, texts alike in their first letters, rates missing, and a
        // long name entered twice.
        db.execute("insert into authors values ('OSCAR WILDE', null, 'wilde.jpg', 0), ('élan Vital', null, 'e.jpg', 0),"
                   " ('Elan vital', null, null, 0), ('Sir Arthur Ignatius Conan Doyle of Edinburgh and Crowborough', null, null, 0),"
                   " ('Sir Arthur Ignatius Conan Doyle of Edinburgh and Crowborough', null, null, 0);"
                   "delete from authors where name = 'Smith';"
                   "insert into quotes (text, author, subject, language, notes, rate, random) values"
                   " ('Unsigned.', null, '-', 'EN', null, 1, 0.05),"
                   " ('Shouting, as usual.', 'MARK TWAIN', 'life', 'EN', 'Translated by nobody at all, twice', 3, 0.95),"
                   " ('The only thing we have to fear is fear itself.', 'Élan vital', 'Love', 'en', 'Translated by nobody at all', 2, 0.35),"
                   " ('the only thing we have to fear is Fear.', 'ELAN VITAL', 'Life', 'FR', 'translated by Nobody at all, once', null, 0.45),"
                   " ('\"The only thing we have to Fëar', 'élan vital', 'Wisdom', 'IT', 'odd', 2, 0.55),"
                   " ('Άλφα and ωμέγα.', 'Mark Twain', 'Ωmega', 'GR', null, 3, 0.65),"
                   " ('Fear, said the doctor.', 'SIR ARTHUR IGNATIUS CONAN DOYLE OF EDINBURGH AND CROWBOROUGH', 'Life', 'EN',"
                   "  'Fear of the long name', 2, 0.85)");
        // Enough rows that a list is read a page at a time, in the same spirit.
        db.execute("with recursive n(i) as (select 1 union all select i + 1 from n where i < 260) "
                   "insert into quotes (text, author, subject, language, notes, rate, random) select "
                   " case i % 4 when 0 then 'The only thing we have to fear, number ' || (i * 7 % 13) when 1 then '« Élan ' || i "
                   "  when 2 then 'the only thing we have to FEAR, number ' || (i % 5) else 'élan ' || (i % 3) end,"
                   " case i % 5 when 0 then 'oscar wilde' when 1 then 'ÉLAN VITAL' when 2 then 'Mark Twain' when 3 then 'Smith'"
                   "  else 'Gabriele D''Annunzio' end,"
                   " case i % 3 when 0 then 'Life' when 1 then 'love' else 'Wisdom' end, case i % 2 when 0 then 'EN' else 'it' end,"
                   " case when i % 3 = 0 then null else 'Translated by someone ' || (i % 4) end,"
                   " case when i % 4 = 0 then null else i % 3 + 1 end, 1.0 + i / 1000.0 from n");
        using C = GridQuery::Column;
        std::vector<GridQuery> queries;
        for (int c = 0; c < GridQuery::column_count; ++c)
            for (const auto d : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                GridQuery q;
                q.sort_by(C(c), d);
                queries.push_back(q);
            }
        queries.push_back(GridQuery{});
        const auto filtered = [&](QuoteFilter typed, std::optional<C> column = std::nullopt, int min_rate = 0) {
            GridQuery q;
            q.filter = typed.filter(db);
            if (min_rate) q.filter.min_rate = min_rate;
            if (column) q.sort_by(*column, Qt::DescendingOrder);
            queries.push_back(q);
        };
        filtered({"oscar wilde"});
        filtered({"ÉLAN VITAL"}, C::text);
        filtered({"wain"});
        filtered({"", "life"}, C::author);
        filtered({"", "if"});
        filtered({"", "", "e"});
        filtered({"", "", "", "fear"}, C::note);
        filtered({"", "", "", "[it]"});
        filtered({"", "", "", "", "TRANS"});
        filtered({"", "", "", "", "", "2"});
        filtered({"", "", "", "", "", "", "3", "1"}, C::subject);
        filtered({"", "", "", "", "", "", "2"});
        filtered({}, C::language, 2);
        // A range whose ends sort the other way as text ("9" after "10") still lists them.
        db.execute("insert into quotes (text, author, subject, language, rate, random) values"
                   " ('Nine.', 'Mark Twain', '-', 'EN', 9, 0.15), ('Ten.', 'Mark Twain', '-', 'EN', 10, 0.25)");
        filtered({"", "", "", "", "", "", "9", "10"});
        {
            RecordSet range(*f.ctx->list_database, grid_reader(*f.ctx->list_database, &db, queries.back()));
            QCOMPARE(range.record_count(), 2);
        }

        // Rows alike in the whole order come by key, as the grid gives them.
        const auto reference = [&](const GridQuery& q) {
            QString sql = q.sql();
            if (q.random_order()) sql += ", key";
            else if (*q.sort_column == C::text && q.direction == Qt::DescendingOrder) sql += ", key DESC";
            else if (*q.sort_column != C::key) sql += ", key";
            // Each row shows the picture of the first author of its name.
            QStringList rows;
            Statement st = db.prepare(sql);
            Statement picture = db.prepare("select picture from authors where name = ?");
            while (st.step()) {
                picture.bind(1, st.column_text(2));
                rows << st.column_text(0) + " " + (picture.step() ? picture.column_text(0) : QString());
                picture.reset();
            }
            return rows;
        };
        const auto shown = [&](const GridQuery& q, bool from_the_end) {
            RecordSet rs(*f.ctx->list_database, grid_reader(*f.ctx->list_database, &db, q));
            const int n = rs.record_count();
            QStringList rows;
            for (int i = 0; i < n; ++i) {
                const int r = from_the_end ? n - 1 - i : i;
                rs.set_absolute_position(r);
                const QString row = rs.text("key") + " " + rs.text("picture");
                if (from_the_end) rows.prepend(row);
                else rows << row;
            }
            return rows;
        };
        const auto check_every_query = [&] {
            for (const GridQuery& q : queries) {
                const QStringList expected = reference(q);
                QCOMPARE(shown(q, false), expected);
                QCOMPARE(shown(q, true), expected);
            }
        };
        check_every_query();
        // Another tool, which knows nothing of the keys, renames an author, gives a quotation
        // another author and text, and adds both an author and quotations.
        with_plain_sqlite(f.path(), "update authors set name = 'Émile ZOLA', picture = 'z.jpg' where name = 'Émile Zola';"
                                    "delete from authors where name = 'OSCAR WILDE';"
                                    "update quotes set author = 'oscar wilde', text = 'Zzz.' where key = 1;"
                                    "insert into authors values ('Smith', null, 'smith.jpg', 0);"
                                    "insert into quotes (text, author, subject, language, random) values"
                                    " ('Nobody''s, odd.', 'Nobody Known', '-', 'EN', 0.5), ('Aaa.', 'smith', 'Love', 'EN', 0.01)");
        check_every_query();
        // The patterns' candidates from the substring index, where the file has one.
        search_index::build(db);
        check_every_query();
    }

    void a_saved_row_takes_the_place_a_new_reading_gives_it() {
        Fixture f;
        Database& db = *f.ctx->database;
        db.execute("update quotes set notes = 'n' || key where key in (1, 3, 5)");
        const auto keys_of = [](RecordSet& rs) {
            QList<qint64> keys;
            for (int r = 0; r < rs.record_count(); ++r) keys << rs.key_at(r).toLongLong();
            return keys;
        };
        const auto query = [&](QuoteFilter typed, std::optional<GridQuery::Column> column = std::nullopt,
                               Qt::SortOrder direction = Qt::AscendingOrder) {
            GridQuery q;
            q.filter = typed.filter(db);
            if (column) q.sort_by(*column, direction);
            return q;
        };
        const auto list = [&](const GridQuery& q) {
            return RecordSet(*f.ctx->list_database, grid_reader(*f.ctx->list_database, &db, q));
        };
        struct Case {
            GridQuery q;
            QString change;
            qint64 key;
        };
        using C = GridQuery::Column;
        const auto down = Qt::DescendingOrder;
        const Case cases[] = {
            {query({}), "update quotes set random = 0.65 where key = 2", 2},
            {query({}, C::author), "update quotes set author = 'Mark Twain' where key = 6", 6},
            {query({}, C::author, down), "update quotes set author = 'Émile Zola' where key = 1", 1},
            {query({}, C::text), "update quotes set text = '\"Zebra crossing' where key = 4", 4},
            {query({}, C::rate), "update quotes set rate = null where key = 7", 7},
            {query({}, C::note, down), "update quotes set notes = 'n0' where key = 8", 8},
            {query({}, C::key, down), "update quotes set text = 'Same place' where key = 5", 5},
            {query({"", "Life"}), "update quotes set subject = 'Love' where key = 4", 4},                 // leaves
            {query({"", "Life"}, C::author), "update quotes set subject = 'Life' where key = 3", 3},      // comes in
            {query({"", "", "", "e"}, C::text, down), "update quotes set author = 'Nobody Known' where key = 3", 3},  // no author row
        };
        for (const Case& c : cases) {
            RecordSet shown = list(c.q);
            shown.set_writer(db);
            db.execute(c.change);
            shown.place(c.key);
            RecordSet fresh = list(c.q);
            QVERIFY2(keys_of(shown) == keys_of(fresh), qPrintable(c.change));
        }
        // An author entered twice gives the row twice, as the join does.
        db.execute("insert into authors values ('SMITH', null, null, 0)");
        const GridQuery q = query({}, C::key);
        RecordSet twice = list(q);
        db.execute("update quotes set author = 'Smith' where key = 2");
        twice.place(2, 1);
        RecordSet fresh = list(q);
        QCOMPARE(keys_of(twice), keys_of(fresh));
        QCOMPARE(keys_of(twice).count(2), 2);
        // Deleted, it leaves both places.
        twice.set_writer(db);
        twice.set_absolute_position(int(keys_of(twice).indexOf(2)) + 1);
        twice.delete_current();
        RecordSet after = list(q);
        QCOMPARE(keys_of(twice), keys_of(after));
        QVERIFY(!keys_of(twice).contains(2));
    }

    void counted_sets_read_as_the_engine_orders_them() {
        Fixture f;
        Database& db = *f.ctx->database;
        schema::prepare_for_use(db);
        // Ties in the random order (two runs, and the authors without a place), a quotation
        // whose author differs in letter case only, accented letter included.
        db.execute("update authors set random = 0.5 where name in ('Smith', 'Mark Twain', 'Émile Zola');"
                   "update authors set random = 0.25 where name in ('John Smithson', '??" "?');"
                   "update authors set random = null where name in ('Oscar Wilde', 'Nobody Yet');"
                   "update authors set random = 0.75 where name = 'Gabriele D''Annunzio';"
                   "insert into quotes (text, author, subject, language) values ('Again.', 'émile ZOLA', '-', 'FR')");
        auto kept = std::make_shared<KeyedSource::Count::Kept>();
        const std::pair<QString, QString> lists[] = {
            {"", "authors.random ASC, name"},
            {"", "authors.random DESC, name DESC"},
            {"", "quotes DESC ,name"},
            {" name like '*i*' or   notes like '*Irish*'", "authors.random ASC, name"},
            {" name like '*i*'", "quotes ASC ,name"},
        };
        for (const auto& [condition, order] : lists) {
            RecordSet rs(db, KeyedSource{"x", "authors", "rowid", "authors", condition, order,
                                         {"quotes", "author", "name", "quotes", kept}});
            // The engine's own order, the counts in it as the program counts one author's.
            QStringList expected;
            Statement st = db.prepare("SELECT name FROM authors_with_quote_quantity" +
                                      (condition.isEmpty() ? QString() : " where" + condition) + " ORDER BY " +
                                      QString(order).replace("quotes", "(Select count (0) from quotes where author = name)"));
            while (st.step()) expected << st.column_text(0);
            QStringList shown;
            for (int r = 0; r < rs.record_count(); ++r) {
                rs.set_absolute_position(r);
                shown << rs.text("name");
                QCOMPARE(rs.value("quotes").toInt(),
                         db.scalar("Select count (0) from quotes where author = '" + rs.text("name").replace("'", "''") + "'").toInt());
            }
            QCOMPARE(shown, expected);
        }
        RecordSet zola(db, KeyedSource{"x", "authors", "rowid", "authors", " name = 'Émile Zola'", "",
                                       {"quotes", "author", "name", "quotes", {}}});
        QCOMPARE(zola.value("quotes").toInt(), 2);
    }

    void table_counts_follow_every_change() {
        Fixture f;
        Database& db = *f.ctx->database;
        QCOMPARE(db.scalar("Select count(*) from quotes").toInt(), 8);
        db.execute("delete from quotes where key = 1");
        QCOMPARE(db.scalar("Select count(*) from quotes").toInt(), 7);
        f.ctx->list_database->execute("delete from quotes where key = 2");
        QCOMPARE(db.scalar("select COUNT(*) from quotes").toInt(), 6);
        f.exec("delete from quotes where key = 3");
        QCOMPARE(db.scalar("Select count (0) from quotes").toInt(), 5);
        db.execute("begin; insert into rating values (4)");
        QCOMPARE(db.scalar("Select count(*) from rating").toInt(), 4);
        db.execute("rollback");
        QCOMPARE(db.scalar("Select count(*) from rating").toInt(), 3);
        db.execute("drop table rating; create table rating (rate integer)");
        QCOMPARE(db.scalar("Select count(*) from rating").toInt(), 0);
    }

    void compaction_copies_a_file_with_nothing_to_reclaim() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        auto db = Database::open(path);
        QCOMPARE(db->scalar("PRAGMA freelist_count").toInt(), 0);
        db->execute("insert into authors values ('Seneca', null, null, 0)");  // still in the log
        const QString copy = dir.path() + "/copy.mdb";
        db->compact_to(copy);
        QVERIFY_THROWS_EXCEPTION(DbError, db->compact_to(copy));
        {
            auto c = Database::open(copy, Database::Options{true, true});
            QCOMPARE(c->scalar("PRAGMA quick_check").toString(), QString("ok"));
            QCOMPARE(c->scalar("select count(*) from authors where name = 'Seneca'").toInt(), 1);
            QCOMPARE(c->scalar("PRAGMA journal_mode").toString(), QString("delete"));
        }
        QVERIFY(!QFile::exists(copy + "-wal") && !QFile::exists(copy + "-shm"));
    }

    // A file made before the sort keys (its own indexes, no keys, no statistics) gets them when
    // it opens; what it had stays readable by any tool.
    void older_files_get_the_sort_keys_and_statistics() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        QString drop;
        for (const QString& i : grid_keys::index_names()) drop += "drop index " + i + ";";
        with_plain_sqlite(path, drop + "drop table author_keys; drop index quotes_keys_stale;"
                                "drop trigger quotes_mark_stale; drop table sqlite_stat1;"
                                "alter table quotes drop column author_key; alter table quotes drop column keys_stale;"
                                "create index quotes_by_random_author on quotes(random, author collate binary);"
                                "create index quotes_by_author on quotes(author collate binary)");
        QVERIFY(with_plain_sqlite(path, "select count(*) from pragma_table_info('quotes') where name = 'author_key'") == "0");
        auto db = Database::open(path);
        const QStringList indexes = db->scalar("select group_concat(name) from sqlite_master where type = 'index'")
                                        .toString()
                                        .split(',');
        for (const QString& i : grid_keys::index_names()) QVERIFY2(indexes.contains(i), qPrintable(i));
        QVERIFY(!indexes.contains("quotes_by_random_author") && !indexes.contains("quotes_by_author"));
        QCOMPARE(db->scalar("select count(*) from quotes where keys_stale or author_key is null").toInt(), 0);
        QCOMPARE(db->scalar("select stat from sqlite_stat1 where tbl = 'authors'").toString().section(' ', 0, 0), QString("8"));
        db.reset();
        QCOMPARE(with_plain_sqlite(path, "PRAGMA integrity_check"), QString("ok"));
        // Another tool inserts and edits as before: its rows are marked for the program.
        QCOMPARE(with_plain_sqlite(path, "insert into quotes (text, author) values ('New.', 'Smith');"
                                         "update quotes set author = 'Mark Twain' where key = 2;"
                                         "select group_concat(key) from quotes where keys_stale = 1 order by key"),
                 QString("2,9"));
        // Keys made another way (another version of the letters' tables) are made again.
        with_plain_sqlite(path, "update sentara_state set value = 1 where name = 'keys_make';"
                                "update quotes set author_key = x'00', keys_stale = null where key = 1");
        auto again = Database::open(path);
        Statement key = again->prepare("select author_key from quotes where key = 1");
        QVERIFY(key.step());
        QCOMPARE(key.column(0).toByteArray(), jet::name_key(QString("Mark Twain")));
    }

    void database_files_are_created_and_checked() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/new.mdb";
        schema::create_database(path, true);
        QVERIFY_THROWS_EXCEPTION(DbError, schema::create_database(path, false));
        auto db = Database::open(path);
        db->execute("update authors set name = 'Émile' where name = 'Voltaire'");
        db.reset();
        // Other tools read what the program wrote, and find it sound.
        QCOMPARE(with_plain_sqlite(path, "select count(*) from Quotes_with_sortable_text; PRAGMA integrity_check"), QString("ok"));
    }

    void files_that_are_not_databases_are_refused_untouched() {
        QTemporaryDir dir;
        const QString text_file = dir.path() + "/notes.mdb";
        write_file(text_file, "These are my notes, not a database.\n");
        QVERIFY(error_of([&] { Database::open(text_file); }).contains("notes.mdb"));
        QCOMPARE(read_file(text_file), QByteArray("These are my notes, not a database.\n"));
        QVERIFY(!QFile::exists(text_file + "-wal"));

        const QString other = dir.path() + "/other.db";
        Database::open(make_fixture_database(dir.path(), "seed.mdb"))->execute("VACUUM INTO '" + other + "'");
        Database::open(other)->execute("DROP VIEW Quotes_with_sortable_text");
        QVERIFY(error_of([&] { Database::open(other); }).contains("Quotes_with_sortable_text"));
    }

    void a_missing_file_is_named_for_what_it_is() {
        QTemporaryDir dir;
        const QString d = dir.path();
        QVERIFY(QFile::link(d + "/b.mdb", d + "/a.mdb") && QFile::link(d + "/a.mdb", d + "/b.mdb"));
        QVERIFY(QFile::link(d + "/gone.mdb", d + "/dangling.mdb"));
        QVERIFY(QFile::link(d + "/round", d + "/round"));
        const auto why = [](const QString& path) { return error_of([&] { Database::open(path); }); };
        QCOMPARE(why(d + "/a.mdb"), "3044 '" + d + "/a.mdb' is a symbolic link that leads round in a loop, back to itself.");
        QVERIFY(why(d + "/dangling.mdb").endsWith("is a symbolic link to '" + d + "/gone.mdb', which does not exist."));
        QVERIFY(why(d + "/round/quotes.mdb").contains("a symbolic link in its folders leads round in a loop"));
        QCOMPARE(why(d + "/none.mdb"), "3044 The file '" + d + "/none.mdb' does not exist.");
    }

    void the_file_is_left_in_rollback_journal_mode() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        const auto header_versions = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) && f.seek(18) ? f.read(2) : QByteArray();
        };
        {
            auto a = Database::open(path);
            auto b = Database::open(path);
            QCOMPARE(a->scalar("PRAGMA journal_mode").toString(), QString("wal"));  // while in use
            a->execute("insert into authors values ('Seneca', null, null, 0)");
            a.reset();  // another handle is still open: the log stays
            QCOMPARE(b->scalar("select count(*) from authors where name = 'Seneca'").toInt(), 1);
            b->execute("insert into authors values ('Cato', null, null, 0)");
        }
        QCOMPARE(header_versions(), QByteArray("\x01\x01", 2));
        QVERIFY(!QFile::exists(path + "-wal"));
        QVERIFY(!QFile::exists(path + "-shm"));
        auto reader = Database::open(path, Database::Options{true, true});
        QCOMPARE(reader->scalar("select count(*) from authors where name in ('Seneca', 'Cato')").toInt(), 2);
    }

    void sqlites_own_nocase_is_left_alone() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        // Another tool indexes the names under SQLite's NOCASE.
        with_plain_sqlite(path, "insert into authors (name) values ('Eden'), ('Ezra'), ('Zeno'), ('élan'), ('Ölaf');"
                                "create index authors_by_name on authors(name collate nocase)");
        {
            auto db = Database::open(path);
            QCOMPARE(db->scalar("select count(*) from authors where name = 'ÉLAN'").toInt(), 1);
            db->execute("insert into authors (name) values ('Ägir'), ('eve')");
        }
        QCOMPARE(with_plain_sqlite(path, "PRAGMA integrity_check"), QString("ok"));
        QCOMPARE(with_plain_sqlite(path, "select count(*) from authors indexed by authors_by_name where name = 'ZENO'"), QString("1"));
        QCOMPARE(with_plain_sqlite(path, "select count(*) from authors indexed by authors_by_name where name = 'Ägir'"), QString("1"));
    }

    void text_equality_ignores_case_whatever_the_columns_say() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/plain.mdb";
        make_plain_text_database(path);
        auto db = Database::open(path);
        db->execute("insert into authors values ('Émile Zola', null, 'zola.jpg', 0);"
                    "insert into quotes (text, author, subject, language, rate, random) values"
                    " ('one', 'Émile Zola', '-', 'EN', 2, 0.1), ('two', 'émile zola', '-', 'EN', 3, 0.2),"
                    " ('three', 'ÉMILE ZOLA', '-', 'en', null, 0.3), ('four', 'Emile Zola', '-', 'EN', 1, 0.4)");
        QCOMPARE(db->scalar("Select count (0) from quotes where author = 'émile ZOLA'").toInt(), 3);
        QCOMPARE(db->scalar("select count(*) from quotes where 'ÉMILE zola' = author").toInt(), 3);
        QCOMPARE(db->scalar("select count(*) from quotes where author <> 'émile zola'").toInt(), 1);
        QCOMPARE(db->scalar("select count(*) from quotes where language = 'EN'").toInt(), 4);
        QCOMPARE(db->scalar("select count(*) from quotes where rate = '2'").toInt(), 1);  // a number stays a number
        QCOMPARE(db->scalar("select text from quotes where key = 2").toString(), QString("two"));
        // Assignments are not comparisons: what is stored is what was written.
        db->execute("update quotes set language = 'en' where text = 'ONE'");
        QCOMPARE(db->scalar("select language from quotes where key = 1").toString(), QString("en"));
        // The grid's join meets every spelling of the author, and sorts by the program's order.
        const QString grid = "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN "
                             "Quotes_with_sortable_text ON Authors.name = Quotes_with_sortable_text.Author";
        for (const char* tail : {" order by quotes.random", " where  author = 'ÉMILE ZOLA' order by author ASC , text2",
                                 " where  key <= 3 order by key DESC "}) {
            auto rs = db->open_recordset(grid + tail);
            QCOMPARE(rs->record_count(), 3);
            QCOMPARE(rs->text("picture"), QString("zola.jpg"));
        }
        db->execute("insert into authors (name) values ('Zeno'), ('eden')");
        QCOMPARE(column(*db, "select name from authors order by name"), (QStringList{"eden", "Émile Zola", "Zeno"}));
        QCOMPARE(column(*db, "select name from authors where name like '*e*' order by name desc"),
                 (QStringList{"Zeno", "Émile Zola", "eden"}));
    }

    void the_search_index_finds_what_reading_through_finds_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("indexed");  // the index is asked for candidates
        const auto row = [](const char* name, const QString& pattern, bool indexed) { QTest::newRow(name) << pattern << indexed; };
        row("ascii word", "*love*", true);
        row("accented capital", "*ÉMILE*", true);
        row("sharp s", "*straße*", true);
        row("sharp s is not ss", "*STRASSE*", true);
        row("greek", "*ΣΟΦΊΑ*", true);
        row("greek final sigma", "*σοφίας*", true);
        row("cyrillic, with its older letter forms", "*ВОДА*", true);
        row("kelvin sign and long s", "*kelvin*", true);
        row("wildcards both ends and inside", "*lo?e is*", true);
        row("two runs", "*love*letters*", true);
        row("bracketed letter", "*[l]ove*", true);
        row("a set", "*[lm]ove*", true);
        row("digits", "*#1 is*", true);
        row("percent and underscore are plain", "*50%_x*", true);
        row("two characters", "*ov*", false);
        row("only wildcards", "*", false);
        row("prefix", "I lo*", true);
        row("whole text", "ab", false);
        row("apostrophe", "*l'amour*", true);
    }
    void the_search_index_finds_what_reading_through_finds() {
        QFETCH(QString, pattern);
        QFETCH(bool, indexed);
        static QTemporaryDir dir;
        static QString with_index, without;
        if (with_index.isEmpty()) {
            without = make_fixture_database(dir.path(), "plain.mdb");
            {
                auto db = Database::open(without);
                db->execute(QString::fromUtf8(
                    "insert into quotes (text, author, subject, language, notes) values"
                    " ('I love Émile', 'Smith', '-', 'EN', 'love letters'), ('émile and ÉMILE', 'Smith', '-', 'FR', null),"
                    " ('Die Straße', 'Smith', '-', 'DE', 'STRASSE'), ('η ΣΟΦΊΑ και σοφίας', 'Smith', '-', 'EL', null),"
                    " ('вода и ВОДА и в\u1C82да', 'Smith', '-', 'RU', 'вᲂдa'), ('5 \u212Aelvin, Cheſs', 'Smith', '-', 'EN', null),"
                    " ('love is blind', 'Smith', '-', 'EN', 'lo e is'), ('50%_x #1 is', 'Smith', '-', 'EN', null),"
                    " ('move on', 'Smith', '-', 'EN', null), ('ab', 'Smith', '-', 'EN', null),"
                    " ('c''est l''amour', 'Smith', '-', 'FR', 'L''AMOUR')"));
            }
            with_index = dir.path() + "/indexed.mdb";
            QVERIFY(QFile::copy(without, with_index));
            search_index::build(*Database::open(with_index));
        }
        auto a = Database::open(with_index);
        auto b = Database::open(without);
        QVERIFY(search_index::exists(*a) && !search_index::exists(*b));
        for (const char* field : {"text", "notes"}) {
            const QString sql = QStringLiteral("select key from quotes where %1 like '%2' order by key").arg(field, sql_escape_text(pattern));
            QCOMPARE(column(*a, sql), column(*b, sql));
            QCOMPARE(a->translate(sql).contains(QStringLiteral("quotes_%1_search").arg(field)), indexed);
        }
    }

    void the_search_index_follows_other_programs() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        search_index::build(*Database::open(path));
        bool shell = false;
        sqlite_shell(path, "select 1", &shell);
        if (!shell) QSKIP("the sqlite3 shell is not installed");
        sqlite_shell(path, "insert into quotes (text, author, subject, language) values ('Written by the shell', 'Smith', '-', 'EN');"
                           "update quotes set text = 'Changed by the shell' where key = 1; delete from quotes where key in (2, 3, 4, 5);"
                           "update quotes set random = 9 where key = 3");
        auto db = Database::open(path);
        QCOMPARE(column(*db, "select text from quotes where text like '*by the shell*' order by key"),
                 (QStringList{"Changed by the shell", "Written by the shell"}));
        QCOMPARE(column(*db, "select key from quotes where text like '*resist everything*'"), QStringList());
        QCOMPARE(column(*db, "select key from quotes where text like '*Courage*'"), QStringList());
        db.reset();
        QCOMPARE(sqlite_shell(path, "INSERT INTO quotes_text_search(quotes_text_search) VALUES('integrity-check');"
                                    "INSERT INTO quotes_notes_search(quotes_notes_search) VALUES('integrity-check'); PRAGMA integrity_check"),
                 QString("ok"));
    }

    // Earlier versions took rows without notes out of the notes' index too, which lowered its
    // count of rows below what it holds; once below zero, every delete failed as "malformed".
    void an_old_search_index_is_put_right() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        auto db = Database::open(path);
        search_index::build(*db);
        QVERIFY(!search_index::needs_mending(*db));
        for (const char* column : {"text", "notes"})
            db->execute_plain(QString("drop trigger quotes_%1_search_delete; create trigger quotes_%1_search_delete after "
                                      "delete on quotes begin insert into quotes_%1_search(quotes_%1_search, rowid, %1) "
                                      "values ('delete', old.key, old.%1); end;")
                                  .arg(column));
        db->execute("delete from quotes where key = 3");
        QVERIFY(search_index::needs_mending(*db));
        search_index::mend(*db);
        QVERIFY(!search_index::needs_mending(*db));
        db->execute("delete from quotes where key in (1, 4, 5, 7)");
        db->execute("update quotes set notes = null where key = 2");
        db->execute("update quotes set notes = 'later' where key = 8");
        QCOMPARE(column(*db, "select key from quotes where notes like '*odd char*' or notes like '*later*' order by key"),
                 (QStringList{"6", "8"}));
        db->execute("delete from quotes");
        db.reset();
        bool shell = false;
        sqlite_shell(path, "select 1", &shell);
        if (!shell) return;
        QCOMPARE(sqlite_shell(path, "INSERT INTO quotes_text_search(quotes_text_search) VALUES('integrity-check');"
                                    "INSERT INTO quotes_notes_search(quotes_notes_search) VALUES('integrity-check'); PRAGMA integrity_check"),
                 QString("ok"));
    }

    void random_order() {
        Fixture f;
        Database& db = *f.ctx->database;
        random_order::Generator rng(7);
        db.execute("update quotes set random = null where key = 1; update quotes set random = 0 where key = 2");
        random_order::fill_missing_random(db, rng);
        QCOMPARE(db.scalar("select count(*) from quotes where random is null or random = 0").toInt(), 0);
        QVERIFY(db.scalar("select random from quotes where key = 1").toDouble() < 1.0);

        // In random order a quotation shown moves one whole unit back each time.
        const GridQuery in_random_order;
        db.execute("update quotes set random = 0.42 where key = 3");
        QCOMPARE(random_order::rotate_quote(db, rng, in_random_order, 3), random_order::Rotation::rotated);
        const double once = db.scalar("select random from quotes where key = 3").toDouble();
        QVERIFY(once >= 1.0 && once < 2.0);
        QCOMPARE(random_order::rotate_quote(db, rng, in_random_order, 999), random_order::Rotation::quote_missing);

        // Numbers always carry a decimal point, whatever the user's locale.
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        random_order::rotate_quote(db, rng, in_random_order, 3);
        const double twice = db.scalar("select random from quotes where key = 3").toDouble();
        QVERIFY2(twice > 2.0 && twice < 3.0, qPrintable(QString::number(twice)));  // 2.x, its fraction kept
        QLocale::setDefault(saved);

        // Every number drawn again; the indexes holding it are there as before, with their statistics.
        db.execute_plain("ANALYZE");
        const QString indexes_sql = "select group_concat(name || ':' || sql, ';') from (select name, sql from sqlite_master "
                                    "where type = 'index' and tbl_name = 'quotes' and sql is not null order by name)";
        const QString stats_sql = "select group_concat(idx || ':' || stat, ';') from (select idx, stat from sqlite_stat1 "
                                  "where tbl = 'quotes' order by idx)";
        const QString indexes = db.scalar(indexes_sql).toString(), stats = db.scalar(stats_sql).toString();
        QVERIFY(indexes.contains("(random"));
        const double sum_before = db.scalar("select sum(random) from quotes").toDouble();
        random_order::randomize_all(db, rng);
        QCOMPARE(db.scalar("select count(*) from quotes where random >= 1 or random <= 0").toInt(), 0);
        QVERIFY(db.scalar("select sum(random) from quotes").toDouble() != sum_before);
        QCOMPARE(db.scalar(indexes_sql).toString(), indexes);
        QCOMPARE(db.scalar(stats_sql).toString(), stats);
    }
};

SENTARA_TESTS(TestDatabase)
#include "test_database.moc"
