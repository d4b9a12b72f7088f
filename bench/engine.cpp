#include "engine.h"

#include <QElapsedTimer>
#include <QFile>
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace bench {

PlainEngine::PlainEngine(const QString& path) {
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close_v2(db_);
        throw std::runtime_error("the engine cannot open " + path.toStdString() + ": " + why);
    }
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
