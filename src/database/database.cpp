#include "database.h"

#include "jet_dialect.h"
#include "recordset.h"
#include "schema.h"
#include "sql_text.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

#include <unordered_map>

#ifdef __linux__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Row counts of whole tables, as the counters under the grids ask for them after every query.
// Counting a million rows means reading an index through; the number stays good until data
// changes, which the engine tells: PRAGMA data_version moves with commits of other connections,
// total_changes with this connection's own, schema_version with any change of the tables.
struct TableCounts {
    qint64 data_version = -1, total_changes = -1, schema_version = -1;
    QHash<QString, QVariant> counts;  // table name, lower case -> count
};

std::unordered_map<const Database*, TableCounts>& table_counts() {
    static std::unordered_map<const Database*, TableCounts> all;
    return all;
}

qint64 pragma_value(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    qint64 v = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return v;
}

// The table of "Select count(*) from <table>" (any letter case, "count (0)" too); empty text
// for any other statement.
QString counted_table(const QString& sql) {
    static const QRegularExpression whole_table(
        QStringLiteral(R"(^\s*select\s+count\s*\(\s*(?:\*|0|1)\s*\)\s+from\s+(\w+)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = whole_table.match(sql);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

}  // namespace

// ---------------------------------------------------------------- Statement

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    db_->raise(rc);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bind(int index, const QVariant& v) {
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(stmt_, index, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt_, index, v.toDouble());
            break;
        default: {
            const QByteArray utf8 = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK) db_->raise(rc);
}

int Statement::column_count() const { return sqlite3_column_count(stmt_); }

QString Statement::column_name(int i) const { return QString::fromUtf8(sqlite3_column_name(stmt_, i)); }

QVariant Statement::column(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_NULL: return QVariant();
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, i));
    default: return QVariant(column_text(i));
    }
}

qint64 Statement::column_int64(int i) const { return sqlite3_column_int64(stmt_, i); }

QString Statement::column_text(int i) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(stmt_, i)) : QString();
}

bool Statement::column_is_null(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }

// ---------------------------------------------------------------- Database

Database::Database(const QString& path) : path_(path) {}

Database::~Database() {
    table_counts().erase(this);
    if (db_) sqlite3_close_v2(db_);
}

std::unique_ptr<Database> Database::open(const QString& path, Options options) {
    const QFileInfo info(path);
    if (!info.exists())
        throw DbError(db_errors::cannot_open, QStringLiteral("The file '%1' does not exist.").arg(path));
    if (!info.isFile())
        throw DbError(db_errors::cannot_open, QStringLiteral("'%1' is not a file.").arg(path));
    {
        // Look at the header first, so that nothing at all is written to a file of another kind.
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw DbError(db_errors::cannot_open,
                          QStringLiteral("The file '%1' cannot be read: %2.").arg(path, f.errorString()));
        const QByteArray head = f.read(16);
        if (head.size() > 0 && head != QByteArray("SQLite format 3\0", 16))
            throw DbError(db_errors::not_a_database,
                          QStringLiteral("The file '%1' is not a Sentara database file.").arg(path));
        if (head.isEmpty() && options.check_schema)
            throw DbError(db_errors::not_a_database,
                          QStringLiteral("The file '%1' is empty: it is not a Sentara database file.").arg(path));
    }
    std::unique_ptr<Database> db(new Database(path));
    const int flags = (options.read_only ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db->db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db->db_ ? QString::fromUtf8(sqlite3_errmsg(db->db_)) : QString::fromUtf8(sqlite3_errstr(rc));
        throw DbError(db_errors::cannot_open, QStringLiteral("The file '%1' cannot be opened: %2.").arg(path, why));
    }
    sqlite3_extended_result_codes(db->db_, 1);
    sqlite3_busy_timeout(db->db_, 5000);
    jet::register_dialect(db->db_);
    try {
        db->load_schema();
    } catch (const DbError& e) {
        throw DbError(e.number() == SQLITE_NOTADB ? db_errors::not_a_database : e.number(),
                      QStringLiteral("The file '%1' cannot be used: %2.").arg(path, e.description()));
    }
    if (options.check_schema) {
        const QStringList missing = schema::missing_objects(*db);
        if (!missing.isEmpty())
            throw DbError(db_errors::not_a_database,
                          QStringLiteral("The file '%1' is not a Sentara database: it lacks %2.")
                              .arg(path, missing.join(QStringLiteral(", "))));
    }
    if (!options.read_only) {
        // Write-ahead logging: commits do not wait for the disk, readers never block the writer,
        // and both handles of the program see each other's commits at once.
        db->execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        db->execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
        schema::prepare_for_use(*db);
    }
    db->execute(QStringLiteral("PRAGMA cache_size=-32768"));
    return db;
}

void Database::load_schema() {
    tables_.clear();
    views_.clear();
    translated_.clear();
    Statement st = prepare(QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE type IN ('table','view')"));
    while (st.step()) {
        const QString type = st.column_text(0), name = st.column_text(1), sql = st.column_text(2);
        if (type == QLatin1String("table")) {
            tables_.insert(name.toLower(), name);
        } else {
            // The table a saved query selects from: the first name after its first FROM.
            const qsizetype at = sql.indexOf(QLatin1String("select"), 0, Qt::CaseInsensitive);
            const sql_text::SelectParts parts = sql_text::split_select(at >= 0 ? sql.mid(at) : QString());
            views_.insert(name.toLower(), parts.from_names.isEmpty() ? QString() : parts.from_names.first().toLower());
        }
    }
}

[[noreturn]] void Database::raise(int rc) const {
    QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    if (msg.isEmpty() || msg == QLatin1String("not an error")) msg = QString::fromUtf8(sqlite3_errstr(rc));
    throw DbError(rc, msg);
}

QString Database::translate(const QString& sql) {
    const auto hit = translated_.constFind(sql);
    if (hit != translated_.cend()) return *hit;
    QString out = jet::resolve_qualifiers(sql, views_);
    if (translated_.size() > 512) translated_.clear();
    translated_.insert(sql, out);
    return out;
}

Statement Database::prepare(const QString& sql) {
    const QByteArray utf8 = translate(sql).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) raise(rc);
    if (!stmt) throw DbError(SQLITE_MISUSE, QStringLiteral("Empty statement"));
    return Statement(*this, stmt);
}

void Database::execute(const QString& sql) {
    const QByteArray utf8 = translate(sql).toUtf8();
    const char* tail = utf8.constData();
    const char* end = tail + utf8.size();
    while (tail < end) {
        sqlite3_stmt* stmt = nullptr;
        const char* next = nullptr;
        int rc = sqlite3_prepare_v2(db_, tail, int(end - tail), &stmt, &next);
        if (rc != SQLITE_OK) raise(rc);
        if (!stmt) break;  // only blanks or comments left
        Statement st(*this, stmt);
        while (st.step()) {
        }
        tail = next;
    }
    // A statement that changes the schema changes what the qualifiers resolve to.
    if (sql_text::contains_word(sql, QStringLiteral("CREATE")) || sql_text::contains_word(sql, QStringLiteral("DROP")) ||
        sql_text::contains_word(sql, QStringLiteral("ALTER")))
        load_schema();
}

std::unique_ptr<RecordSet> Database::open_recordset(const QString& sql) {
    return std::make_unique<RecordSet>(*this, sql);
}

QVariant Database::scalar(const QString& sql) {
    const QString table = counted_table(sql);
    TableCounts* counts = nullptr;
    // Inside a transaction the count may yet be rolled back: it is neither kept nor taken.
    if (!table.isEmpty() && is_table(table) && sqlite3_get_autocommit(db_)) {
        counts = &table_counts()[this];
        const qint64 data = pragma_value(db_, "PRAGMA data_version");
        const qint64 schema = pragma_value(db_, "PRAGMA schema_version");
        const qint64 changes = sqlite3_total_changes64(db_);
        if (data < 0 || schema < 0 || data != counts->data_version || schema != counts->schema_version ||
            changes != counts->total_changes) {
            counts->counts.clear();
            counts->data_version = data;
            counts->schema_version = schema;
            counts->total_changes = changes;
        } else if (const auto hit = counts->counts.constFind(table); hit != counts->counts.cend()) {
            return *hit;
        }
    }
    Statement st = prepare(sql);
    if (!st.step()) return QVariant();
    QVariant v = st.column(0);
    if (v.isNull()) return QVariant(QString());
    if (counts) counts->counts.insert(table, v);
    return v;
}

qint64 Database::last_insert_rowid() const { return sqlite3_last_insert_rowid(db_); }

int Database::changes() const { return sqlite3_changes(db_); }

namespace {

qint64 pragma_number(Database& db, const char* pragma) {
    Statement st = db.prepare(QString::fromLatin1(pragma));
    return st.step() ? st.column_int64(0) : -1;
}

// Copies a file within the kernel. The copy is not waited for on its way to the disk: the
// caller syncs it once it has checked it, and the disk has been busy with it meanwhile.
bool copy_file(const QString& from, const QString& to) {
#ifdef __linux__
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(in, &st) == 0;
    off_t left = ok ? st.st_size : 0;
    while (ok && left > 0) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(left), 0);
        if (n <= 0) ok = false;
        else left -= n;
    }
    if (ok) ::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE);  // start the writing now
    ::close(in);
    ok = ::close(out) == 0 && ok;
    if (ok) return true;
    ::unlink(QFile::encodeName(to).constData());
    // copy_file_range may be refused (older kernels, some file systems): the library copies then.
#endif
    return QFile::copy(from, to);
}

// A copy of a file in write-ahead-log mode would come up in that mode too, and a handle that only
// reads it would leave its "-wal" and "-shm" files behind. Its header is set back to the rollback
// journal, as a rebuilt copy has it: bytes 18 and 19, the file format's write and read versions,
// are 1 for a rollback journal and 2 for a write-ahead log. The log is empty, so nothing is lost.
bool mark_rollback_journal(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.seek(18)) return false;
    const QByteArray versions = f.read(2);
    if (versions == QByteArray("\x01\x01", 2)) return true;
    if (versions != QByteArray("\x02\x02", 2) || !f.seek(18)) return false;
    return f.write("\x01\x01", 2) == 2 && f.flush();
}

// Copies the file as it stands to `target` when compacting it would reclaim nothing: fewer than
// one page in a hundred is free. The kernel copies the file in a fraction of the time a rebuild
// page by page takes (a fifth, for a million quotations). Returns false, having written nothing,
// when the file has space to give back or when a consistent copy cannot be had at once (another
// connection is using the write-ahead log); the caller then rebuilds it.
bool copy_when_nothing_to_reclaim(Database& db, const QString& target) {
    sqlite3* h = db.handle();
    if (!sqlite3_get_autocommit(h)) return false;
    const qint64 pages = pragma_number(db, "PRAGMA page_count");
    const qint64 free_pages = pragma_number(db, "PRAGMA freelist_count");
    const qint64 page_size = pragma_number(db, "PRAGMA page_size");
    if (pages <= 0 || free_pages < 0 || free_pages * 100 >= pages) return false;

    Statement mode = db.prepare(QStringLiteral("PRAGMA journal_mode"));
    const bool wal = mode.step() && mode.column_text(0).compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    if (wal) {
        // Fold the log into the file, without waiting for anyone.
        sqlite3_busy_timeout(h, 0);
        int log = -1, done = -1;
        const int rc = sqlite3_wal_checkpoint_v2(h, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &log, &done);
        sqlite3_busy_timeout(h, 5000);
        if (rc != SQLITE_OK || log != 0) return false;
    }
    // A read transaction holds the file still: while it reads the file itself (an empty log),
    // no checkpoint may write into the file, and without a log no writer can either.
    db.execute(QStringLiteral("BEGIN"));
    bool copied = false;
    try {
        (void)db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        const QString path = db.path();
        const QFileInfo log(path + QStringLiteral("-wal"));
        const bool log_empty = !wal || !log.exists() || log.size() == 0;
        if (log_empty && QFileInfo(path).size() == pages * page_size) {
            copied = copy_file(path, target) && mark_rollback_journal(target);
            if (!copied) QFile::remove(target);
        }
    } catch (const DbError&) {
        copied = false;
    }
    sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
    return copied;
}

}  // namespace

void Database::compact_to(const QString& target) {
    if (QFileInfo::exists(target))
        throw DbError(db_errors::file_exists, QStringLiteral("The file '%1' already exists.").arg(target));
    if (copy_when_nothing_to_reclaim(*this, target)) return;
    Statement st = prepare(QStringLiteral("VACUUM INTO ?"));
    st.bind(1, target);
    st.step();
}

bool Database::is_table(const QString& name) const { return tables_.contains(name.toLower()); }

bool Database::is_view(const QString& name) const { return views_.contains(name.toLower()); }

qint64 Database::data_version() {
    Statement st = prepare(QStringLiteral("PRAGMA data_version"));
    st.step();
    return (st.column_int64(0) << 32) ^ qint64(sqlite3_total_changes64(db_));
}

Database::Transaction::Transaction(Database& db) : db_(db) { db_.execute(QStringLiteral("BEGIN IMMEDIATE")); }

Database::Transaction::~Transaction() {
    if (!done_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::Transaction::commit() {
    db_.execute(QStringLiteral("COMMIT"));
    done_ = true;
}
