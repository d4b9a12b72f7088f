#include "startup.h"

#include "long_work.h"

#include "app_context.h"
#include "common.h"
#include "database/recordset.h"
#include "database/schema.h"
#include "database/grid_keys.h"
#include "database/search_index.h"
#include "database/trash.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <functional>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

const char* const database_file_filter = QT_TRANSLATE_NOOP("startup", "Sentara database (*.mdb;*.sqo)|*.mdb;*.sqo|All files (*)|*");

namespace {

const char* const dialog_title = QT_TRANSLATE_NOOP("startup", "Select database file");

[[noreturn]] void fail(const QString& what) { throw DbError(errno ? errno : 1, what); }

void sync_path(const QString& path, bool directory) {
    const int fd = ::open(QFile::encodeName(path).constData(), directory ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0) fail(QStringLiteral("'%1' cannot be opened: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    const int rc = ::fsync(fd);
    ::close(fd);
    if (rc != 0 && !directory)
        fail(QStringLiteral("'%1' cannot be written to disk: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
}

// Replaces `target` by `source` in one step: at every moment one whole file has the name.
void replace_file(const QString& source, const QString& target) {
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
        fail(QStringLiteral("'%1' cannot be renamed to '%2': %3")
                 .arg(source, target, QString::fromLocal8Bit(std::strerror(errno))));
    sync_path(QFileInfo(target).absolutePath(), true);
}

void remove_if_exists(const QString& path) {
    if (QFileInfo::exists(path) && !QFile::remove(path)) fail(QStringLiteral("'%1' cannot be deleted.").arg(path));
}

void rename_if_exists(const QString& from, const QString& to) {
    if (QFileInfo::exists(from) && !QFile::rename(from, to))
        fail(QStringLiteral("'%1' cannot be renamed to '%2'.").arg(from, to));
}

// Copies a file nobody else has open (the checked compacted copy), syncing the copy. The reason
// of a failure is read at once, before anything else can change it.
// `going` is told the bytes copied now and then; false stops the copy (DbError, cancelled).
void copy_plain_file(const QString& from, const QString& to,
                     const std::function<bool(qint64 done, qint64 total)>& going = {}) {
    const auto failure = [&](const QString& path, const char* what, int error) {
        return DbError(error ? error : 1, QStringLiteral("'%1' cannot be %2: %3")
                                               .arg(path, QLatin1String(what), QString::fromLocal8Bit(std::strerror(error))));
    };
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throw failure(from, "read", errno);
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        throw failure(to, "written", error);
    }
    std::vector<char> buffer(std::size_t(1) << 20);
    int error = 0;
    bool reading = false, stopped = false;
    const qint64 total = QFileInfo(from).size();
    qint64 copied = 0;
    for (;;) {
        if (going && !going(copied, total)) {
            stopped = true;
            break;
        }
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            reading = true;
        }
        if (n <= 0) break;
        for (ssize_t done = 0; done < n && error == 0;) {
            const ssize_t w = ::write(out, buffer.data() + done, size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) error = errno;
            else done += w;
        }
        if (error) break;
        copied += n;
    }
    if (stopped) {
        ::close(out);
        ::close(in);
        QFile::remove(to);
        throw DbError(db_errors::cancelled, QStringLiteral("Stopped."));
    }
    if (error == 0 && ::fsync(out) != 0) error = errno;
    if (::close(out) != 0 && error == 0) error = errno;
    ::close(in);
    if (error != 0) {
        QFile::remove(to);
        throw failure(reading ? from : to, reading ? "read" : "written", error);
    }
}

QHash<QString, qint64> row_counts(Database& db) {
    QHash<QString, qint64> counts;
    for (const QString& t : schema::table_names())
        if (db.is_table(t)) counts.insert(t, db.scalar(QStringLiteral("SELECT count(*) FROM ") + t).toLongLong());
    return counts;
}

// Files from this size on are rewritten only when compaction would give space back: for a large
// collection the rewrite, its check and its trip to the disk take seconds, and a file with next
// to no free pages comes out of it the same.
constexpr qint64 rewrite_always_below = 32 * 1024 * 1024;

bool worth_compacting(Database& db) {
    const qint64 pages = db.scalar(QStringLiteral("PRAGMA page_count")).toLongLong();
    const qint64 free_pages = db.scalar(QStringLiteral("PRAGMA freelist_count")).toLongLong();
    return QFileInfo(db.path()).size() < rewrite_always_below || free_pages * 100 >= pages;
}

// Compacts the file into `tmp` and checks the copy: the same rows, and sound.
void compact_into(Database& source, const QString& tmp) {
    const QHash<QString, qint64> before = row_counts(source);
    try {
        source.compact_to(tmp);
        auto copy = Database::open(tmp, Database::Options{true, true});
        const QString check = copy->scalar(QStringLiteral("PRAGMA quick_check")).toString();
        if (check != QLatin1String("ok")) fail(QStringLiteral("the compacted copy is damaged (%1)").arg(check));
        if (row_counts(*copy) != before) fail(QStringLiteral("the compacted copy does not hold the same rows"));
    } catch (...) {
        QFile::remove(tmp);
        throw;
    }
}

bool backup_due(const QString& path) {
    const QFileInfo old_info(path + QStringLiteral(".old"));
    return !old_info.exists() || old_info.lastModified().secsTo(QDateTime::currentDateTime()) >= 12 * 3600;
}

// Shifts the chain of backups one generation down, then lets `write_copy` write the new ".old"
// under a temporary name, which becomes ".old" once it is whole and on the disk.
template <typename WriteCopy>
void rotate_backups(const QString& p, WriteCopy write_copy) {
    const QString old = p + QStringLiteral(".old");
    const QString part = old + QStringLiteral(".part");
    remove_if_exists(part);
    remove_if_exists(p + QStringLiteral(".old.old.old"));
    rename_if_exists(p + QStringLiteral(".old.old"), p + QStringLiteral(".old.old.old"));
    rename_if_exists(old, p + QStringLiteral(".old.old"));
    try {
        write_copy(part);
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    replace_file(part, old);
}

void report(Ui& ui, const QString& lead, const DbError& e) {
    ui.set_hourglass(false);
    ui.message(lead + QCoreApplication::translate("startup", "error %1 - %2").arg(e.number()).arg(e.description()), Ui::icon_stop);
    ui.set_hourglass(true);
}

// Forgets what was deleted longer ago than the days the setting "trash_keep_days" gives (30 when
// it is not set, never when it is 0), before the compaction gives the space back. Under the
// exclusive lock: no window lists the Trash meanwhile.
void purge_trash(Database& db) {
    bool ok = false;
    const int days = get_setting(QStringLiteral("trash_keep_days")).toInt(&ok);
    trash::purge(db, ok ? days : trash::default_keep_days, QDateTime::currentSecsSinceEpoch());
}

// Compaction and the backup generation while no other connection may touch the file: the
// compacted copy is checked, the backup is taken from it, then it takes the file's place in one
// step. Runs beside the window, shown; stopped, the file is used as it is (a backup begun is
// left out). Throws DbError (in use) when another program has the file.
void maintain_exclusively(AppContext& ctx) {
    const QString& path = ctx.database_path;
    const QString tmp = path + QStringLiteral(".tmp");
    auto db = Database::open_exclusive(path);
    purge_trash(*db);
    const bool compact = worth_compacting(*db), backup = backup_due(path);
    if (!compact && !backup) return;
    // Told once the work has ended: the work's thread shows nothing itself.
    std::vector<std::pair<QString, DbError>> problems;
    const QString what = compact ? QCoreApplication::translate("startup", "Sentara compacts its collection and checks the copy...")
                                 : QCoreApplication::translate("startup", "Sentara keeps a backup copy of its collection...");
    const auto outcome = long_work::run(ctx.ui, *db, what, [&](Database& own, const long_work::Progress& progress) {
        const qint64 size = std::max<qint64>(1, QFileInfo(path).size());
        const qint64 total = (compact ? 2 * size : 0) + (backup ? size : 0);
        const auto going = [&](qint64 at, qint64 done) {
            progress.note(QString(), at + done, total);
            return !progress.stop_asked();
        };
        bool compacted = false;
        try {
            if (compact) {
                progress(what, 0, total);
                compact_into(own, tmp);
                compacted = true;
                progress(what, size, total);
            }
        } catch (const DbError& e) {
            if (e.number() == db_errors::cancelled) throw;
            // The file itself is untouched: it is used as it is.
            problems.emplace_back(QCoreApplication::translate("startup", "The database could not be compacted; it is used as it is.\n"), e);
        }
        const qint64 copied_at = compact ? 2 * size : 0;
        try {
            if (backup) {
                progress(QCoreApplication::translate("startup", "Sentara keeps a backup copy of its collection..."), copied_at, total);
                rotate_backups(path, [&](const QString& part) {
                    const auto step = [&](qint64 done, qint64) { return going(copied_at, done); };
                    if (compacted) copy_plain_file(tmp, part, step);
                    else own.copy_file_to(part, step);
                });
            }
        } catch (const DbError& e) {
            if (e.number() == db_errors::cancelled) {
                QFile::remove(tmp);
                throw;
            }
            problems.emplace_back(QString(), e);
        }
        if (!compacted) return;
        try {
            sync_path(tmp, false);
            replace_file(tmp, path);
        } catch (const DbError& e) {
            QFile::remove(tmp);
            problems.emplace_back(QCoreApplication::translate("startup", "The database could not be compacted; it is used as it is.\n"), e);
        }
    });
    for (const auto& [lead, e] : problems) report(ctx.ui, lead, e);
    if (outcome.error) report(ctx.ui, QString(), *outcome.error);
    if (outcome.ending == long_work::Ending::stopped) {
        QFile::remove(tmp);
        ctx.ui.message(QCoreApplication::translate("startup", "Stopped: the collection is used as it is, and its upkeep is done at a later start."),
                       Ui::icon_information);
    }
}

// Work done once on a large collection, beside the window, shown as it goes with the time left,
// which the user may stop: it is then undone, and offered again at a later start. A failure is
// said with `failure` and its reason.
void run_shown(AppContext& ctx, const QString& what, const QString& failure, const long_work::Work& work) {
    const long_work::Outcome out = long_work::run(ctx.ui, ctx.database_path, what, work);
    ctx.database->refresh_schema();  // the work's connection changed the tables
    if (out.ending == long_work::Ending::stopped)
        ctx.ui.message(QCoreApplication::translate("startup", "Stopped: nothing was changed. The collection is used as it is, more slowly, and "
                                      "the work is offered again at the next start."),
                       Ui::icon_information);
    else if (out.error)
        ctx.ui.message(failure + QCoreApplication::translate("startup", "\nError %1 - %2").arg(out.error->number()).arg(out.error->description()));
}

// The substring index over the text and notes, built once for a collection large enough to want
// it, when this program has the file to itself and its disk has room for the index.
void ensure_search_index(AppContext& ctx) {
    Database& db = *ctx.database;
    if (search_index::needs_mending(db)) {
        const QString what = QCoreApplication::translate("startup", "Sentara puts its search index right, once.");
        run_shown(ctx, what, QCoreApplication::translate("startup", "The search index could not be put right; deleting quotations without notes may fail."),
                  [&](Database& own, const long_work::Progress& progress) {
                      search_index::mend(own, [&](qint64 done, qint64 total) { progress(what, done, total); });
                  });
    }
    if (search_index::exists(db)) return;
    // Counting and measuring a large collection reads all of it: beside the window too.
    qint64 quotes = 0, needed = 0;
    const long_work::Outcome measured =
        long_work::run(ctx.ui, ctx.database_path, QCoreApplication::translate("startup", "Sentara measures its collection..."),
                       [&](Database& own, const long_work::Progress&) {
                           quotes = own.scalar(QStringLiteral("Select count(*) from quotes")).toLongLong();
                           if (quotes >= search_index::worth_it_from) needed = search_index::estimated_size(own);
                       });
    if (!measured.done() || quotes < search_index::worth_it_from) return;  // searches read the collection through
    const QStorageInfo disk(QFileInfo(ctx.database_path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < 2 * needed + (64 << 20)) return;  // searches read the collection through
    const QString what = QCoreApplication::translate("startup", "Sentara builds the search index of its %1 quotations, once.").arg(QLocale().toString(quotes));
    run_shown(ctx, what, QCoreApplication::translate("startup", "The search index could not be built; searches read the whole collection."),
              [&](Database& own, const long_work::Progress& progress) {
                  search_index::build(own, [&](qint64 done, qint64 total) { progress(what, done, total); });
              });
}

// The sort keys of a collection too large to be keyed as it opens, once.
void ensure_grid_keys(AppContext& ctx) {
    Database& db = *ctx.database;
    if (grid_keys::stored(db)) return;
    run_shown(ctx, QCoreApplication::translate("startup", "Sentara prepares its collection for fast sorting, once."),
              QCoreApplication::translate("startup", "The collection could not be prepared for fast sorting; lists are sorted as they are read, "
                             "more slowly."),
              [&](Database& own, const long_work::Progress& progress) {
                  grid_keys::add(own, [&](const QString& what, qint64 done, qint64 total) { progress(what, done, total); });
                  schema::refresh_statistics(own, true);
              });
}

bool ask_for_database_file(AppContext& ctx, const QString& default_path) {
    const bool have_default = Path_exist(default_path);
    const QString chosen = ctx.ui.open_file(QCoreApplication::translate("startup", dialog_title), QCoreApplication::translate("startup", database_file_filter),
                                            have_default ? folder_of(default_path) : QString(),
                                            have_default ? default_path : QString());
    if (chosen.trimmed().isEmpty()) return false;
    if (!QFileInfo::exists(chosen)) {
        try {
            schema::create_database(chosen, false);
        } catch (const DbError& e) {
            ctx.ui.message(QCoreApplication::translate("startup", "A new database cannot be created at '%1'.\n%2").arg(chosen, e.description()),
                           Ui::icon_stop);
            return false;
        }
    }
    ctx.database_path = chosen;
    save_setting(QStringLiteral("last_db_file"), chosen);
    return true;
}

}  // namespace

QString default_database_path(const QString& program_folder) {
    if (QFileInfo::exists(program_folder + QStringLiteral("/sentara-portable")))
        return program_folder + QStringLiteral("/quotes.mdb");
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath();
    return docs + QStringLiteral("/Sentara_db/quotes.mdb");
}

namespace {
bool backup_database(AppContext& ctx, bool may_compact, bool at_start);
}

bool backup_database(AppContext& ctx, bool may_compact) { return backup_database(ctx, may_compact, true); }

namespace {
bool backup_database(AppContext& ctx, bool may_compact, bool at_start) {
    ctx.ui.set_hourglass(true);
    const QString tmp = ctx.database_path + QStringLiteral(".tmp");
    try {
        remove_if_exists(tmp);
    } catch (const DbError& e) {
        report(ctx.ui, QString(), e);
        ctx.ui.set_hourglass(false);
        return true;
    }
    if (may_compact) {
        try {
            maintain_exclusively(ctx);
            ctx.ui.set_hourglass(false);
            return true;
        } catch (const DbError& e) {
            if (e.number() != db_errors::in_use) {
                report(ctx.ui, QString(), e);
                ctx.ui.set_hourglass(false);
                return true;
            }
            // Another program has the file, though not through this program's lock.
        }
    }
    ctx.ui.set_hourglass(false);
    const int answer =
        ctx.ui.message(QCoreApplication::translate("startup", "Database '%1' is already open by another instance of this program or by Access.")
                               .arg(file_name_of(ctx.database_path)) +
                           u'\n' +
                           (at_start ? QCoreApplication::translate("startup", "Press OK to continue, Cancel to quit.")
                                     : QCoreApplication::translate("startup", "Press OK to use it all the same, Cancel to keep the database in use.")),
                       Ui::ok_cancel | (at_start ? 0 : Ui::icon_question));
    if (answer != Ui::ok) return false;
    ctx.ui.set_hourglass(true);
    try {
        // Another program may be writing: the copy is taken through the engine, consistent.
        if (backup_due(ctx.database_path))
            rotate_backups(ctx.database_path, [&](const QString& part) {
                Database::open(ctx.database_path, Database::Options{true, true})->compact_to(part);
                sync_path(part, false);
            });
    } catch (const DbError& e) {
        report(ctx.ui, QString(), e);
    }
    ctx.ui.set_hourglass(false);
    return true;
}
}  // namespace

void check_default_language(AppContext& ctx) {
    ctx.default_language.clear();
    const auto rs = ctx.database->open_recordset(QStringLiteral("Select * from languages"));
    while (!rs->eof()) {
        if (rs->text(QStringLiteral("def")).compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0 &&
            ctx.default_language.isEmpty()) {
            ctx.default_language = rs->text(QStringLiteral("code"));
        } else if (rs->text(QStringLiteral("def")) != QLatin1String("No") && !ctx.read_only()) {
            rs->edit();
            rs->set_value(QStringLiteral("def"), QStringLiteral("No"));
            rs->update();
        }
        rs->move_next();
    }
}

QString choose_database(AppContext& ctx) {
    const QString chosen = ctx.ui.open_file(QCoreApplication::translate("startup", dialog_title), QCoreApplication::translate("startup", database_file_filter),
                                            folder_of(ctx.database_path), ctx.database_path);
    return chosen.trimmed().isEmpty() ? QString() : chosen;
}

namespace {
constexpr int recent_kept = 6;
}

QStringList recent_databases() {
    QStringList paths = get_setting(QStringLiteral("recent_db_files")).split(u'\n', Qt::SkipEmptyParts);
    while (paths.size() > recent_kept) paths.removeLast();
    return paths;
}

void remember_recent_database(const QString& path) {
    if (path.isEmpty()) return;
    QStringList paths = recent_databases();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeIf([&](const QString& p) { return QFileInfo(p).absoluteFilePath() == absolute; });
    paths.prepend(absolute);
    while (paths.size() > recent_kept) paths.removeLast();
    save_setting(QStringLiteral("recent_db_files"), paths.join(u'\n'));
}

bool switch_database(AppContext& ctx, const QString& path) {
    if (!QFileInfo::exists(path)) {
        ctx.ui.message(QCoreApplication::translate("startup", "The database '%1' cannot be found.").arg(path), Ui::icon_exclamation);
        return false;
    }
    // The collection in use is put aside, whole, until the new one is open.
    struct InUse {
        QString path;
        std::unique_ptr<Database> database, list_database;
        std::unique_ptr<QLockFile> lock;
        QString default_language;
    } old{std::exchange(ctx.database_path, path), std::move(ctx.database), std::move(ctx.list_database),
          std::move(ctx.database_lock), ctx.default_language};
    if (open_collection(ctx, false) != StartResult::started) {
        ctx.list_database.reset();
        ctx.database.reset();
        ctx.database_lock.reset();
        ctx.database_path = std::move(old.path);
        ctx.database = std::move(old.database);
        ctx.list_database = std::move(old.list_database);
        ctx.database_lock = std::move(old.lock);
        ctx.default_language = old.default_language;
        return false;
    }
    // The old one closed as on Exit, its lock given up last.
    old.list_database.reset();
    if (old.database) {
        try {
            old.database->close();
        } catch (const DbError& e) {
            ctx.ui.message(e.description(), Ui::icon_exclamation);
        }
    }
    old.database.reset();
    old.lock.reset();
    save_setting(QStringLiteral("last_db_file"), ctx.database_path);
    remember_recent_database(ctx.database_path);
    return true;
}

StartResult Main(AppContext& ctx) {
    if (ctx.program_folder.isEmpty()) ctx.program_folder = QDir::currentPath();
    QDir::setCurrent(ctx.program_folder);
    const QString default_path = default_database_path(ctx.program_folder);

    ctx.database_path = ctx.requested_database_path.isEmpty() ? get_setting(QStringLiteral("last_db_file"))
                                                              : QFileInfo(ctx.requested_database_path).absoluteFilePath();
    if (!ctx.requested_database_path.isEmpty() && !QFileInfo::exists(ctx.database_path)) {
        ctx.ui.message(QCoreApplication::translate("startup", "The database '%1' cannot be found.").arg(ctx.database_path), Ui::icon_stop);
        return StartResult::failed;
    }
    if (ctx.database_path.isEmpty() && Path_exist(default_path)) {
        ctx.database_path = default_path;
        save_setting(QStringLiteral("last_db_file"), default_path);
    }
    if (!Path_exist(ctx.database_path)) {
        bool created = false;
        if (!Path_exist(default_path)) {
            // First run: offer a new collection, with a few quotations to look at.
            const int answer = ctx.ui.ask(
                QCoreApplication::translate("startup", "No quotation database was found.\n\nCreate a new database at '%1'? It starts with a few "
                               "dozen sample quotations, which you may keep or delete.\n\n"
                               "Choose file... opens a database you already have.")
                    .arg(QDir::toNativeSeparators(default_path)),
                QCoreApplication::translate("startup", "&Create"), QCoreApplication::translate("startup", "C&hoose file..."));
            if (answer == Ui::ok) {
                try {
                    schema::create_database(default_path, true);
                    ctx.database_path = default_path;
                    save_setting(QStringLiteral("last_db_file"), default_path);
                    created = true;
                } catch (const DbError& e) {
                    ctx.ui.message(QCoreApplication::translate("startup", "A new database cannot be created at '%1'.\n%2").arg(default_path, e.description()),
                                   Ui::icon_stop);
                }
            }
        }
        if (!created && !ask_for_database_file(ctx, default_path)) return StartResult::cancelled;
    }
    const StartResult opened = open_collection(ctx, true);
    if (opened != StartResult::started) return opened;
    save_setting(QStringLiteral("last_db_file"), ctx.database_path);
    remember_recent_database(ctx.database_path);
    if (ctx.show_main_window) ctx.show_main_window();
    return StartResult::started;
}

StartResult open_collection(AppContext& ctx, bool at_start) {
    // A file that is not a database of ours is refused before anything touches it.
    try {
        Database::open(ctx.database_path, Database::Options{true, true});
    } catch (const DbError& e) {
        ctx.ui.message(QCoreApplication::translate("startup", "The database cannot be opened.\n\n%1").arg(e.description()), Ui::icon_stop);
        return StartResult::failed;
    }

    // A file this user may not change is only read: no lock beside it, no compaction or backup
    // (it will not change), nothing written at start.
    bool exclusive = false;
    if (Database::can_write(ctx.database_path)) {
        ctx.database_lock = std::make_unique<QLockFile>(ctx.database_path + QStringLiteral(".lock"));
        ctx.database_lock->setStaleLockTime(0);  // a lock left by a program that died is taken over
        exclusive = ctx.database_lock->tryLock(0);
        if (!exclusive && ctx.database_lock->error() != QLockFile::LockFailedError) {
            ctx.ui.message(QCoreApplication::translate("startup", "The database '%1' cannot be used: its folder is not writable.").arg(ctx.database_path),
                           Ui::icon_stop);
            return StartResult::failed;
        }
        if (!backup_database(ctx, exclusive, at_start)) return StartResult::cancelled;
    }

    try {
        ctx.database = Database::open(ctx.database_path);
        check_default_language(ctx);
        if (exclusive) ensure_grid_keys(ctx);
        if (exclusive) ensure_search_index(ctx);
        // After the keys: their index on the random numbers finds the rows without one at once.
        random_order::fill_missing_random(*ctx.database, ctx.rng);
        ctx.list_database = Database::open(ctx.database_path);
    } catch (const DbError& e) {
        ctx.ui.message(QCoreApplication::translate("startup", "The database cannot be opened.\n\nThe file '%1': %2").arg(ctx.database_path, e.description()),
                       Ui::icon_stop);
        ctx.database.reset();
        ctx.list_database.reset();
        return StartResult::failed;
    }
    if (ctx.read_only())
        ctx.ui.message(QCoreApplication::translate("startup", "The database '%1' is opened for reading only: this user may not change the file "
                                      "or its folder.\n\nQuotations can be read, searched, exported and shown; edits, "
                                      "imports and the random order's moves are not saved.")
                           .arg(ctx.database_path),
                       Ui::icon_information);
    return StartResult::started;
}
