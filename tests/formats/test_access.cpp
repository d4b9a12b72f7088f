// Access files: the reader on a real file written by Access (never written to; truncated and
// foreign files refused), and the mapping of a collection's tables, fed by hand, into a new
// database with every row that does not fit reported by its key.
#include "database/database.h"
#include "formats/access_import.h"
#include "support/fixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using access_file::Contents;
using access_file::Table;

namespace {

const QString real_file = QStringLiteral(SENTARA_TEST_DATA "/node-adodb.mdb");

QString one(const QString& path, const QString& sql) { return Database::open(path)->scalar(sql).toString(); }

// A collection as an Access file holds it, with rows that fit and rows that do not.
Contents collection() {
    Contents c;
    c.tables.push_back({"Authors", {"name", "notes", "picture", "random"},
                        {{"Mark Twain", "American", "twain.jpg", "5.0000000000000000e-01"}, {"mark twain", "a second row", "", ""},
                         {"", "nameless", "", ""}, {"Oscar Wilde", "", "", ""}}});
    c.tables.push_back({"subjects", {"subject", "quantity"}, {{"Life", "3"}, {"-", "0"}}});
    c.tables.push_back({"Languages", {"code", "description", "def"}, {{"EN", "English", "No"}, {"IT", "Italiano", "Yes"}, {"it", "again", "Yes"}}});
    c.tables.push_back({"websites", {"name", "address", "language", "note"}, {{"Wiki", "https://example.org", "EN", "a site"}}});
    c.tables.push_back({"quotes", {"key", "text", "author", "subject", "language", "notes", "rate", "random"},
                        {{"10", "Fine, with \"all\" fields", "Mark Twain", "Life", "EN", "a note", "2", "2.5000000000000000e-01"},
                         {"11", "Rate out of range", "MARK TWAIN", "", "it", "", "5", ""},
                         {"12", "  ", "Mark Twain", "Life", "EN", "", "", ""},
                         {"13", "Nobody said it", "", "Life", "EN", "", "", ""},
                         {"14", "Unknown names", "Seneca", "Stoicism", "LA", "", "1.0", ""},
                         {"14", "The same key", "Oscar Wilde", "Life", "EN", "", "", ""},
                         {"", "No key, no language", "Oscar Wilde", "Life", "", "", "3", ""}}});
    return c;
}

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void the_reader_reads_a_real_access_file_and_never_writes_it() {
        const QByteArray before = read_file(real_file);
        QVERIFY(!before.isEmpty());
        const Contents all = access_file::read(real_file);
        QCOMPARE(all.error, QString());
        QCOMPARE(all.tables.size(), size_t(1));  // the system tables are not given
        const Table* users = all.table("USERS");
        QVERIFY(users);
        QCOMPARE(users->columns, QStringList({"UserId", "UserName", "UserSex", "UserBirthday", "UserMarried"}));
        QCOMPARE(users->rows.size(), size_t(3));
        QCOMPARE(users->rows[0].mid(0, 3), QStringList({"1", "Nuintun", "Male"}));
        QCOMPARE(users->rows[2].mid(0, 3), QStringList({"3", "张三", "男"}));
        QCOMPARE(users->rows[1][4], QString("0"));
        QVERIFY(access_file::read(real_file, {"quotes"}).tables.empty());
        QCOMPARE(read_file(real_file), before);

        // Not a collection of quotations: refused, and no new file is left.
        QTemporaryDir dir;
        const access_import::Outcome o = access_import::import_file(real_file, dir.path() + "/new.mdb");
        QCOMPARE(o.error, "The file '" + real_file + "' is not a collection of quotations: it has no table quotes with a column text.");
        QVERIFY(!QFile::exists(dir.path() + "/new.mdb"));
    }

    void damaged_truncated_and_foreign_files_are_refused() {
        QTemporaryDir dir;
        const QByteArray whole = read_file(real_file);
        const auto error_of = [](const QString& path) { return access_file::read(path).error; };
        const QString half = write_file(dir.path() + "/half.mdb", whole.left(100000));
        QCOMPARE(error_of(half), "The file '" + half + "' is truncated or damaged: it is not made of whole pages of an Access database.");
        // Cut at a page's end: mdbtools misses a page it needs.
        const QString pages = write_file(dir.path() + "/pages.mdb", whole.left(65536));
        QVERIFY2(error_of(pages).startsWith("The file '" + pages + "' is damaged or truncated: mdbtools says"), qPrintable(error_of(pages)));
        const QString text = write_file(dir.path() + "/text.mdb", "Quotes, one a line\n");
        QCOMPARE(error_of(text), "The file '" + text + "' is not an Access database (.mdb) file.");
        const QString ours = make_fixture_database(dir.path(), "ours.mdb");
        QVERIFY(error_of(ours).contains("is a database of this program already"));
        QCOMPARE(error_of(dir.path() + "/none.mdb"), "The file '" + dir.path() + "/none.mdb' does not exist.");
    }

    void a_collection_becomes_a_new_database_with_every_misfit_reported() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/new.mdb";
        const access_import::Outcome o = access_import::create(collection(), "old.mdb", path);
        QCOMPARE(o.error, QString());
        QCOMPARE(o.counts_text(), QString("5 quotations, 3 authors, 3 subjects, 3 languages and 1 web site"));
        QCOMPARE(one(path, "SELECT group_concat(key || '=' || text || '|' || author || '|' || subject || '|' || language || '|' || "
                           "coalesce(notes, '') || '|' || coalesce(rate, '') || '|' || coalesce(random, ''), char(10)) FROM "
                           "(SELECT * FROM quotes ORDER BY key)"),
                 QString("10=Fine, with \"all\" fields|Mark Twain|Life|EN|a note|2|0.25\n"
                         "11=Rate out of range|Mark Twain|-|IT|||\n"
                         "14=Unknown names|Seneca|Stoicism|LA||1|\n"
                         "15=The same key|Oscar Wilde|Life|EN|||\n"
                         "16=No key, no language|Oscar Wilde|Life|IT||3|"));
        QCOMPARE(one(path, "SELECT group_concat(name || '|' || coalesce(notes, '') || '|' || coalesce(picture, '') || '|' || "
                           "coalesce(random, ''), ';') FROM authors"),
                 QString("Mark Twain|American|twain.jpg|0.5;Oscar Wilde|||;Seneca|||"));
        QCOMPARE(one(path, "SELECT group_concat(code || '=' || def, ';') FROM languages"), QString("EN=No;IT=Yes;LA=No"));
        QCOMPARE(one(path, "SELECT group_concat(subject, ';') FROM subjects"), QString("Life;-;Stoicism"));
        QCOMPARE(one(path, "SELECT name || '|' || address || '|' || language || '|' || note FROM websites"),
                 QString("Wiki|https://example.org|EN|a site"));
        QCOMPARE(one(path, "SELECT group_concat(rate) FROM rating"), QString("1,2,3"));

        const QString report = o.report();
        for (const char* part :
             {"ROWS OF THE REFERENCE TABLES NOT IMPORTED:\r\n\r\n"
              "'it': a language with the name of one before (letter case aside)\r\n"
              "'mark twain': an author with the name of one before (letter case aside)\r\n"
              "row 3: an author without a name\r\n\r\nQUOTATIONS NOT IMPORTED",
              "QUOTATIONS NOT IMPORTED (BY KEY):\r\n\r\n12: no text\r\n13: no author\r\n",
              "QUOTATIONS IMPORTED WITH A CHANGE (BY KEY):\r\n\r\n11: the rate 5 is not 1, 2 or 3: imported without a rate\r\n"
              "14: a key that is not a whole number used once: given a new one\r\n"
              "row 7: no key: given a new one\r\nrow 7: no language: given the default language IT\r\n",
              "BY THE KEYS OF THE QUOTATIONS):\r\n\r\n14: the author 'Seneca'\r\n14: the subject 'Stoicism'\r\n14: the language 'LA'\r\n"})
            QVERIFY2(report.contains(QString::fromUtf8(part)), qPrintable(report));

        // An existing file is never replaced.
        const access_import::Outcome again = access_import::create(collection(), "old.mdb", path);
        QVERIFY(again.error.contains("already exists"));
        QCOMPARE(one(path, "SELECT count(*) FROM quotes"), QString("5"));

        // Stopped while it writes, nothing is left of the new database.
        const QString stopped = QFileInfo(path).absolutePath() + "/stopped.mdb";
        QVERIFY_THROWS_EXCEPTION(DbError, access_import::create(collection(), "old.mdb", stopped, [](qint64, qint64) {
            throw DbError(db_errors::cancelled, "Stopped.");
        }));
        QVERIFY(!QFile::exists(stopped));
        QVERIFY(!QFile::exists(stopped + "-wal") && !QFile::exists(stopped + "-journal"));
    }

    void a_collection_without_reference_tables_keeps_what_its_quotations_name() {
        QTemporaryDir dir;
        Contents c;
        c.tables.push_back({"QUOTES", {"Key", "Text", "Author"}, {{"1", "Alone", "Somebody"}}});
        const access_import::Outcome o = access_import::create(c, "old.mdb", dir.path() + "/new.mdb");
        QCOMPARE(o.error, QString());
        // The starting languages stay, with their default; the author is added.
        QCOMPARE(one(dir.path() + "/new.mdb", "SELECT author || '|' || subject || '|' || language FROM quotes"), QString("Somebody|-|EN"));
        QVERIFY(o.report().contains("1: the author 'Somebody'"));
    }
};

SENTARA_TESTS(TestAccess)

#include "test_access.moc"
