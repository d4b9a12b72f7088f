#include "database.h"

#include "held_files.h"
#include "jet_dialect.h"
#include "recordset.h"
#include "schema.h"
#include "grid_keys.h"
#include "search_index.h"
#include "sql_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

#include <unordered_map>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

// Row counts of whole tables, as the counters under the grids ask for them after every query.
// Counting a million rows means reading an index through; the number stays good until data
// changes, which the engine tells: PRAGMA data_version moves with commits of other connections,
// total_changes with this connection's own, schema_version with any change of the tables.
struct Database::TableCounts {
    qint64 data_version = -1, total_changes = -1, schema_version = -1;
    QHash<QString, QVariant> counts;  // table name, lower case -> count
};

namespace {

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

std::function<bool(const QString&)>& write_check() {
    static std::function<bool(const QString&)> check;
    return check;
}

bool may_write(const QString& path) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

QString why_no_file(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat link {};
    if (::lstat(name.constData(), &link) != 0) {
        if (errno == ELOOP)
            return QStringLiteral("'%1' cannot be reached: a symbolic link in its folders leads round in a loop.").arg(path);
        if (errno == ENOENT || errno == ENOTDIR) return QCoreApplication::translate("database", "The file '%1' does not exist.").arg(path);
        return QCoreApplication::translate("database", "The file '%1' cannot be reached: %2.").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat target {};
    if (!S_ISLNK(link.st_mode) || ::stat(name.constData(), &target) == 0)
        return QCoreApplication::translate("database", "The file '%1' does not exist.").arg(path);
    if (errno == ELOOP)
        return QStringLiteral("'%1' is a symbolic link that leads round in a loop, back to itself.").arg(path);
    return QStringLiteral("'%1' is a symbolic link to '%2', which does not exist.").arg(path, QFileInfo(path).symLinkTarget());
}

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
        case QMetaType::QByteArray: {
            const QByteArray bytes = v.toByteArray();
            rc = sqlite3_bind_blob(stmt_, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
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
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, i)), sqlite3_column_bytes(stmt_, i)));
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

Database::Database(const QString& path) : path_(path) { held_files::hold(path); }

Database::~Database() {
    try {
        close();
    } catch (const DbError&) {
    }
}

// The engine's files are no longer this connection's: see held_files.h.
void Database::release_hold() {
    if (!held_) return;
    held_ = false;
    held_files::release(path_);
}

void Database::close() {
    if (!db_) {
        release_hold();
        return;
    }
    int rc = SQLITE_OK;
    QString why;
    if (!read_only_ && !maintenance_) {
        // Refused at once while another connection, here or in another program, is open: the
        // last one to close does it.
        sqlite3_busy_timeout(db_, 0);
        rc = sqlite3_exec(db_, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            why = QString::fromUtf8(sqlite3_errmsg(db_));
            if (const int error = sqlite3_system_errno(db_))  // "No space left on device", say
                why += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
        }
    }
    sqlite3_close_v2(db_);
    db_ = nullptr;
    release_hold();
    if (rc == SQLITE_OK || DbError(rc, why).busy()) return;
    // The engine's companions are beside the file a link leads to.
    const QString real = QFileInfo(path_).canonicalFilePath();
    const QString wal = (real.isEmpty() ? path_ : real) + QStringLiteral("-wal");
    if (!QFileInfo::exists(wal))
        throw DbError(rc, QCoreApplication::translate("database", "The database '%1' could not be closed cleanly: %2.").arg(path_, why));
    throw DbError(rc, QStringLiteral("The last changes could not be written into the database '%1' itself: %2.\n"
                                     "They are safe in '%3' beside it, which is read in at the next opening: keep the "
                                     "two files together, and make room on the disk.")
                          .arg(path_, why, QFileInfo(wal).fileName()));
}

std::unique_ptr<Database> Database::open_connection(const QString& path, bool read_only, bool check_schema) {
    const QFileInfo info(path);
    if (!info.exists()) throw DbError(db_errors::cannot_open, why_no_file(path));
    if (!info.isFile())
        throw DbError(db_errors::cannot_open, QStringLiteral("'%1' is not a file.").arg(path));
    if (!info.isReadable())
        throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The file '%1' cannot be read: permission denied.").arg(path));
    std::unique_ptr<Database> db(new Database(path));
    db->read_only_ = read_only;
    const int flags = (read_only ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db->db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db->db_ ? QString::fromUtf8(sqlite3_errmsg(db->db_)) : QString::fromUtf8(sqlite3_errstr(rc));
        throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The file '%1' cannot be opened: %2.").arg(path, why));
    }
    if (!read_only && sqlite3_db_readonly(db->db_, "main") == 1) db->read_only_ = true;  // opened read-only after all
    // Look at the header first, so that nothing at all is written to a file of another kind. It
    // is read through the engine's own descriptor: see open().
    char head[16] = {};
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db->db_, "main", SQLITE_FCNTL_FILE_POINTER, &file) == SQLITE_OK && file && file->pMethods) {
        const int read = file->pMethods->xRead(file, head, int(sizeof head), 0);
        if (read != SQLITE_OK && read != SQLITE_IOERR_SHORT_READ)
            throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The file '%1' cannot be read: %2.")
                                                      .arg(path, QString::fromUtf8(sqlite3_errstr(read))));
    }
    if (info.size() > 0 && std::memcmp(head, "SQLite format 3\0", 16) != 0)
        throw DbError(db_errors::not_a_database, QCoreApplication::translate("database", "The file '%1' is not a Sentara database file.").arg(path));
    if (info.size() == 0 && check_schema)
        throw DbError(db_errors::not_a_database,
                      QCoreApplication::translate("database", "The file '%1' is empty: it is not a Sentara database file.").arg(path));
    sqlite3_extended_result_codes(db->db_, 1);
    sqlite3_busy_timeout(db->db_, 5000);
    jet::register_dialect(db->db_);
    try {
        db->load_schema();
    } catch (const DbError& e) {
        throw DbError(e.number() == SQLITE_NOTADB ? db_errors::not_a_database : e.number(),
                      QCoreApplication::translate("database", "The file '%1' cannot be used: %2.").arg(path, e.description()));
    }
    if (check_schema) {
        const QStringList missing = schema::missing_objects(*db);
        if (!missing.isEmpty())
            throw DbError(db_errors::not_a_database,
                          QCoreApplication::translate("database", "The file '%1' is not a Sentara database: it lacks %2.")
                              .arg(path, missing.join(QStringLiteral(", "))));
    }
    return db;
}

bool Database::can_write(const QString& path) {
    if (write_check()) return write_check()(path);
    // The engine makes the companions beside the file itself, where a link leads.
    const QFileInfo info(path);
    const QString file = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    return may_write(file) && may_write(QFileInfo(file).absolutePath());
}

void Database::set_write_check(std::function<bool(const QString&)> check) { write_check() = std::move(check); }

void Database::yield_to_the_window() {
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 5);
#endif
}

std::unique_ptr<Database> Database::open(const QString& path, Options options) {
    auto db = open_connection(path, options.read_only || !can_write(path), options.check_schema);
    if (!db->read_only_) {
        // Write-ahead logging while the program runs: commits do not wait for the disk, readers
        // never block the writer, and both handles of the program see each other's commits at once.
        db->execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        db->execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
        schema::prepare_for_use(*db);
    }
    // The engine's own page cache size: its sorter writes runs of that size, and runs of a few
    // megabytes stay in the processor's cache; a 32 MB cache made every sort of a whole list
    // about 1.4 times slower.
    return db;
}

std::unique_ptr<Database> Database::open_exclusive(const QString& path) {
    auto db = open_connection(path, !can_write(path), true);
    if (db->read_only_)
        throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The file '%1' cannot be written.").arg(path));
    db->maintenance_ = true;
    sqlite3_busy_timeout(db->db_, 250);
    const auto in_use = [&] {
        return DbError(db_errors::in_use, QCoreApplication::translate("database", "The file '%1' is in use by another program.").arg(path));
    };
    try {
        db->execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        // Leaving write-ahead mode needs every other connection gone; a file in the rollback
        // journal gives its exclusive lock only when no one reads it.
        if (db->scalar(QStringLiteral("PRAGMA journal_mode=DELETE")).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
            throw in_use();
        db->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        db->execute(QStringLiteral("COMMIT"));  // in exclusive locking mode the lock stays
    } catch (const DbError& e) {
        if (e.busy()) throw in_use();
        throw;
    }
    return db;
}

void Database::stop_when(const std::atomic<bool>* flag) {
    if (!flag) {
        sqlite3_progress_handler(db_, 0, nullptr, nullptr);
        return;
    }
    sqlite3_progress_handler(
        db_, 2000, [](void* f) { return static_cast<const std::atomic<bool>*>(f)->load() ? 1 : 0; },
        const_cast<std::atomic<bool>*>(flag));
}

void Database::load_schema() {
    tables_.clear();
    views_.clear();
    translated_.clear();
    numeric_columns_.clear();
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
    // Columns that compare as numbers, whose comparisons and orders keep SQLite's own (and its
    // indexes); a name that is text in any table counts as text.
    QSet<QString> text_columns;
    for (const QString& table : tables_) {
        Statement info = prepare(QStringLiteral("SELECT name, upper(type) FROM pragma_table_info(?1)"));
        info.bind(1, table);
        while (info.step()) {
            const QString column = info.column_text(0).toLower(), declared = info.column_text(1);
            const bool numeric = declared.contains(QLatin1String("INT")) || declared.contains(QLatin1String("REAL")) ||
                                 declared.contains(QLatin1String("FLOA")) || declared.contains(QLatin1String("DOUB")) ||
                                 declared.contains(QLatin1String("NUM")) || declared.contains(QLatin1String("DEC")) ||
                                 declared.contains(QLatin1String("BOOL"));
            (numeric ? numeric_columns_ : text_columns).insert(column);
        }
    }
    numeric_columns_.subtract(text_columns);
    search_index_ = search_index::exists(*this);
    translated_.clear();  // what was translated meanwhile knew only some of the columns
}

[[noreturn]] void Database::raise(int rc) const {
    // A change refused on a file opened for reading only (or whose folder takes no journal).
    if (rc == SQLITE_READONLY || rc == SQLITE_READONLY_DIRECTORY)
        throw DbError(rc, QStringLiteral("The database '%1' can only be read: this user may not change the file or "
                                         "its folder, so nothing can be saved in it.")
                              .arg(path_));
    if ((rc & 0xff) == SQLITE_INTERRUPT) throw DbError(db_errors::cancelled, QStringLiteral("Stopped."));
    QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    if (msg.isEmpty() || msg == QLatin1String("not an error")) msg = QString::fromUtf8(sqlite3_errstr(rc));
    throw DbError(rc, msg);
}

// A like on the text or the notes of the quotations also asks the substring index for its
// candidates: "text like '*love*'" becomes "(text like '*love*' AND key IN (SELECT rowid FROM
// quotes_text_search WHERE quotes_text_search MATCH '"lov" AND "ove"'))". The index gives every row that can
// match and perhaps some more; the like still judges each, so the rows are the same.
QString Database::add_search_prefilter(const QString& sql) {
    using namespace sql_text;
    const std::vector<Token> all = tokenize(sql);
    std::vector<Token> t;
    for (const Token& tok : all)
        if (tok.kind != Token::space) t.push_back(tok);
    const qsizetype n = qsizetype(t.size());
    bool on_quotes = false;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QString k = keyword(sql, t[i]);
        if (k != "FROM" && k != "JOIN" && k != "UPDATE") continue;
        const QString name = name_of(sql, t[i + 1]).toLower();
        if (name == u"quotes" || views_.value(name) == u"quotes") on_quotes = true;
    }
    if (!on_quotes) return sql;
    if (!prefilter_) prefilter_ = std::make_unique<search_index::Prefilter>(db_);
    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i + 2 < n; ++i) {
        if (t[i].kind != Token::word && t[i].kind != Token::quoted_name) continue;
        const QString column = name_of(sql, t[i]).toLower();
        if ((column != u"text" && column != u"notes") || keyword(sql, t[i + 1]) != "LIKE" || t[i + 2].kind != Token::string)
            continue;
        QString pattern = sql.mid(t[i + 2].begin + 1, t[i + 2].end - t[i + 2].begin - 2);
        pattern.replace(QLatin1String("''"), QLatin1String("'"));
        const QString match = prefilter_->match(column, pattern);
        if (match.isEmpty()) continue;
        qsizetype start = t[i].begin;
        if (i >= 2 && t[i - 1].kind == Token::punct && sql[t[i - 1].begin] == u'.') start = t[i - 2].begin;
        QString quoted = match;
        quoted.replace(u'\'', QLatin1String("''"));
        out += QStringView(sql).mid(copied, start - copied);
        out += u'(';
        out += QStringView(sql).mid(start, t[i + 2].end - start);
        out += QStringLiteral(" AND key IN (SELECT rowid FROM %1 WHERE %1 MATCH '%2'))").arg(search_index::table_of(column), quoted);
        copied = t[i + 2].end;
        i += 2;
    }
    if (copied == 0) return sql;
    out += QStringView(sql).mid(copied);
    return out;
}

QString Database::resolve(const QString& sql) { return jet::resolve_qualifiers(sql, views_); }

QString Database::translate(const QString& sql) {
    const auto hit = translated_.constFind(sql);
    if (hit != translated_.cend()) return *hit;
    QString out = jet::use_program_collation(jet::resolve_qualifiers(sql, views_), numeric_columns_);
    if (search_index_) out = add_search_prefilter(out);
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

Statement Database::prepare_plain(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) raise(rc);
    if (!stmt) throw DbError(SQLITE_MISUSE, QStringLiteral("Empty statement"));
    return Statement(*this, stmt);
}

void Database::execute_plain(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, utf8.constData(), nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK) raise(rc);
    if (sql_text::contains_word(sql, QStringLiteral("CREATE")) || sql_text::contains_word(sql, QStringLiteral("DROP")) ||
        sql_text::contains_word(sql, QStringLiteral("ALTER")))
        load_schema();
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

Database::Function::Function(Database& db, const char* name, int arguments, void* data, Call call, Call step, Final final)
    : db_(db), name_(name), arguments_(arguments) {
    const int rc = sqlite3_create_function_v2(db.handle(), name, arguments, SQLITE_UTF8, data, call, step, final, nullptr);
    if (rc != SQLITE_OK) db.raise(rc);
}

Database::Function::~Function() {
    sqlite3_create_function_v2(db_.handle(), name_, arguments_, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
}

QHash<QString, int> count_per_text(Database& db, const QString& table, const QString& column) {
    QHash<QString, int> counts;
    const QString keyed = column.toLower() + QStringLiteral("_key");
    if (table.compare(QLatin1String("quotes"), Qt::CaseInsensitive) == 0 &&
        (keyed == u"author_key" || keyed == u"subject_key" || keyed == u"language_key") && grid_keys::stored(db)) {
        // The key's index, read through already grouped; a key holds the folded text.
        if (!db.read_only()) grid_keys::refill(db);
        Statement st = db.prepare_plain(QStringLiteral("SELECT %1, count(*) FROM quotes GROUP BY 1").arg(keyed));
        while (st.step()) {
            if (st.column_is_null(0)) continue;
            counts[jet::folded_name_of_key(st.column(0).toByteArray())] += int(st.column_int64(1));
        }
        return counts;
    }
    Statement st = db.prepare(QStringLiteral("SELECT %1 COLLATE BINARY, count(*) FROM %2 GROUP BY 1").arg(column, table));
    while (st.step())
        if (!st.column_is_null(0)) counts[jet::folded(st.column_text(0))] += int(st.column_int64(1));
    return counts;
}

QVariant Database::scalar(const QString& sql) {
    const QString table = counted_table(sql);
    TableCounts* counts = nullptr;
    // Inside a transaction the count may yet be rolled back: it is neither kept nor taken.
    if (!table.isEmpty() && is_table(table) && sqlite3_get_autocommit(db_)) {
        if (!counts_) counts_ = std::make_unique<TableCounts>();
        counts = counts_.get();
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

qint64 Database::total_changes() const { return sqlite3_total_changes64(db_); }

void Database::compact_to(const QString& target) {
    if (QFileInfo::exists(target))
        throw DbError(db_errors::file_exists, QCoreApplication::translate("database", "The file '%1' already exists.").arg(target));
    Statement st = prepare(QStringLiteral("VACUUM INTO ?"));
    st.bind(1, target);
    st.step();
}

void Database::copy_file_to(const QString& target, const std::function<bool(qint64 done, qint64 total)>& going) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods)
        throw DbError(db_errors::cannot_open, QCoreApplication::translate("database", "The file '%1' cannot be read.").arg(path_));
    sqlite3_int64 size = 0;
    if (const int rc = file->pMethods->xFileSize(file, &size); rc != SQLITE_OK) raise(rc);
    const QByteArray name = QFile::encodeName(target);
    const auto failure = [&](const char* what, int error) {
        return DbError(error ? error : 1, QStringLiteral("'%1' cannot be %2: %3")
                                               .arg(target, QLatin1String(what), QString::fromLocal8Bit(std::strerror(error))));
    };
    const int out = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) throw failure("written", errno);
    std::vector<char> buffer(std::size_t(1) << 20);
    int error = 0;
    const char* what = "written";
    for (sqlite3_int64 at = 0; at < size && error == 0;) {
        if (going && !going(at, size)) {
            ::close(out);
            ::unlink(name.constData());
            throw DbError(db_errors::cancelled, QStringLiteral("Stopped."));
        }
        const int n = int(std::min<sqlite3_int64>(sqlite3_int64(buffer.size()), size - at));
        if (const int rc = file->pMethods->xRead(file, buffer.data(), n, at); rc != SQLITE_OK) {
            ::close(out);
            ::unlink(name.constData());
            raise(rc);
        }
        for (int done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer.data() + done, size_t(n - done));
            if (w < 0) {
                if (errno == EINTR) continue;
                error = errno;  // read now: closing and removing the file would change it
                break;
            }
            done += int(w);
        }
        at += n;
    }
    if (error == 0 && ::fsync(out) != 0) {
        error = errno;
        what = "written to disk";
    }
    if (::close(out) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        throw failure(what, error);
    }
}

bool Database::is_table(const QString& name) const { return tables_.contains(name.toLower()); }

bool Database::is_view(const QString& name) const { return views_.contains(name.toLower()); }

QString Database::view_base(const QString& view) const {
    const QString base = views_.value(view.toLower());
    return tables_.value(base);
}

QString Database::integer_key(const QString& table) {
    Statement st = prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1) WHERE pk = 1 AND upper(type) = 'INTEGER' "
                                          "AND (SELECT count(*) FROM pragma_table_info(?1) WHERE pk > 0) = 1"));
    st.bind(1, table);
    return st.step() ? st.column_text(0) : QString();
}

qint64 Database::data_version() {
    Statement st = prepare(QStringLiteral("PRAGMA data_version"));
    st.step();
    return (st.column_int64(0) << 32) ^ qint64(sqlite3_total_changes64(db_));
}

// An outer transaction takes the write lock before anything is read, waiting for another
// writer as long as the busy timeout allows: a read turned into a write later would be refused at
// once when another connection committed meanwhile. A transaction begun inside another is a
// savepoint of it.
Database::LargeCache::LargeCache(Database& db) : db_(db) {
    before_ = db.scalar(QStringLiteral("PRAGMA cache_size")).toLongLong();
    db.execute_plain(QStringLiteral("PRAGMA cache_size = -262144"));  // 256 MiB at most, as pages are read
}

Database::LargeCache::~LargeCache() {
    sqlite3_exec(db_.handle(), QByteArray("PRAGMA cache_size = " + QByteArray::number(before_)).constData(), nullptr, nullptr, nullptr);
    sqlite3_db_release_memory(db_.handle());
}

Database::Transaction::Transaction(Database& db) : db_(db), nested_(!sqlite3_get_autocommit(db.handle())) {
    db_.execute(nested_ ? QStringLiteral("SAVEPOINT nested") : QStringLiteral("BEGIN IMMEDIATE"));
}

Database::Transaction::Transaction(Database& db, Join) : db_(db), nested_(false), joined_(!sqlite3_get_autocommit(db.handle())) {
    if (!joined_) db_.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Database::Transaction::~Transaction() {
    if (done_ || joined_) return;
    sqlite3_exec(db_.handle(), nested_ ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::Transaction::commit() {
    if (joined_) return;
    db_.execute(nested_ ? QStringLiteral("RELEASE nested") : QStringLiteral("COMMIT"));
    done_ = true;
}
