// Start-up: choosing, creating, checking, compacting and backing up the database file.
#include "core/app_context.h"
#include "core/common.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/recordset.h"
#include "database/schema.h"
#include "database/grid_keys.h"
#include "database/search_index.h"
#include "database/trash.h"
#include "support/fixture.h"

#include <QCryptographicHash>
#include <QScopeGuard>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QTest>

#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>

namespace {

QByteArray digest(const QString& path) {
    return QCryptographicHash::hash(read_file(path), QCryptographicHash::Sha1);
}

// Fills the file with `pages` rows of 1000 bytes, dropped again unless `keep`: space to give back.
void bloat(const QString& path, int pages, bool keep = false) {
    Database::open(path)->execute(QStringLiteral("create table filler (x); insert into filler select randomblob(1000) from "
                                                 "(with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                                                 "select i from n)%2")
                                      .arg(pages)
                                      .arg(keep ? "" : "; drop table filler"));
}

// Runs `f` while no file may grow past `bytes`: writes past it fail with "File too large".
template <class F>
auto with_file_size_limit(rlim_t bytes, F f) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = f();
    setrlimit(RLIMIT_FSIZE, &saved);
    return result;
}

void age(const QString& path, int hours) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-hours * 3600), QFileDevice::FileModificationTime));
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir* folder_ = nullptr;
    QString program_;  // a portable program folder: the default database lives in it

    // One start of the program; the context is closed again afterwards, as at program end.
    bool start(ScriptedUi& ui, bool* shown = nullptr) {
        AppContext ctx(ui);
        ctx.program_folder = program_;
        bool was_shown = false;
        ctx.show_main_window = [&] { was_shown = true; };
        const bool ok = Main(ctx) == StartResult::started;
        if (shown) *shown = was_shown;
        if (ok && (!ctx.database || !ctx.list_database)) return false;
        return ok;
    }
    QString default_path() const { return program_ + "/quotes.mdb"; }
    // The fixture's collection as `name`, with `pages` of 1000 bytes to give back (kept when
    // `keep`), chosen as the file to open.
    QString chosen(const QString& name, int pages = 0, bool keep = false) {
        const QString path = make_fixture_database(folder_->path(), name);
        if (pages) bloat(path, pages, keep);
        save_setting("last_db_file", path);
        return path;
    }

private slots:
    void init() {
        folder_ = new QTemporaryDir;
        program_ = folder_->path() + "/program";
        QDir().mkpath(program_);
        QVERIFY(!write_file(program_ + "/sentara-portable", "").isEmpty());
        save_setting("last_db_file", "");
    }
    void cleanup() {
        delete folder_;
        QDir::setCurrent(QDir::tempPath());
    }

    // What was deleted more than the days kept ago is forgotten at start, under the start's
    // exclusive lock; 0 days keeps everything.
    void the_trash_forgets_old_deletions_at_start() {
        const QString path = chosen("trash.mdb");
        {
            auto db = Database::open(path);
            const qint64 old = trash::open_batch(*db, "delete");
            trash::move_quotes(*db, old, {1});
            trash::move_quotes(*db, trash::open_batch(*db, "delete"), {2});
            db->execute_plain(QString("UPDATE trash_batches SET deleted_at = deleted_at - 31 * 86400 WHERE batch = %1").arg(old));
        }
        const auto trashed = [&] { return Database::open(path)->scalar("select group_concat(key) from trash_quotes").toString(); };
        ScriptedUi ui;
        save_setting("trash_keep_days", "0");
        QVERIFY(start(ui));
        QCOMPARE(trashed(), QString("1,2"));
        save_setting("trash_keep_days", "");
        QVERIFY(start(ui));
        QCOMPARE(trashed(), QString("2"));
    }

    void first_run_offers_a_new_database_with_samples() {
        ScriptedUi ui;
        ui.expect_message("No quotation database was found", Ui::ok);
        bool shown = false;
        QVERIFY(start(ui, &shown));
        QVERIFY(shown);
        QCOMPARE(get_setting("last_db_file"), default_path());
        auto db = Database::open(default_path());
        QVERIFY(db->scalar("select count(*) from quotes").toInt() >= 30);
        QCOMPARE(db->scalar("select count(*) from quotes where random is null or random = 0").toInt(), 0);
        QVERIFY(QFile::exists(default_path() + ".old"));
        QVERIFY(ui.all_answers_used());
    }

    void first_run_cancel_leads_to_the_file_dialog() {
        ScriptedUi ui;
        ui.expect_message("No quotation database was found", Ui::cancel);
        ui.expect_open_file(QString());
        QVERIFY(!start(ui));  // cancelled: the program ends without a message

        // A name that does not exist yet becomes a new, empty database.
        ScriptedUi ui2;
        const QString mine = folder_->path() + "/mine.mdb";
        ui2.expect_message("No quotation database was found", Ui::cancel);
        ui2.expect_open_file(mine);
        QVERIFY(start(ui2));
        QCOMPARE(get_setting("last_db_file"), mine);
        QCOMPARE(Database::open(mine)->scalar("select count(*) from quotes").toInt(), 0);
        QVERIFY(!QFile::exists(default_path()));
    }

    void deleted_setting_file_presets_the_dialog_to_the_default() {
        schema::create_database(default_path(), false);
        save_setting("last_db_file", folder_->path() + "/gone.mdb");
        ScriptedUi ui;
        ui.expect_open_file(default_path());
        QVERIFY(start(ui));
        QCOMPARE(ui.last_open_file_file, default_path());
        QCOMPARE(ui.last_open_file_folder, program_);
    }

    // The upkeep at start compacts the file and keeps a chain of backups. Stopped after the
    // compaction or during the backup copy, it leaves the file as it was and nothing half-made.
    void compaction_and_the_backup_chain() {
        const QString path = chosen("collection.mdb", 2000);
        const qint64 bloated = QFileInfo(path).size();
        for (int stop_at : {2, 3}) {  // after the compaction; at the first piece of the backup copy
            ScriptedUi stopped;
            stopped.stop_at = stop_at;
            stopped.expect_message("Stopped: the collection is used as it is");
            QVERIFY(start(stopped));
            QCOMPARE(QFileInfo(path).size(), bloated);  // not replaced by its compacted copy
            for (const char* beside : {".tmp", ".old", ".old.part"}) QVERIFY2(!QFile::exists(path + beside), beside);
        }

        ScriptedUi ui;
        QVERIFY(start(ui));
        QVERIFY(QFileInfo(path).size() < bloated / 4);
        QVERIFY(!QFile::exists(path + ".tmp"));
        QVERIFY(QFile::exists(path + ".old"));
        QVERIFY(!QFile::exists(path + ".old.old"));
        QCOMPARE(Database::open(path)->scalar("PRAGMA integrity_check").toString(), QString("ok"));
        QCOMPARE(Database::open(path + ".old")->scalar("select count(*) from quotes").toInt(), 8);

        // A second start within twelve hours leaves the chain alone.
        const QByteArray first_old = digest(path + ".old");
        Database::open(path)->execute("insert into authors values ('Seneca', null, null, 0)");
        QVERIFY(start(ui));
        QCOMPARE(digest(path + ".old"), first_old);
        QVERIFY(!QFile::exists(path + ".old.old"));

        // Twelve hours later the chain shifts and a fresh copy is taken.
        age(path + ".old", 13);
        QVERIFY(start(ui));
        QCOMPARE(digest(path + ".old.old"), first_old);
        QCOMPARE(Database::open(path + ".old")->scalar("select count(*) from authors where name = 'Seneca'").toInt(), 1);
        age(path + ".old", 13);
        QVERIFY(start(ui));
        QCOMPARE(digest(path + ".old.old.old"), first_old);
        age(path + ".old", 13);
        QVERIFY(start(ui));
        QVERIFY(digest(path + ".old.old.old") != first_old);  // the oldest generation goes
        QVERIFY(!QFile::exists(path + ".old.part"));
    }

    void large_files_are_rewritten_only_to_give_space_back() {
        const QString path = chosen("large.mdb", 36000, true);
        ScriptedUi ui;
        const qint64 size = QFileInfo(path).size();
        QVERIFY(size > 32 * 1024 * 1024);
        QVERIFY(start(ui));
        QCOMPARE(QFileInfo(path).size(), size);  // nothing to give back: left as it is
        QVERIFY(QFile::exists(path + ".old"));

        Database::open(path)->execute("delete from filler where rowid > 18000");
        QVERIFY(start(ui));
        QVERIFY(QFileInfo(path).size() < size * 3 / 4);
        QCOMPARE(Database::open(path)->scalar("select count(*) from filler").toInt(), 18000);
    }

    // Another program holding the file (its lock, its write-ahead log, its reading transaction):
    // the user is asked; the file is never replaced by its compacted copy.
    void a_file_another_program_uses_is_never_replaced() {
        const QString path = chosen("shared.mdb", 500);
        {
            QLockFile other(path + ".lock");
            QVERIFY(other.tryLock(0));
            ScriptedUi ui;
            ui.expect_message("Database 'shared.mdb' is already open by another instance of this program or by Access.\n"
                              "Press OK to continue, Cancel to quit.",
                              Ui::cancel);
            QVERIFY(!start(ui));
            QVERIFY(!ui.last_message().contains(folder_->path()));
            ui.expect_message("is already open", Ui::ok);
            QVERIFY(start(ui));
            QCOMPARE(Database::open(path + ".old")->scalar("select count(*) from quotes").toInt(), 8);  // the backup still runs
        }
        bloat(path, 500);  // space to give back again
        {
            auto other = Database::open(path);  // in write-ahead mode
            ScriptedUi ui;
            ui.expect_message("is already open", Ui::ok);
            QVERIFY(start(ui));
            other->execute("insert into authors values ('Written meanwhile', null, null, 0)");
        }
        QCOMPARE(Database::open(path)->scalar("select count(*) from authors where name = 'Written meanwhile'").toInt(), 1);
        // Another program reads the file in rollback mode, in the middle of a transaction.
        sqlite3* reader = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &reader), SQLITE_OK);
        QCOMPARE(sqlite3_exec(reader, "PRAGMA journal_mode=DELETE; BEGIN; SELECT count(*) FROM quotes", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        ScriptedUi ui;
        ui.expect_message("is already open", Ui::cancel);
        QVERIFY(!start(ui));
        sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(reader);
        QVERIFY(!QFile::exists(path + ".tmp"));
    }

    void a_full_disk_is_reported_with_its_reason_and_leaves_nothing_behind() {
        const QString path = chosen("full.mdb", 200);
        QVERIFY(QFileInfo(path).size() > 16 * 1024);
        ScriptedUi ui;
        AppContext ctx(ui);
        ctx.database_path = path;
        ui.expect_message("The database could not be compacted; it is used as it is.");
        ui.expect_message("File too large");
        // No file may grow past 8 KiB: the compacted copy and the backup copy both fail.
        QVERIFY(with_file_size_limit(8 * 1024, [&] { return backup_database(ctx, true); }));
        QVERIFY(!ui.last_message().contains("Unknown error"));
        QVERIFY(!QFile::exists(path + ".tmp"));
        QVERIFY(!QFile::exists(path + ".old.part"));
        QCOMPARE(Database::open(path)->scalar("select count(*) from quotes").toInt(), 8);
    }

    void a_full_disk_at_exit_is_reported_and_the_changes_kept() {
        const QString path = make_fixture_database(folder_->path(), "exit.mdb");
        ScriptedUi ui;
        AppContext ctx(ui);
        ctx.database = Database::open(path);
        ctx.list_database = Database::open(path);
        // Changes that make the file grow, still in the write-ahead log.
        ctx.database->execute("create table filler (x); insert into filler select randomblob(1000) from (with recursive "
                              "n(i) as (select 1 union all select i + 1 from n where i < 200) select i from n)");
        ui.expect_message("They are safe in 'exit.mdb-wal' beside it");
        const QString problem = with_file_size_limit(rlim_t(QFileInfo(path).size()), [&] { return ctx.close_database(); });
        QVERIFY2(problem.contains(path) && problem.contains("could not be written") &&
                     problem.contains("File too large"), qPrintable(problem));
        QVERIFY(!ctx.database && !ctx.list_database);
        QVERIFY(QFile::exists(path + "-wal"));
        // The next opening reads them in; closed with room on the disk, the file is whole again.
        auto again = Database::open(path);
        QCOMPARE(again->scalar("select count(*) from filler").toInt(), 200);
        again->close();
        QVERIFY(!QFile::exists(path + "-wal"));
        QCOMPARE(Database::open(path)->scalar("PRAGMA integrity_check").toString(), QString("ok"));
    }

    void a_large_collection_gets_its_search_index_once() {
        const QString path = chosen("large.mdb");
        Database::open(path)->execute(
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < 20000) "
            "insert into quotes (text, author, subject, language, random) select 'Quotation number ' || i, 'Smith', 'Life', "
            "'EN', 0.5 from n");
        ScriptedUi ui;
        QVERIFY(start(ui));
        auto db = Database::open(path);
        QVERIFY(search_index::exists(*db));
        QCOMPARE(db->scalar("select count(*) from quotes where text like '*number 1999*'").toInt(), 11);
        QVERIFY(db->translate("select key from quotes where text like '*number 1999*'").contains("quotes_text_search"));
        QVERIFY(ui.shown("progress").filter("search index").size() > 0);
        db.reset();
        ScriptedUi again;  // built once: the next start says nothing of it
        QVERIFY(start(again));
        QVERIFY(again.shown("progress").filter("search index").isEmpty());
    }

    // A collection too large to be keyed as it opens is keyed at start, shown; stopped by the
    // user, nothing of it is left, and it is offered again at the next start.
    void a_large_collection_is_keyed_once_and_may_be_stopped() {
        const QString path = chosen("keyed.mdb");
        {
            auto db = Database::open(path);
            db->execute("drop table author_keys");  // as a file made before the keys
            db->execute("with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
                        "insert into quotes (text, author, subject, language, random) select 'Number ' || i, 'Smith', 'Life', "
                        "'EN', 0.5 from n");
        }
        const qint64 limit = std::exchange(schema::keyed_on_open_up_to(), 1000);
        const auto restore = qScopeGuard([&] { schema::keyed_on_open_up_to() = limit; });
        ScriptedUi stopped;
        stopped.stop_at = 2;
        stopped.stop_in = "sorting";
        stopped.expect_message("Stopped: nothing was changed");
        QVERIFY(start(stopped));
        QVERIFY(!grid_keys::stored(*Database::open(path)));
        ScriptedUi again;
        QVERIFY(start(again));
        auto db = Database::open(path);
        QVERIFY(grid_keys::stored(*db));
        QCOMPARE(db->scalar("select count(*) from quotes where keys_stale = 1 or author_key is null").toInt(), 0);
        QVERIFY(std::any_of(again.log.cbegin(), again.log.cend(),
                            [](const ScriptedUi::Shown& s) { return s.kind == "progress" && s.text.contains("fast sorting"); }));
    }

    void a_file_that_is_not_a_database_is_refused() {
        const QString path = folder_->path() + "/letter.mdb";
        write_file(path, "Dear friend, ...");
        save_setting("last_db_file", path);
        ScriptedUi ui;
        ui.expect_message("letter.mdb", Ui::ok);
        bool shown = true;
        QVERIFY(!start(ui, &shown));
        QVERIFY(!shown);
        QVERIFY(ui.last_message().contains("not a Sentara database"));
        QCOMPARE(digest(path), QCryptographicHash::hash("Dear friend, ...", QCryptographicHash::Sha1));
        QVERIFY(!QFile::exists(path + ".old"));
    }

    void a_collection_this_user_cannot_write_opens_for_reading() {
        const QString path = chosen("shelf.mdb", 300);
        // What start-up would otherwise mend: a quotation without a number, two default languages.
        Database::open(path)->execute("update quotes set random = null where key = 1; update languages set def = 'Yes'");
        const QByteArray before = digest(path);
        // Root may write anything: the file system's answer is played.
        Database::set_write_check([&](const QString& p) { return QFileInfo(p).canonicalFilePath() != path; });
        {
            ScriptedUi ui;
            ui.expect_message("The database '" + path + "' is opened for reading only");
            AppContext ctx(ui);
            ctx.program_folder = program_;
            QCOMPARE(Main(ctx), StartResult::started);
            QVERIFY(ctx.read_only() && ctx.list_database->read_only());
            QVERIFY(!ctx.default_language.isEmpty());
            // Browsing in random order moves nothing, the authors window numbers no author; a
            // change is refused, naming the file.
            QVERIFY_THROWS_NO_EXCEPTION(ctx.rotate_quote(2, GridQuery{}));
            QVERIFY_THROWS_NO_EXCEPTION(random_order::fill_missing_author_random(*ctx.database, ctx.rng));
            QString refused;
            try {
                ctx.database->execute("update quotes set rate = 1 where key = 2");
            } catch (const DbError& e) {
                refused = e.description();
            }
            QVERIFY2(refused.contains(path) && refused.contains("can only be read"), qPrintable(refused));
        }
        Database::set_write_check({});
        QCOMPARE(digest(path), before);
        for (const char* companion : {"-wal", "-shm", ".lock", ".tmp", ".old"}) QVERIFY2(!QFile::exists(path + companion), companion);
    }

    void default_language_is_normalised() {
        Fixture f;
        f.exec("delete from languages; insert into languages values ('IT','Italiano','yes'), ('EN','English','Yes'),"
               " ('FR','Français',''), ('DE','Deutsch',null)");
        check_default_language(*f.ctx);
        QCOMPARE(f.ctx->default_language, QString("IT"));
        QCOMPARE(f.scalar("select count(*) from languages where def = 'No'").toInt(), 3);

        f.exec("update languages set def = 'No'");
        check_default_language(*f.ctx);
        QCOMPARE(f.ctx->default_language, QString());
        QCOMPARE(f.scalar("select count(*) from languages where def = 'No'").toInt(), 4);
    }
};

SENTARA_TESTS(TestStartup)
#include "test_startup.moc"
