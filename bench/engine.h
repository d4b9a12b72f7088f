#pragma once

#include <QString>

#include <QStringList>

#include <cstddef>
#include <initializer_list>
#include <vector>

struct sqlite3;

namespace bench {

// The engine on its own, as the stock sqlite3 tool uses it: the plain C API, default settings,
// SQLite's built-in NOCASE and LIKE, none of the program's dialect. Floors are measured with it.
class PlainEngine {
public:
    // With `dialect`, the program's collation and like() are registered on the connection, so
    // that it can run the program's own statements as the program sends them to the engine.
    explicit PlainEngine(const QString& path, bool dialect = false);
    ~PlainEngine();
    PlainEngine(const PlainEngine&) = delete;
    PlainEngine& operator=(const PlainEngine&) = delete;

    void exec(const QString& sql);
    // Runs a query to its last row; returns the number of rows. With `read_columns` every value
    // of every row is read as text, as a tool that prints them would.
    qint64 run(const QString& sql, bool read_columns = false);

    // The first column of the first row, as a number.
    qint64 first_number(const QString& sql);

    std::size_t bytes_read = 0;  // text read by run(), so that the reads are not optimised away

private:
    sqlite3* db_ = nullptr;
};

// The statements the program sends to the engine while a trace lives, with their parameters
// written in, in the order they run: what the engine alone must do for the same work.
class StatementTrace {
public:
    explicit StatementTrace(std::initializer_list<sqlite3*> connections);
    ~StatementTrace();
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

    QStringList statements;

private:
    std::vector<sqlite3*> connections_;
};

// Runs each statement to its last row on `engine`, writes undone at the end; returns milliseconds.
double replay(PlainEngine& engine, const QStringList& statements);

// A plain copy of a file and its trip to the disk, as cp and sync do it. Returns milliseconds.
double copy_and_sync(const QString& from, const QString& to);

// The engine's own work for a start-up: VACUUM INTO a new file, then open that file (its
// schema read). Returns milliseconds; `scratch` is removed before and after.
double vacuum_into_and_open(const QString& path, const QString& scratch);

// Peak resident memory of this process so far (VmHWM), in kilobytes.
qint64 peak_memory_kb();

}  // namespace bench
