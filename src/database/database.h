#pragma once

#include "db_error.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;
class RecordSet;
class Database;

// A prepared statement; finalised when it goes out of scope.
class Statement {
public:
    Statement(Database& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    Statement(Statement&& o) noexcept : db_(o.db_), stmt_(o.stmt_) { o.stmt_ = nullptr; }
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    // True while a row is available; throws DbError on failure.
    bool step();
    void reset();
    void bind(int index, const QVariant& value);  // index from 1
    int column_count() const;
    QString column_name(int i) const;
    QVariant column(int i) const;  // null, qint64, double or QString
    qint64 column_int64(int i) const;
    QString column_text(int i) const;
    bool column_is_null(int i) const;
    sqlite3_stmt* handle() const { return stmt_; }

private:
    Database* db_;
    sqlite3_stmt* stmt_;
};

// One open database file. Statement texts are written in the program's Jet dialect; the adapter
// registers the dialect on the connection and rewrites what SQLite would read differently.
class Database {
public:
    struct Options {
        bool read_only = false;
        bool check_schema = true;  // refuse a file that does not hold the quotation tables
    };

    // Opens an existing file; never creates one. Throws DbError with a clear description when
    // the file does not exist, is not a database, or lacks the quotation tables.
    static std::unique_ptr<Database> open(const QString& path, Options options);
    static std::unique_ptr<Database> open(const QString& path) { return open(path, Options{}); }
    ~Database();

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return path_; }
    sqlite3* handle() const { return db_; }

    // Runs insert, update, delete or any other statement that returns no rows.
    void execute(const QString& sql);
    std::unique_ptr<RecordSet> open_recordset(const QString& sql);
    // First column of the first row; an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql);
    Statement prepare(const QString& sql);
    qint64 last_insert_rowid() const;
    int changes() const;

    // Writes a compacted copy of the whole file to `target`, which must not exist.
    void compact_to(const QString& target);

    // Statement text as SQLite must read it.
    QString translate(const QString& sql);

    bool is_table(const QString& name) const;
    bool is_view(const QString& name) const;

    // Counts every change committed to the file, by this or any other connection: the same
    // number means the same data.
    qint64 data_version();

    [[noreturn]] void raise(int rc) const;

    class Transaction {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        Database& db_;
        bool done_ = false;
    };

private:
    explicit Database(const QString& path);
    void load_schema();

    QString path_;
    sqlite3* db_ = nullptr;
    QHash<QString, QString> tables_;   // lower case -> as written
    QHash<QString, QString> views_;    // lower case -> base table, lower case
    QHash<QString, QString> translated_;
};
