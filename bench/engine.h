#pragma once

#include <QString>

#include <cstddef>

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

    std::size_t bytes_read = 0;  // text read by run(), so that the reads are not optimised away

private:
    sqlite3* db_ = nullptr;
};

// The engine's own work for a start-up: VACUUM INTO a new file, then open that file (its
// schema read). Returns milliseconds; `scratch` is removed before and after.
double vacuum_into_and_open(const QString& path, const QString& scratch);

// Peak resident memory of this process so far (VmHWM), in kilobytes.
qint64 peak_memory_kb();

}  // namespace bench
