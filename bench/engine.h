#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstddef>
#include <vector>

struct sqlite3;

namespace bench {

// The engine on its own, as the stock sqlite3 tool uses it: the plain C API, default settings,
// SQLite's built-in NOCASE and LIKE, none of the program's dialect. Floors are measured with it.
class PlainEngine {
public:
    explicit PlainEngine(const QString& path);
    ~PlainEngine();
    PlainEngine(const PlainEngine&) = delete;
    PlainEngine& operator=(const PlainEngine&) = delete;

    void exec(const QString& sql);
    // Runs a query to its last row; returns the number of rows. With `read_columns` every value
    // of every row is read as text, as a tool that prints them would.
    qint64 run(const QString& sql, bool read_columns = false);

    // The first column of the first row, as a number (0 without a row).
    qint64 first_number(const QString& sql);
    // The first column of the first row; invalid without a row.
    QVariant first_value(const QString& sql);

    using Row = std::vector<QVariant>;  // null, qint64, double, QString or QByteArray (a blob)
    // Every row of a query. With `limit_ms` > 0 the engine is interrupted once the statement has
    // run that long: then `interrupted` is set and the rows are those read so far.
    std::vector<Row> rows(const QString& sql, double limit_ms = 0, bool* interrupted = nullptr);

    sqlite3* handle() const { return db_; }
    std::size_t bytes_read = 0;  // text read by run(), so that the reads are not optimised away

private:
    sqlite3* db_ = nullptr;
};

// A plain copy of a file and its trip to the disk, as cp and sync do it. Returns milliseconds.
double copy_and_sync(const QString& from, const QString& to);

// The engine's own work for a start-up: VACUUM INTO a new file, then open that file (its
// schema read). Returns milliseconds; `scratch` is removed before and after.
double vacuum_into_and_open(const QString& path, const QString& scratch);

// The file (and its write-ahead log, when there is one) put out of the system's page cache, as
// after a reboot: its dirty pages written first, then dropped.
void evict_from_page_cache(const QString& path);

// Peak resident memory of this process so far (VmHWM), in kilobytes.
qint64 peak_memory_kb();

// A text as an SQL literal: 'it''s'.
QString sql_literal(const QString& text);
// Bytes as an SQL blob literal: X'00ff'.
QString sql_blob(const QByteArray& bytes);

}  // namespace bench
