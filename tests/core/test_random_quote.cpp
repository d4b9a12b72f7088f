// The quotation the terminal shows: the next of the random order, moved to the back.
#include "core/random_quote.h"
#include "database/database.h"
#include "database/random_order.h"
#include "support/fixture.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <atomic>
#include <sqlite3.h>
#include <thread>

namespace {

// One call of the terminal command: its own connection, one quotation, closed again.
std::optional<ShownQuote> one_call(const QString& path, random_order::Generator& rng) {
    auto db = Database::open(path);
    return next_random_quote(*db, rng, RandomChoice{});
}

}  // namespace

class TestRandomQuote : public QObject {
    Q_OBJECT

private slots:
    void quotations_without_a_number_come_once_in_a_round() {
        // New quotations from an import have no number yet, beside ones that have.
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        Database::open(path)->execute("update quotes set random = null where key <= 3; update quotes set random = 0 where key = 4");
        random_order::Generator rng(3);
        QSet<qint64> shown;
        for (int i = 0; i < 8; ++i) {
            const auto q = one_call(path, rng);
            QVERIFY(q);
            QVERIFY2(!shown.contains(q->key), qPrintable(QString("quotation %1 came twice in one round").arg(q->key)));
            shown.insert(q->key);
        }
        QCOMPARE(Database::open(path)->scalar("select count(*) from quotes where random >= 1 and random < 2").toInt(), 8);
    }

    void calls_beside_a_writer_never_fail() {
        QTemporaryDir dir;
        const QString path = make_fixture_database(dir.path());
        // Another program commits again and again, as the window does while the user saves.
        std::atomic<bool> stop{false};
        std::atomic<int> commits{0};
        std::thread writer([&] {
            sqlite3* other = nullptr;
            sqlite3_open(QFile::encodeName(path).constData(), &other);
            sqlite3_busy_timeout(other, 5000);
            sqlite3_exec(other, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
            while (!stop) {
                if (sqlite3_exec(other, "UPDATE websites SET name = name; INSERT INTO subjects VALUES ('s' || random(), 0)",
                                 nullptr, nullptr, nullptr) == SQLITE_OK)
                    ++commits;
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            sqlite3_close(other);
        });
        for (int i = 0; commits == 0 && i < 5000; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const int commits_before = commits;
        random_order::Generator rng(5);
        QStringList failures;
        for (int i = 0; i < 150; ++i) {
            try {
                QVERIFY(one_call(path, rng));
            } catch (const DbError& e) {
                failures << e.description();
            }
        }
        stop = true;
        writer.join();
        QVERIFY(commits > commits_before);  // it wrote meanwhile
        QVERIFY2(failures.isEmpty(), qPrintable(QString("%1 calls failed: %2").arg(failures.size()).arg(failures.value(0))));
    }
};

SENTARA_TESTS(TestRandomQuote)
#include "test_random_quote.moc"
