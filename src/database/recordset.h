#pragma once

#include <atomic>
#include <functional>

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdint>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Database;
class Statement;

// A set over the rows of one table or saved query, named by a key: the statement behind a
// window's list, said as what it is rather than as SQL text to be taken apart.
struct KeyedSource {
    QString sql;        // the statement as the program writes it (what sql() reports)
    QString from;       // the table or saved query the rows come from
    QString key;        // its key column
    QString table;      // the table its rows are rows of: edited and deleted there
    QString condition;  // without "where"; empty: every row
    QString order;      // without "order by"
    // A count added to each row as the field `as`: the rows of `table` whose `column` equals this
    // row's `on` (letter case ignored, as "=" compares texts), 0 for none, as a saved query that
    // left-joins a grouped count would give it. The counts are read in one grouped pass when the
    // first row is read, not once per row; an order or condition naming `as` has the engine count
    // them with the keys.
    struct Count {
        QString table;
        QString column;
        QString on;
        QString as;
        // Counts kept from one set to the next of the same list (a filter, another order), read
        // again when the set's version has moved or a set is read again (requery); none: each
        // set reads its own.
        struct Kept {
            qint64 version = -1;
            QHash<QString, int> counts;
        };
        std::shared_ptr<Kept> kept;
    } count;
    // The version of the data the set's rows are read at (see RecordSet::set_version_source);
    // none: the connection's count of commits.
    std::function<qint64()> version = nullptr;
};

// Compares two values as the engine orders them: null, numbers, texts (under the program's
// collation, or byte by byte), blobs byte by byte.
int compare_as_sorted(const QVariant& a, const QVariant& b, bool program_collation);

// Reads the keys of a large list in its order, a page at a time and from either end, so that
// the first page of a million rows costs what a page costs: the record set asks for the rows it
// shows, and reads the rest when there is time. Throws DbError.
class KeyReader {
public:
    virtual ~KeyReader() = default;
    virtual QString sql() const = 0;    // the statement as the program writes it
    virtual QString table() const = 0;  // where the rows are edited and deleted
    // A statement reading the fields of one row, its key bound as ?1.
    virtual QString row_sql() const = 0;
    // Before the list is read (again): what the file holds is brought up to date for it.
    virtual void restart() = 0;
    // Appends at least `rows` more keys (fewer when the list ends) in the list's order, or in
    // the reverse order from its end; false once the list has ended.
    virtual bool forward(std::vector<qint64>& out, int rows) = 0;
    virtual bool backward(std::vector<qint64>& out, int rows) = 0;
    virtual qint64 count() = 0;
    // The same count as a task that needs nothing of this reader (a connection of its own), to
    // run on another thread while the list is shown; it stops with DbError once `stop` is set.
    // Empty when the count can only be taken here. Asked after restart().
    virtual std::function<qint64(const std::atomic<bool>& stop)> count_task() { return {}; }
    // How many rows of the list a row makes now (0: it is not listed).
    virtual int times(qint64 key) = 0;
    // Where two rows stand in the list's order: negative when `a` comes first.
    virtual int compare(qint64 a, qint64 b) = 0;
    // The keys of the rows that meet a condition of the program's dialect.
    virtual QString keys_where_sql(const QString& condition) const = 0;
    // Every key was read: what holds the connection's view of the file is let go.
    virtual void close() = 0;
};

// A Jet-style record set over one SELECT.
//
// Where the rows of the statement can be named by a key (the rowid of a single table, the key of
// the quotations' saved query), the record set holds only the keys, in the statement's order, and
// reads a row's fields when they are asked for: a million quotations cost a few megabytes, and
// opening the set costs what the engine needs to find and order them. Other statements (counts,
// groupings, the reference saved queries) are read whole.
//
// A set over a single table is updatable: add new, edit, update, delete.
class RecordSet : public QObject {
    Q_OBJECT
public:
    RecordSet(Database& db, const QString& sql);
    RecordSet(Database& db, const KeyedSource& source);
    // A large list: its keys read as they are needed (see KeyReader).
    RecordSet(Database& db, std::unique_ptr<KeyReader> reader);
    ~RecordSet() override;

    const QString& sql() const { return sql_; }
    Database& database() const { return db_; }

    // Navigation. Moving past either end is an error 3021, as is reading with no current row.
    bool eof() const;
    int record_count() const;
    // The count when it is known without counting (a large list counts after its first page);
    // else the rows read so far.
    int known_count() const;
    // The count when it is known without waiting (a large list is counted beside the window
    // once its first page is read); -1 while it is being counted.
    int count_if_known() const;
    int absolute_position() const;  // -1 when there is no current row
    void set_absolute_position(int position);
    void move_first();
    void move_next();
    // Makes the first row that meets the SQL condition current; returns false (and leaves the
    // current row alone) when none does.
    bool find_first(const QString& condition);

    QVariant bookmark() const;
    int position_of(const QVariant& bookmark) const;  // -1 when not in the set
    QVariant last_modified() const { return last_modified_; }

    // Fields of the current row.
    int field_index(const QString& name) const;
    QVariant value(const QString& name) const;  // null stays null
    QString text(const QString& name) const;    // null reads as empty text

    // Any row, for grids: no current-row change, no error for a row that has gone.
    QVariant value_at(int row, int field) const;
    QVariant key_at(int row) const;

    // Editing (single-table sets only).
    bool updatable() const { return !table_.isEmpty(); }
    void add_new();
    void edit();
    void set_value(const QString& name, const QVariant& value);
    void update();
    void delete_current();
    // The same, the row taken away by `remove` (given its key, on the writing connection)
    // instead of a DELETE: the Trash keeps it.
    void delete_current(const std::function<void(Database& writer, qint64 key)>& remove);
    bool editing() const { return edit_mode_ != EditMode::none; }

    // Re-runs the statement. The first row becomes current (none when the set is empty), without
    // a current_changed: the caller puts the row it wants in place and announces it.
    void requery();
    // The connection the set's changes are written through (its own by default): a set read
    // through one handle may write through the other, so that the reading handle never commits.
    void set_writer(Database& writer) { writer_ = &writer; }
    // Puts the row with `key` where the set's order and condition have it now, as a requery
    // would, without reading the whole set again: out of the set when it no longer meets the
    // condition, into it when it does. `hint` is where it stood, when known. Returns its
    // position, -1 when the set no longer holds it.
    int place(qint64 key, int hint = -1);

    // Rows are kept once read. They are dropped when the data they came from has changed: this
    // checks, and returns true when they were dropped. The version is, by default, the
    // connection's count of commits (its own and other connections'); a caller that knows
    // better (writes that change nothing shown, such as the rotation of the random order) gives
    // its own.
    bool drop_rows_if_changed();
    void set_version_source(std::function<qint64()> source);
    // Reads one row again from the database, the author's picture too.
    void reload_row(int row);

    // A large list's rows not read yet: read for at most `ms` milliseconds more. Returns true
    // while some are left. The count is known before; rows_read tells what came.
    bool read_more(int ms);
    bool fully_read() const;

    // Converts a field value to the text a control shows.
    static QString to_text(const QVariant& v);

signals:
    void reset();
    void removing_row(int row);  // before the row leaves
    void row_removed(int row);
    void inserting_row(int row);  // before a row comes in at `row`
    void row_inserted(int row);
    void row_changed(int row);
    void rows_changed(int first, int last);  // rows in place, with other values (a row moved among them)
    void current_changed(int row);

private:
    enum class EditMode { none, adding, editing };
    using Row = QVector<QVariant>;

    void classify();
    bool holds(int index) const;
    void load_keys() const;
    void load_all() const;                 // a large list's keys, all of them
    qint64 key_of(int index) const;        // the key of a row, read when not yet read
    bool load_keys_in_leading_order() const;
    void materialize() const;
    const Row* row(int index) const;
    void fetch_rows(int first, int last) const;
    void fetch_row(int i) const;
    void add_count(Row& r) const;
    qint64 current_version() const;
    QString natural_order() const;
    int find_in_memory(const QString& condition, bool& understood) const;
    void require_current() const;
    void set_current(int index);
    int count() const;

    Database& writer() const { return writer_ ? *writer_ : db_; }

    Database& db_;
    Database* writer_ = nullptr;
    QString sql_;
    QString key_expr_;          // empty: rows are read whole
    QString table_;             // the single table of an updatable set
    QString from_;
    QString where_;
    QString order_;
    QString select_list_;
    QStringList fields_;

    mutable bool loaded_ = false;
    mutable std::vector<qint64> keys_;
    mutable std::vector<Row> rows_;         // sets read whole
    mutable QHash<int, Row> cache_;         // sets read by key
    mutable std::unique_ptr<Statement> fetch_;  // one row by its key
    bool fetch_has_key_ = false;                // its first column is the key
    // A large list: `keys_` holds its first rows, `tail_` its last ones (the last first), until
    // they meet; `total_` is its count once known (-1 before).
    std::unique_ptr<KeyReader> reader_;
    mutable std::vector<qint64> tail_;
    mutable qint64 total_ = -1;
    // The count of a large list, taken on a thread of its own; what it found is moved into
    // `total_` when asked.
    struct CountJob;
    mutable std::unique_ptr<CountJob> count_job_;
    void start_count() const;
    void take_count() const;
    mutable bool head_ended_ = false, tail_ended_ = false;
    // A count: the statement text its keys are read from, and the counts once read.
    KeyedSource::Count count_;
    QString keys_from_;
    mutable std::optional<QHash<QString, int>> counts_;
    std::function<qint64()> version_source_;
    mutable qint64 rows_version_ = -1;  // the version the kept rows were read at

    mutable int current_ = -1;  // index of the current row; count() past the last row
    bool on_deleted_ = false;   // the current row was just deleted
    EditMode edit_mode_ = EditMode::none;
    QHash<int, QVariant> pending_;  // field index -> new value
    QVariant last_modified_;
};
