#include "database.h"

#include "jet_dialect.h"
#include "recordset.h"
#include "schema.h"
#include "sql_text.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

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
    Statement st = prepare(sql);
    if (!st.step()) return QVariant();
    QVariant v = st.column(0);
    return v.isNull() ? QVariant(QString()) : v;
}

qint64 Database::last_insert_rowid() const { return sqlite3_last_insert_rowid(db_); }

int Database::changes() const { return sqlite3_changes(db_); }

void Database::compact_to(const QString& target) {
    if (QFileInfo::exists(target))
        throw DbError(db_errors::file_exists, QStringLiteral("The file '%1' already exists.").arg(target));
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
