// The import for scripts, run as a script runs it: the real program with its own home folder,
// its exit status, what it prints, and what the database holds afterwards.
#include "database/database.h"
#include "database/duplicates.h"
#include "formats/fortune_format.h"
#include "formats/quote_import.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = ProgramRun;
Run sentara(const QStringList& args, const QString& home) { return run_program(SENTARA_EXE, args, home); }

// A text as a repeat is found, computed here on its own: letter case and runs of blanks aside.
// What makes two cookies the same: their texts once folded (letter case, accents, punctuation,
// blanks aside); a text of signs alone, which folds to nothing, by its letters and blanks.
QString same_cookie_key(const QString& text) {
    const QString folded = duplicates::fold(text);
    return folded.isEmpty() ? u'\x01' + text.simplified().toCaseFolded() : folded;
}

// A new database the program makes in `home`; empty text when it could not.
QString new_database(const QTemporaryDir& home, const QString& name = "q.mdb") {
    const QString db = home.path() + "/" + name;
    return sentara({"--create-database", db}, home.path()).status == 0 ? db : QString();
}

// The program run with `args` ends with `status`, each of `reasons` in what it says on its
// error output.
bool refused(const QString& home, const QStringList& args, int status, const QStringList& reasons = {}) {
    const Run r = sentara(args, home);
    bool as_expected = r.status == status;
    for (const QString& reason : reasons) as_expected = as_expected && r.err.contains(reason);
    if (!as_expected) qWarning().noquote() << args.join(' ') << "ended with" << r.status << r.out << r.err;
    return as_expected;
}

int quotes_in(const QString& db) { return Database::open(db)->scalar("SELECT count(*) FROM quotes").toInt(); }

}  // namespace

class TestImportCommand : public QObject {
    Q_OBJECT
private slots:
    void imports_into_a_new_database_and_prints_the_report() {
        QTemporaryDir home;
        const QString db = new_database(home, "new.mdb");
        const QString input = write_file(home.path() + "/in.txt",
                                         "\xEF\xBB\xBFLife is long if you know how to use it well (Seneca)\r\n.rate=3\r\n"
                                         "life is LONG if you know how to use it WELL, said he\r\n"
                                         "Without an author\r\n.lang=fr\r\n");
        const Run first = sentara({"--import", input, "--database", db, "--subject", "Letters", "--language", "it"}, home.path());
        QCOMPARE(first.status, 0);
        QCOMPARE(first.err, QString());
        QCOMPARE(first.out, QString("Read as Text (one a line) (guessed from the file; --format chooses another).\n"
                                    "POSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:\n\n"
                                    "life is LONG if you know how to use it WELL, said he\n\n"
                                    "Duplicated quotes in input text: 1\nNew quotes: 2\n"
                                    "\"IT\" will be used as default language\n"
                                    "2 quotes added in database.\n"
                                    "AUTHORS ADDED TO THE DATABASE:\n\nSeneca\n\nAnonymous\n\n"
                                    "SUBJECTS ADDED TO THE DATABASE:\n\nLetters\n\n"));
        const auto check = Database::open(db);
        QCOMPARE(check->scalar("SELECT author || '|' || subject || '|' || language || '|' || rate FROM quotes "
                               "WHERE text = 'Life is long if you know how to use it well'")
                     .toString(),
                 QString("Seneca|Letters|IT|3"));
        QCOMPARE(check->scalar("SELECT language FROM quotes WHERE text = 'Without an author'").toString(), QString("FR"));

        // Again: everything is already there.
        const Run again = sentara({"--import", input, "--database", db}, home.path());
        QCOMPARE(again.status, 0);
        QVERIFY(again.out.contains("Duplicated quotes in database: 2\nNew quotes: 0\n0 quotes added in database.\n"));
        QCOMPARE(quotes_in(db), 2);
    }

    // Everything the program writes, it reads back whole: a collection of the hard cases goes out
    // with --export as CSV and as fortune and comes back with --import into new databases. CSV
    // gives every field back; fortune the text byte for byte, the author and the note.
    void exports_come_back_whole_through_import() {
        QTemporaryDir home;
        const QString source = new_database(home, "source.mdb");
        const QString forty = "The first forty characters are the same in both, ";
        {
            auto db = Database::open(source);
            Statement add = db->prepare("INSERT INTO quotes (text, author, subject, language, notes, rate) VALUES (?, ?, ?, ?, ?, ?)");
            const QList<QStringList> rows = {
                {"Before\n%\nafter, and %% too\n%%", "Ada Lovelace", "Life", "EN", "", "1"},
                {forty + "one", "Ada Lovelace", "-", "IT", "", ""},
                {forty + "two", "Ada Lovelace", "-", "IT", "", ""},
                {"   /\\_/\\\n  ( o.o )\n   > ^ <", "Anonymous", "-", "EN", "", ""},
                {".Starts with a full stop", "Anonymous", "-", "EN", "Act 1. Scene 2\nsecond line", "3"},
                {"She said, \"No\"; then: (aside)", "Tolkien, J. R. R. (John Ronald Reuel)", "Love", "FR", "\"Quoted\" note", "2"},
                {"Ends like an attribution\n-- but is the text", "Anonymous", "-", "EN", "", ""},
                {"Zoë said 学而时习之", "Martin Luther King, Jr.", "-", "EN", "The Hobbit, ch. 1", ""},
                {"\u00A0Begins with a no-break space", "Anonymous", "-", "EN", "only a note", ""},
            };
            for (const QStringList& r : rows) {
                for (int i = 0; i < 6; ++i) add.bind(i + 1, r[i].isEmpty() && (i == 4 || i == 5) ? QVariant() : QVariant(r[i]));
                add.step();
                add.reset();
            }
            db->execute("INSERT OR IGNORE INTO authors (name) SELECT DISTINCT author FROM quotes;"
                        "INSERT OR IGNORE INTO subjects (subject) SELECT DISTINCT subject FROM quotes");
        }
        for (const QString format : {"csv", "fortune"}) {
            const QString file = home.path() + "/out." + format;
            const Run exported = sentara({"--export", file, "--format", format, "--database", source}, home.path());
            QCOMPARE(exported.status, 0);
            QVERIFY2(exported.out.startsWith("9 quotes exported to '" + file + "' as " + format + "."), qPrintable(exported.out));
            const QString fresh = new_database(home, "fresh-" + format + ".mdb");
            const Run imported = sentara({"--import", file, "--database", fresh}, home.path());
            QCOMPARE(imported.status, 0);
            QVERIFY2(imported.out.contains("New quotes: 9\n") && !imported.out.contains("SKIPPED"), qPrintable(imported.out));
            QCOMPARE(quote_rows(fresh, format == QLatin1String("csv")), quote_rows(source, format == QLatin1String("csv")));
        }

        // A choice of quotations, and what cannot be exported.
        const Run chosen = sentara({"--export", home.path() + "/ada.csv", "--author", "Ada Lovelace", "--min-rate", "1",
                                    "--database", source},
                                   home.path());
        QCOMPARE(chosen.status, 0);
        QVERIFY(chosen.out.startsWith("1 quotes exported"));
        const QString h = home.path();
        QVERIFY(refused(h, {"--export", h + "/all.txt", "--database", source}, 1,
                        {"cannot be written whole in the text format", "--format csv"}));
        QVERIFY(!QFile::exists(h + "/all.txt"));
        QVERIFY(refused(h, {"--export", h + "/none.csv", "--filter", "no such text", "--database", source}, 1));
        QVERIFY(!QFile::exists(h + "/none.csv"));
        QVERIFY(refused(h, {"--export", h + "/x", "--format", "json", "--database", source}, 2));
        QVERIFY(refused(h, {"--export", h + "/x", "--database", h + "/nowhere.mdb"}, 1));
        QVERIFY(refused(h, {"--export", h + "/no/such/folder/x.csv", "--database", source}, 1, {"cannot be written"}));
    }

    // Debian's fortune cookies (when installed, or in SENTARA_FORTUNES): every file into one
    // database, every cookie comes in but those whose whole text repeats another once folded.
    void debians_fortunes_come_in_whole() {
        QString folder = qEnvironmentVariable("SENTARA_FORTUNES");
        if (folder.isEmpty()) folder = "/usr/share/games/fortunes";
        QStringList files;
        for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
            if (f.suffix().isEmpty()) files << f.filePath();
        if (files.isEmpty()) QSKIP("Debian's fortunes are not installed (package fortunes)");
        QTemporaryDir home;
        const QString db = new_database(home, "fortunes.mdb");
        QSet<QString> texts;
        for (const QString& file : files) {
            const quote_import::FileText read = quote_import::read_text_file(file);
            QCOMPARE(read.error, QString());
            for (const quote_import::Record& r : fortune_format::read(read.text).records) texts.insert(same_cookie_key(r.entry.text));
            const Run r = sentara({"--import", file, "--database", db}, home.path());
            QVERIFY2(r.status == 0 && r.out.startsWith("Read as fortune"), qPrintable(file + ": " + r.out + r.err));
        }
        texts.remove(QString());
        QCOMPARE(quotes_in(db), int(texts.size()));
    }

    void the_programs_own_database_when_none_is_named() {
        QTemporaryDir home;
        const QString db = new_database(home, "mine.mdb");
        QVERIFY(QDir().mkpath(home.path() + "/.config/Sentara"));
        write_file(home.path() + "/.config/Sentara/Sentara.conf", "[general]\nlast_db_file=" + db.toUtf8() + "\n");
        const Run r = sentara({"--import", write_file(home.path() + "/in.txt", "One\nTwo\n")}, home.path());
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.endsWith("2 quotes added in database.\nAUTHORS ADDED TO THE DATABASE:\n\nAnonymous\n\n"));
        // The database's default language for quotations that give none.
        QCOMPARE(Database::open(db)->scalar("SELECT group_concat(language) FROM quotes").toString(), QString("EN,EN"));
    }

    void what_cannot_be_imported_ends_with_status_1_and_the_reason() {
        QTemporaryDir home;
        const QString db = new_database(home);
        const QString h = home.path(), input = write_file(h + "/in.txt", "A quotation\n");
        QVERIFY(refused(h, {"--import", h + "/none.txt", "--database", db}, 1, {"none.txt", "cannot be read"}));
        QVERIFY(refused(h, {"--import", input, "--database", h + "/nowhere.mdb"}, 1));
        QVERIFY(refused(h, {"--import", input, "--database", db, "--language", "xx"}, 1, {"'xx' is not in the database"}));
        QVERIFY(refused(h, {"--import", input, "--database", db, "--colour", "red"}, 2));
        {
            // A running program holds the file.
            QLockFile lock(db + ".lock");
            QVERIFY(lock.tryLock(0));
            QVERIFY(refused(h, {"--import", input, "--database", db}, 1, {"open in a running Sentara"}));
        }
        QCOMPARE(quotes_in(db), 0);
        QCOMPARE(sentara({"--import", input, "--database", db}, home.path()).status, 0);
        QCOMPARE(quotes_in(db), 1);
    }

    void other_formats_are_guessed_or_named_and_access_collections_become_new_databases() {
        QTemporaryDir home;
        const QString db = new_database(home);
        const QString cookies = write_file(home.path() + "/cookies", "Первый, \"в кавычках\"\n\t\t-- Автор\n%\nSecond\n  ~ Other\n%\n");
        const Run guessed = sentara({"--import", cookies, "--database", db}, home.path());
        QCOMPARE(guessed.err, QString());
        QVERIFY2(guessed.out.startsWith("Read as fortune (guessed from the file; --format chooses another).\n"), qPrintable(guessed.out));
        QVERIFY2(guessed.out.contains("New quotes: 2\n") && guessed.out.contains("2 quotes added in database."), qPrintable(guessed.out));
        QCOMPARE(Database::open(db)->scalar("SELECT group_concat(author, '|') FROM (SELECT author FROM quotes ORDER BY key)").toString(),
                 QString("Автор|Other"));

        // Named, the format is the one used; input not in it changes nothing.
        const QString h = home.path();
        QVERIFY(refused(h, {"--import", cookies, "--database", db, "--format", "csv"}, 1,
                        {"sentara: The file '" + cookies + "' cannot be imported as CSV: line 1:"}));
        QVERIFY(refused(h, {"--import", cookies, "--database", db, "--format", "xml"}, 2));
        QVERIFY(refused(h, {"--import", write_file(h + "/empty.csv", "\n"), "--database", db}, 1, {"empty.csv' is empty"}));
        QCOMPARE(quotes_in(db), 2);

        // An Access file: never over an existing database, never a file that holds no collection.
        const QString access = QString(SENTARA_TEST_DATA) + "/node-adodb.mdb";
        const Run exists = sentara({"--import-access", access, "--database", db}, home.path());
        QCOMPARE(exists.status, 1);
        QVERIFY2(exists.err.contains("has no table quotes") || exists.err.contains("already exists"), qPrintable(exists.err));
        QCOMPARE(quotes_in(db), 2);
        QVERIFY(refused(h, {"--import-access", access, "--database", h + "/new.db"}, 1));
        QVERIFY(!QFile::exists(h + "/new.db"));
        QVERIFY(refused(h, {"--import-access", access}, 2));
    }
};

SENTARA_TESTS(TestImportCommand)
#include "test_import_command.moc"
