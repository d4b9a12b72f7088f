#include "held_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <sys/stat.h>

namespace held_files {
namespace {

// The engine's companions of a database file, then the program's own.
const char* const engine_suffixes[] = {"-wal", "-shm", "-journal"};
const char* const program_suffixes[] = {".lock", ".tmp"};

struct Held {
    QString given;      // the absolute path the program opened
    QString resolved;   // with every link resolved: where the engine keeps its companions
    int connections = 0;
};

QMutex guard;
QHash<QString, Held>& held() {
    static QHash<QString, Held> files;
    return files;
}

// The path with its folder's links resolved and the name kept, without looking at the file
// itself (it may not exist, or be a link that leads nowhere).
QString by_name(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName());
}

bool same_file(const struct stat& a, const QString& path) {
    struct stat b {};
    return ::stat(QFile::encodeName(path).constData(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Every file the held database `h` stands for, by name.
QStringList files_of(const Held& h, bool with_database) {
    QStringList out;
    for (const QString& base : {h.given, h.resolved}) {
        if (with_database) out << base;
        for (const char* s : engine_suffixes) out << base + QLatin1String(s);
    }
    for (const char* s : program_suffixes) out << h.given + QLatin1String(s);
    out.removeDuplicates();
    return out;
}

}  // namespace

void hold(const QString& database_path) {
    if (database_path.isEmpty()) return;
    const QString given = by_name(database_path);
    QMutexLocker lock(&guard);
    Held& h = held()[given];
    h.given = given;
    const QString resolved = QFileInfo(database_path).canonicalFilePath();
    h.resolved = resolved.isEmpty() ? given : resolved;
    ++h.connections;
}

void release(const QString& database_path) {
    if (database_path.isEmpty()) return;
    const QString given = by_name(database_path);
    QMutexLocker lock(&guard);
    auto it = held().find(given);
    if (it != held().end() && --it->connections <= 0) held().erase(it);
}

bool is_held(const QString& path) {
    if (path.trimmed().isEmpty()) return false;
    const QString name = by_name(path);
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    QMutexLocker lock(&guard);
    for (const Held& h : std::as_const(held()))
        for (const QString& file : files_of(h, true))
            if (file == name || (exists && same_file(st, file))) return true;
    return false;
}

bool is_companion_name(const QString& path) {
    const QString name = by_name(path);
    QMutexLocker lock(&guard);
    for (const Held& h : std::as_const(held()))
        if (files_of(h, false).contains(name)) return true;
    return false;
}

QString refusal(const QString& path) {
    return QStringLiteral("'%1' is the open database, or one of the files kept beside it while it is open.\n"
                          "It is not opened here, so that the collection stays safe: choose another file.")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace held_files
