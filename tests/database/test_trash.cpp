// The Trash in the file: forgetting by age, and a move cut short by a killed process.
#include "database/database.h"
#include "database/search_index.h"
#include "database/trash.h"
#include "support/fixture.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QList<qint64> keys_in(Database& db, const QString& table) {
    QList<qint64> keys;
    Statement st = db.prepare_plain(QStringLiteral("SELECT key FROM %1 ORDER BY key").arg(table));
    while (st.step()) keys << st.column_int64(0);
    return keys;
}

}  // namespace

class TestTrashFile : public QObject {
    Q_OBJECT
private slots:
    void batches_older_than_the_days_kept_are_forgotten() {
        QTemporaryDir dir;
        auto db = Database::open(make_fixture_database(dir.path()));
        const qint64 old = trash::open_batch(*db, "delete");
        trash::move_quotes(*db, old, {1, 2});
        trash::move_rows(*db, old, "authors", "Nobody Yet");
        const qint64 recent = trash::open_batch(*db, "delete");
        trash::move_quotes(*db, recent, {3});
        const qint64 now = db->scalar("select max(deleted_at) from trash_batches").toLongLong();
        db->execute_plain(QStringLiteral("UPDATE trash_batches SET deleted_at = deleted_at - 30 * 86400 WHERE batch = %1").arg(old));

        QCOMPARE(trash::purge(*db, 0, now), 0);  // 0: kept for ever
        QCOMPARE(trash::purge(*db, 31, now), 0);
        QCOMPARE(trash::purge(*db, 30, now), 2);
        QCOMPARE(keys_in(*db, "trash_quotes"), QList<qint64>({3}));
        QCOMPARE(db->scalar("select count(*) from trash_authors").toInt(), 0);
        QCOMPARE(db->scalar("select group_concat(batch) from trash_batches").toLongLong(), recent);
        QCOMPARE(keys_in(*db, "quotes"), QList<qint64>({4, 5, 6, 7, 8}));
    }

    // A process killed in the middle of a move (its transaction begun, thousands of rows moved
    // already) leaves every quotation in the collection or in the Trash, never in neither, and
    // the search index in step.
    void a_move_killed_half_way_loses_nothing() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        {
            auto db = Database::open(path);
            db->execute_plain("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 12000) "
                              "INSERT INTO quotes (text, author, subject, language, notes, random) "
                              "SELECT 'Quote number ' || i, 'Smith', 'Life', 'EN', CASE WHEN i % 3 = 0 THEN 'n' || i END, "
                              "i / 12000.0 FROM n");
            search_index::build(*db);
            // An earlier batch, done: it stays in the Trash whatever happens to the next one.
            trash::move_quotes(*db, trash::open_batch(*db, "delete"), {1, 2});
        }
        std::vector<qint64> keys;
        for (qint64 k = 3; k <= 12008; ++k) keys.push_back(k);
        const pid_t child = fork();
        if (child == 0) {
            try {
                auto db = Database::open(path);
                Database::Transaction t(*db);
                trash::move_quotes(*db, trash::open_batch(*db, "delete"), keys, [](qint64 done, qint64) {
                    if (done >= 8192) ::kill(::getpid(), SIGKILL);
                });
                t.commit();
            } catch (...) {
            }
            ::_exit(3);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        auto db = Database::open(path);
        QCOMPARE(db->scalar("PRAGMA integrity_check").toString(), QString("ok"));
        QCOMPARE(keys_in(*db, "trash_quotes"), QList<qint64>({1, 2}));
        QCOMPARE(db->scalar("select count(*) from quotes").toInt(), 12006);
        QCOMPARE(db->scalar("select count(*) from trash_batches").toInt(), 1);
        db->execute_plain("INSERT INTO quotes_text_search(quotes_text_search) VALUES ('integrity-check')");
        db->execute_plain("INSERT INTO quotes_notes_search(quotes_notes_search) VALUES ('integrity-check')");

        // And the same move done whole, then undone, brings every row back.
        const qint64 batch = trash::open_batch(*db, "delete");
        QCOMPARE(trash::move_quotes(*db, batch, keys), qint64(keys.size()));
        QCOMPARE(db->scalar("select count(*) from quotes").toInt(), 0);
        const auto undone = trash::undo_last(*db);
        QVERIFY(undone && undone->refused.isEmpty());
        QCOMPARE(undone->quotes, qint64(keys.size()));
        QCOMPARE(db->scalar("select count(*) from quotes where text like '*number 11999*'").toInt(), 1);
        db->execute_plain("INSERT INTO quotes_text_search(quotes_text_search) VALUES ('integrity-check')");
        db->execute_plain("INSERT INTO quotes_notes_search(quotes_notes_search) VALUES ('integrity-check')");
    }
};

SENTARA_TESTS(TestTrashFile)
#include "test_trash.moc"
