// The program's command line, run as a user runs it from a shell: the real executable, its
// output and its exit status.
#include "database/database.h"
#include "support/fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Run = ProgramRun;
Run sentara(const QStringList& args, const QString& home, const std::function<void()>& in_child = {}) {
    return run_program(SENTARA_EXE, args, home, in_child);
}

constexpr uid_t nobody = 65534;

// Run as "nobody": root may write any file, so a test run as root plays a user without the right.
void as_nobody() {
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(125);
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QString db_;

private slots:
    void init() {
        static int made = 0;
        db_ = make_fixture_database(home_.path(), QStringLiteral("q%1.mdb").arg(++made));
        // Five quotations the main window lists, in a known random order.
        auto db = Database::open(db_);
        db->execute("delete from quotes where key > 5; update quotes set author = 'Mark Twain' where key = 4");
    }

    void random_goes_through_the_whole_collection() {
        QStringList first_round;
        for (int i = 0; i < 5; ++i) {
            const Run r = sentara({"--random", "--database", db_}, home_.path());
            QCOMPARE(r.status, 0);
            QVERIFY2(r.out.contains("\n\t-- "), qPrintable(r.out));
            first_round << r.out;
        }
        QCOMPARE(QSet<QString>(first_round.begin(), first_round.end()).size(), 5);
        QCOMPARE(first_round.first(), QString("Courage is resistance to fear, not absence of fear.\n\t-- Mark Twain\n"));
        // Then the round begins again: a quotation already shown, and again all five.
        QStringList second_round;
        for (int i = 0; i < 5; ++i) second_round << sentara({"--random", "--database", db_}, home_.path()).out;
        QVERIFY(first_round.contains(second_round.first()));
        QCOMPARE(QSet<QString>(second_round.begin(), second_round.end()), QSet<QString>(first_round.begin(), first_round.end()));
        // Each call moved one quotation back by one round, as the main window does.
        auto db = Database::open(db_, Database::Options{true, true});
        QCOMPARE(db->scalar("select count(*) from quotes where random >= 2 and random < 3").toInt(), 5);
    }

    void choices_narrow_and_json_parses() {
        const Run wilde = sentara({"--random", "--database", db_, "--author", "wilde", "--format", "json"}, home_.path());
        QCOMPARE(wilde.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(wilde.out.toUtf8()).object();
        QCOMPARE(o.value("author").toString(), QString("Oscar Wilde"));
        QCOMPARE(o.value("key").toInt(), 2);
        QCOMPARE(o.value("note").toString(), QString("Lady Windermere"));
        for (const char* k : {"text", "subject", "language", "rate"}) QVERIFY(o.contains(QLatin1String(k)));
        const Run rated = sentara({"--random", "--database", db_, "--min-rate", "3", "--format", "json"}, home_.path());
        QVERIFY(QJsonDocument::fromJson(rated.out.toUtf8()).object().value("rate").toInt() == 3);
        const Run worded = sentara({"--random", "--database", db_, "--filter", "MISTAKES"}, home_.path());
        QVERIFY(worded.out.startsWith("Experience is the name"));
        const Run subject = sentara({"--random", "--database", db_, "--subject", "Love", "--language", "EN"}, home_.path());
        QVERIFY(subject.out.startsWith("I can resist"));
    }

    void find_duplicates_lists_exactly_the_planted_groups() {
        // Fixture keys 1..5 differ; planted (keys 9 on): 9 and 10 as 1 once folded, 11 as 2 with an
        // attribution, 12 and 13 a numbered series (not duplicates), 14 a copy of 3 a word longer.
        auto db = Database::open(db_);
        db->execute(QString::fromUtf8(
            "insert into quotes (text, author) values "
            "('COURAGE is resistance to fear — not absence of fear', 'Twain'),"
            "('  «Courage is résistance to fear, not absence of fear!»', 'M. Twain'),"
            "('I can resist everything except temptation.\n— Oscar Wilde', 'Wilde'),"
            "('Law #15: anything that can go wrong will go wrong.', 'Murphy'),"
            "('Law #19: anything that can go wrong will go wrong.', 'Murphy'),"
            "('Experience is simply the name we give our mistakes.', 'Wilde')"));
        db.reset();
        const Run plain = sentara({"--find-duplicates", "--database", db_}, home_.path());
        QCOMPARE(plain.status, 0);
        QStringList heads;
        for (const QString& line : plain.out.split(u'\n'))
            if (line.startsWith("exact ") || line.startsWith("near ")) heads << line;
        QCOMPARE(heads, (QStringList{"exact 1 9 10", "near 2 11", "near 3 14"}));
        // The same groups as JSON, each quotation with its fields; a stricter threshold drops the
        // copy a word longer, never the ones the same but for an attribution.
        const Run json = sentara({"--find-duplicates", "--database", db_, "--format", "json", "--threshold", "95"}, home_.path());
        QCOMPARE(json.status, 0);
        const QJsonArray groups = QJsonDocument::fromJson(json.out.toUtf8()).object().value("groups").toArray();
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[1].toObject().value("kind").toString(), QString("near"));
        const QJsonArray near = groups[1].toObject().value("quotations").toArray();
        QCOMPARE(near[0].toObject().value("key").toInt(), 2);
        QCOMPARE(near[0].toObject().value("note").toString(), QString("Lady Windermere"));
        QCOMPARE(near[1].toObject().value("author").toString(), QString("Wilde"));
        QCOMPARE(sentara({"--find-duplicates", "--database", db_, "--threshold", "0"}, home_.path()).status, 2);
        QCOMPARE(sentara({"--find-duplicates", "--database", home_.path() + "/nowhere.mdb"}, home_.path()).status, 1);
    }

    void bad_requests_end_with_a_reason() {
        const Run none = sentara({"--random", "--database", db_, "--author", "Nobody Yet"}, home_.path());
        QCOMPARE(none.status, 1);
        QVERIFY(none.err.contains("no quotation"));
        QVERIFY(none.out.isEmpty());
        const Run missing = sentara({"--random", "--database", home_.path() + "/nowhere.mdb"}, home_.path());
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains("nowhere.mdb"));
        const Run rate = sentara({"--random", "--database", db_, "--min-rate", "9"}, home_.path());
        QCOMPARE(rate.status, 2);
        QVERIFY(rate.err.contains("--min-rate"));
        QCOMPARE(sentara({"--author", "x"}, home_.path()).status, 2);
        QCOMPARE(sentara({"--bogus"}, home_.path()).status, 2);
        const Run help = sentara({"--help"}, home_.path());
        QVERIFY(help.status == 0 && help.out.contains("--random"));
        QVERIFY(sentara({"--version"}, home_.path()).out.startsWith("Sentara version"));
    }

    void a_collection_this_user_cannot_write_is_read_and_left_as_it_is() {
        // The file alone, or its folder alone, is not the user's to write.
        for (const bool folder_only : {false, true}) {
            QTemporaryDir shelf;
            QVERIFY(QFile::setPermissions(shelf.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                            QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                                            QFile::ExeGroup));
            const QString path = QFile(db_).copy(shelf.path() + "/shelf.mdb") ? shelf.path() + "/shelf.mdb" : QString();
            QVERIFY(!path.isEmpty());
            const QString lines = write_file(shelf.path() + "/new.txt", "A new thought.\n(Seneca)\n");
            const bool root = ::geteuid() == 0;
            std::function<void()> in_child;
            if (root) {
                in_child = as_nobody;
                if (folder_only) QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
            } else {
                ::chmod(QFile::encodeName(folder_only ? shelf.path() : path).constData(), folder_only ? 0555 : 0444);
            }
            const QByteArray before = read_file(path);

            const Run first = sentara({"--random", "--database", path}, home_.path(), in_child);
            if (root && first.status == 125) QSKIP("this system lets no program give up root's rights");
            QVERIFY2(first.status == 0 && first.err.isEmpty(), qPrintable(first.err));
            QCOMPARE(first.out, QString("Courage is resistance to fear, not absence of fear.\n\t-- Mark Twain\n"));
            // Not moved back: the next call shows it again.
            QCOMPARE(sentara({"--random", "--database", path}, home_.path(), in_child).out, first.out);

            const Run import = sentara({"--import", lines, "--database", path}, home_.path(), in_child);
            QCOMPARE(import.status, 1);
            QVERIFY2(import.err.contains(path) && import.err.contains("read"), qPrintable(import.err));

            ::chmod(QFile::encodeName(shelf.path()).constData(), 0755);
            QCOMPARE(read_file(path), before);
            for (const char* companion : {"-wal", "-shm", "-journal", ".lock"}) QVERIFY(!QFile::exists(path + companion));
        }
    }

    void random_beside_a_running_program_damages_nothing() {
        // The program runs on the file: its lock is held, it has rotated the rows it showed.
        QDir().mkpath(home_.path() + "/.config/Sentara");
        QVERIFY(!write_file(home_.path() + "/.config/Sentara/Sentara.conf", "[general]\nlast_db_file=" + db_.toUtf8() + "\n").isEmpty());
        QProcess program;
        program.setProcessEnvironment(program_environment(home_.path()));
        program.start(QStringLiteral(SENTARA_EXE), {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(db_ + ".lock") && QFile::exists(db_ + "-wal"), 15000);
        // Its first rows are shown, and rotated.
        QTRY_VERIFY_WITH_TIMEOUT(Database::open(db_, Database::Options{true, true})
                                         ->scalar("select count(*) from quotes where random >= 1").toInt() >= 1,
                                 15000);
        QStringList shown;
        for (int i = 0; i < 3; ++i) {
            const Run r = sentara({"--random"}, home_.path());  // the database the program uses
            QCOMPARE(r.status, 0);
            shown << r.out;
        }
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 3);
        ::kill(pid_t(program.processId()), SIGTERM);  // the desktop ends the session
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitCode(), 0);
        auto db = Database::open(db_, Database::Options{true, true});
        QCOMPARE(db->scalar("PRAGMA integrity_check").toString(), QString("ok"));
        // The program's rotations and the three of the command line are all in the file.
        QVERIFY(db->scalar("select count(*) from quotes where random >= 1").toInt() >= 4);
        QVERIFY(!QFile::exists(db_ + "-wal"));
    }
};

SENTARA_TESTS(TestCommandLine)
#include "test_command_line.moc"
