#include "engine.h"

#include <QRegularExpression>

#include "database/jet_dialect.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace bench {

PlainEngine::PlainEngine(const QString& path, bool dialect) {
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close_v2(db_);
        throw std::runtime_error("the engine cannot open " + path.toStdString() + ": " + why);
    }
    sqlite3_busy_timeout(db_, 5000);
    if (dialect) jet::register_dialect(db_);
}

PlainEngine::~PlainEngine() { sqlite3_close_v2(db_); }

void PlainEngine::exec(const QString& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string why = err ? err : "error";
        sqlite3_free(err);
        throw std::runtime_error(why + " in: " + sql.toStdString());
    }
}

qint64 PlainEngine::run(const QString& sql, bool read_columns) {
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.toStdString());
    qint64 rows = 0;
    int rc;
    const int n = sqlite3_column_count(st);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        ++rows;
        if (read_columns)
            for (int i = 0; i < n; ++i) {
                const unsigned char* t = sqlite3_column_text(st, i);
                if (t) bytes_read += std::strlen(reinterpret_cast<const char*>(t));
            }
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.toStdString());
    return rows;
}

namespace {

int trace_statement(unsigned kind, void* context, void* statement, void*) {
    if (kind != SQLITE_TRACE_STMT) return 0;
    auto* stmt = static_cast<sqlite3_stmt*>(statement);
    char* sql = sqlite3_expanded_sql(stmt);
    if (sql && std::strncmp(sql, "--", 2) != 0) static_cast<QStringList*>(context)->append(QString::fromUtf8(sql));
    sqlite3_free(sql);
    return 0;
}

}  // namespace

StatementTrace::StatementTrace(std::initializer_list<sqlite3*> connections) : connections_(connections) {
    for (sqlite3* db : connections_) sqlite3_trace_v2(db, SQLITE_TRACE_STMT, trace_statement, &statements);
}

StatementTrace::~StatementTrace() {
    for (sqlite3* db : connections_) sqlite3_trace_v2(db, 0, nullptr, nullptr);
}

double replay(PlainEngine& engine, const QStringList& statements) {
    // The program's writes (the rotation of the random order) are done and then undone: a commit
    // from this connection would count, for the running program, as another program's change,
    // and make it read again what it keeps while nothing changed.
    static const QRegularExpression transaction(QStringLiteral(R"(^\s*(BEGIN|COMMIT|END|ROLLBACK|SAVEPOINT|RELEASE)\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    QElapsedTimer timer;
    timer.start();
    engine.exec(QStringLiteral("BEGIN"));
    for (const QString& sql : statements)
        if (!transaction.match(sql).hasMatch()) engine.run(sql);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    engine.exec(QStringLiteral("ROLLBACK"));
    return ms;
}

double copy_and_sync(const QString& from, const QString& to) {
    QFile::remove(to);
    QElapsedTimer timer;
    timer.start();
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY);
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0) throw std::runtime_error("cannot copy " + from.toStdString());
    std::vector<char> buffer(1 << 20);
    ssize_t n;
    while ((n = ::read(in, buffer.data(), buffer.size())) > 0)
        if (::write(out, buffer.data(), size_t(n)) != n) throw std::runtime_error("cannot write " + to.toStdString());
    ::fsync(out);
    ::close(out);
    ::close(in);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QFile::remove(to);
    return ms;
}

qint64 PlainEngine::first_number(const QString& sql) {
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.toStdString());
    const qint64 v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : 0;
    sqlite3_finalize(st);
    return v;
}

double vacuum_into_and_open(const QString& path, const QString& scratch) {
    QFile::remove(scratch);
    QElapsedTimer timer;
    timer.start();
    {
        PlainEngine source(path);
        QString target = scratch;
        source.exec(QStringLiteral("VACUUM INTO '%1'").arg(target.replace(u'\'', QLatin1String("''"))));
    }
    {
        PlainEngine copy(scratch);
        copy.run(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QFile::remove(scratch);
    return ms;
}

qint64 peak_memory_kb() {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    qint64 kb = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atoll(line + 6);
    std::fclose(f);
    return kb;
}

}  // namespace bench
