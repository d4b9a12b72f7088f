#pragma once

#include "db_error.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_context;
struct sqlite3_value;
class RecordSet;
class Database;
namespace search_index {
class Prefilter;
}

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
    // Called on a thread that works beside the window: it gives way to the window's thread
    // when both want a processor, so that on a busy machine the window still answers at once.
    static void yield_to_the_window();

    struct Options {
        bool read_only = false;
        bool check_schema = true;  // refuse a file that does not hold the quotation tables
    };

    // Opens an existing file; never creates one. Throws DbError with a clear description when
    // the file does not exist, is not a database, or lacks the quotation tables.
    //
    // No second descriptor is ever opened on the file (its header is read through the engine's
    // own): closing one would drop every lock this process holds on it, and another program
    // ending would then take the write-ahead log of the running one away.
    static std::unique_ptr<Database> open(const QString& path, Options options);
    static std::unique_ptr<Database> open(const QString& path) { return open(path, Options{}); }

    // Whether this program may change the file: write it, and make its companions (the
    // write-ahead log, the journal) in its folder. Database::open() opens a file it may not
    // change for reading only.
    static bool can_write(const QString& path);
    // How can_write finds out; an empty function puts back the check of the file system. For
    // tests, which may run as a user who can write anything.
    static void set_write_check(std::function<bool(const QString&)> check);

    // Opens the file for maintenance (compaction, backup copies): the file is put back in the
    // rollback journal and the connection takes the engine's exclusive lock on it, kept until
    // it closes, so that no other connection reads or writes meanwhile. Throws DbError with the
    // number db_errors::in_use when another connection, of this program or any other, has the
    // file open in write-ahead mode or is reading or writing it.
    static std::unique_ptr<Database> open_exclusive(const QString& path);

    // The last connection to close puts the file back in the rollback journal, which every tool
    // can read, even one that may not write beside the file; while others are open it stays in
    // write-ahead mode.
    ~Database();
    // Closes the connection as the destructor does, but throws DbError, saying where the changes
    // are, when the file could not be put back in the rollback journal for another reason than
    // another connection still using it (a full disk, say): the write-ahead log then keeps them.
    // Nothing may be used on the connection afterwards.
    void close();

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return path_; }
    // Opened for reading only: every change is refused with a message naming the file.
    bool read_only() const { return read_only_; }
    sqlite3* handle() const { return db_; }

    // Runs insert, update, delete or any other statement that returns no rows.
    void execute(const QString& sql);
    std::unique_ptr<RecordSet> open_recordset(const QString& sql);
    // First column of the first row; an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql);
    Statement prepare(const QString& sql);
    // A statement already in the engine's own form (the grid's, rendered from its typed query):
    // nothing rewritten, so that the indexes it was written for serve it. The dialect's like()
    // and collation are there all the same.
    Statement prepare_plain(const QString& sql);
    void execute_plain(const QString& sql);
    qint64 last_insert_rowid() const;
    int changes() const;
    // Rows this connection has written since it opened.
    qint64 total_changes() const;

    // Writes a compacted copy of the whole file to `target`, which must not exist.
    void compact_to(const QString& target);
    // Writes the file's bytes as they stand to `target` (which must not exist) and syncs it,
    // reading through the engine's own handle. Only for a connection from open_exclusive(),
    // whose lock holds the bytes still.
    // `going` is told the bytes copied now and then; false stops the copy (DbError, cancelled).
    void copy_file_to(const QString& target, const std::function<bool(qint64 done, qint64 total)>& going = {});

    // Statement text as SQLite must read it: qualifiers resolved, text compared under the
    // program's collation.
    QString translate(const QString& sql);
    // Only the qualifiers resolved: the statement as the program means it, for splitting.
    QString resolve(const QString& sql);

    bool is_table(const QString& name) const;
    bool is_view(const QString& name) const;
    // The table a saved query selects from (the first one it names); empty when none.
    QString view_base(const QString& view) const;
    // A table's INTEGER PRIMARY KEY column (its rowid by another name); empty when it has none.
    QString integer_key(const QString& table);

    // Counts every change committed to the file, by this or any other connection: the same
    // number means the same data.
    qint64 data_version();

    [[noreturn]] void raise(int rc) const;

    // Statements on this connection are interrupted (DbError) once `flag` is set, from any
    // thread; none: never. The flag must outlive the connection or be taken back first.
    void stop_when(const std::atomic<bool>* flag);
    // Reads the tables, saved queries and indexes again, after another connection changed them.
    void refresh_schema() { load_schema(); }

    // BEGIN IMMEDIATE ... COMMIT; inside another transaction, a savepoint of it. Rolled back
    // unless committed.
    class Transaction {
    public:
        explicit Transaction(Database& db);
        // Inside another transaction, no savepoint: the work is a part of the outer one, which
        // commits or undoes it whole. For work that changes many rows, whose every page a
        // savepoint would copy aside first.
        enum Join { join };
        Transaction(Database& db, Join);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        Database& db_;
        bool nested_;
        bool joined_ = false;
        bool done_ = false;
    };

    // For the length of a change to many rows: a page cache that holds the pages of every index
    // the change touches (a million quotations' indexes), given back after. With the engine's
    // small default cache, a bulk delete at a million quotations writes and reads the same index
    // pages again and again and takes half as long again.
    class LargeCache {
    public:
        explicit LargeCache(Database& db);
        ~LargeCache();
        LargeCache(const LargeCache&) = delete;
        LargeCache& operator=(const LargeCache&) = delete;

    private:
        Database& db_;
        qint64 before_;
    };

    // A function of the program's, known to this connection while the value lives; with `step`
    // and `final` instead of `call`, an aggregate. Throws DbError when the engine refuses it.
    class Function {
    public:
        using Call = void (*)(sqlite3_context*, int, sqlite3_value**);
        using Final = void (*)(sqlite3_context*);
        Function(Database& db, const char* name, int arguments, void* data, Call call, Call step = nullptr, Final final = nullptr);
        ~Function();
        Function(const Function&) = delete;
        Function& operator=(const Function&) = delete;

    private:
        Database& db_;
        const char* name_;
        int arguments_;
    };

private:
    explicit Database(const QString& path);
    QString add_search_prefilter(const QString& sql);
    static std::unique_ptr<Database> open_connection(const QString& path, bool read_only, bool check_schema);
    void load_schema();

    QString path_;
    sqlite3* db_ = nullptr;
    bool read_only_ = false;
    bool maintenance_ = false;
    bool held_ = true;  // counted in held_files until closed
    void release_hold();
    QSet<QString> numeric_columns_;    // lower case: columns that compare as numbers
    bool search_index_ = false;        // the quotations' substring index is there
    std::unique_ptr<search_index::Prefilter> prefilter_;
    QHash<QString, QString> tables_;   // lower case -> as written
    QHash<QString, QString> views_;    // lower case -> base table, lower case
    QHash<QString, QString> translated_;
    struct TableCounts;
    std::unique_ptr<TableCounts> counts_;
};

// Why there is no file at `path`, as a sentence naming it: it does not exist, or it is a
// symbolic link that leads round in a loop or to nothing.
QString why_no_file(const QString& path);

// Rows of `table` per text of `column`, in one grouped pass over the column's own values (an
// index of the column serves it): texts equal but for letter case, as "=" compares them, count
// together, under their folded form (jet::folded). Rows without a text are not counted.
QHash<QString, int> count_per_text(Database& db, const QString& table, const QString& column);
