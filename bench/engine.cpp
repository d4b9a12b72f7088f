#include "engine.h"

#include <QElapsedTimer>
#include <QFile>
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace bench {

PlainEngine::PlainEngine(const QString& path) {
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close_v2(db_);
        throw std::runtime_error("the engine cannot open " + path.toStdString() + ": " + why);
    }
    sqlite3_busy_timeout(db_, 5000);
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

QVariant PlainEngine::first_value(const QString& sql) {
    const std::vector<Row> all = rows(sql);
    return all.empty() || all.front().empty() ? QVariant() : all.front().front();
}

namespace {

struct Deadline {
    QElapsedTimer clock;
    double limit_ms;
    bool hit = false;
};

int past_deadline(void* context) {
    auto* d = static_cast<Deadline*>(context);
    if (double(d->clock.nsecsElapsed()) / 1e6 <= d->limit_ms) return 0;
    d->hit = true;
    return 1;
}

}  // namespace

std::vector<PlainEngine::Row> PlainEngine::rows(const QString& sql, double limit_ms, bool* interrupted) {
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.toStdString());
    Deadline deadline{QElapsedTimer(), limit_ms};
    if (limit_ms > 0) {
        deadline.clock.start();
        sqlite3_progress_handler(db_, 1000, past_deadline, &deadline);
    }
    std::vector<Row> out;
    int rc;
    const int n = sqlite3_column_count(st);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        Row r(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_NULL: break;
            case SQLITE_INTEGER: r[size_t(i)] = qint64(sqlite3_column_int64(st, i)); break;
            case SQLITE_FLOAT: r[size_t(i)] = sqlite3_column_double(st, i); break;
            case SQLITE_BLOB:
                r[size_t(i)] = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i));
                break;
            default:
                r[size_t(i)] = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                                 sqlite3_column_bytes(st, i));
            }
        }
        out.push_back(std::move(r));
    }
    sqlite3_finalize(st);
    if (limit_ms > 0) sqlite3_progress_handler(db_, 0, nullptr, nullptr);
    if (interrupted) *interrupted = deadline.hit;
    if (rc != SQLITE_DONE && !(deadline.hit && rc == SQLITE_INTERRUPT))
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.toStdString());
    return out;
}

void evict_from_page_cache(const QString& path) {
    for (const QString& p : {path, path + QStringLiteral("-wal")}) {
        const int fd = ::open(QFile::encodeName(p).constData(), O_RDONLY);
        if (fd < 0) continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

QString sql_literal(const QString& text) {
    QString t = text;
    t.replace(u'\'', QLatin1String("''"));
    return u'\'' + t + u'\'';
}

QString sql_blob(const QByteArray& bytes) { return QStringLiteral("X'") + QString::fromLatin1(bytes.toHex()) + u'\''; }

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
