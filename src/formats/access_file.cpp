// glib first: mdbtools.h includes it inside extern "C", where its C++ parts cannot stand.
#include <glib.h>
#include <mdbtools.h>

#include "access_file.h"

#include "database/held_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace access_file {

namespace {

// The longest value read whole (a memo longer than this is cut there).
constexpr size_t bind_size = 1 << 20;

// mdbtools tells of a page it cannot read (a truncated or damaged file) only on the standard
// error, and goes on with what it has. Its words are caught while it reads: any of them means the
// file was not read whole.
class Diagnostics {
public:
    Diagnostics() {
        std::fflush(stderr);
        file_ = std::tmpfile();
        saved_ = file_ ? ::dup(STDERR_FILENO) : -1;
        if (saved_ >= 0) ::dup2(::fileno(file_), STDERR_FILENO);
    }
    ~Diagnostics() { take(); }
    Diagnostics(const Diagnostics&) = delete;
    Diagnostics& operator=(const Diagnostics&) = delete;

    // What was written meanwhile; the standard error is given back.
    QString take() {
        if (saved_ < 0) return text_;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
        std::rewind(file_);
        QByteArray bytes;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) bytes.append(buffer, qsizetype(n));
        std::fclose(file_);
        file_ = nullptr;
        text_ = QString::fromUtf8(bytes).trimmed();
        return text_;
    }

private:
    std::FILE* file_ = nullptr;
    int saved_ = -1;
    QString text_;
};

struct HandleCloser {
    void operator()(MdbHandle* h) const { mdb_close(h); }
};
struct TableFree {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};

bool bindable(int type) { return type != MDB_OLE && type != MDB_BINARY && type != MDB_COMPLEX; }

// Why the file cannot be an Access database, from its first bytes; empty when it may be one.
QString not_access(const QString& path, qint64* page_size) {
    if (held_files::is_held(path)) return held_files::refusal(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QCoreApplication::translate("access_file", "The file '%1' cannot be read: %2.").arg(path, f.errorString());
    const QByteArray head = f.read(64);
    if (head.startsWith(QByteArray("SQLite format 3", 15)))
        return QCoreApplication::translate("access_file", "The file '%1' is a database of this program already, not an Access file: open it with "
                                                          "File > Change database.")
            .arg(path);
    const bool jet = head.size() >= 21 && head.mid(0, 4) == QByteArray("\x00\x01\x00\x00", 4) &&
                     (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB");
    if (!jet) return QCoreApplication::translate("access_file", "The file '%1' is not an Access database (.mdb) file.").arg(path);
    // Jet 3 files are made of pages of 2 KiB, later ones of 4 KiB.
    *page_size = head[20] == 0 ? 2048 : 4096;
    if (f.size() < 2 * *page_size || f.size() % *page_size != 0)
        return QCoreApplication::translate("access_file", "The file '%1' is truncated or damaged: it is not made of whole pages of an Access database.").arg(path);
    return QString();
}

}  // namespace

int Table::column(const QString& wanted) const {
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns[i].compare(wanted, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

const Table* Contents::table(const QString& wanted) const {
    for (const Table& t : tables)
        if (t.name.compare(wanted, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

Contents read(const QString& path, const QStringList& wanted) {
    Contents out;
    if (!QFileInfo(path).isFile()) {
        out.error = QCoreApplication::translate("access_file", "The file '%1' does not exist.").arg(path);
        return out;
    }
    qint64 page_size = 0;
    out.error = not_access(path, &page_size);
    if (!out.error.isEmpty()) return out;

    QString failure;
    Diagnostics said;
    {
        std::unique_ptr<MdbHandle, HandleCloser> mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
        if (!mdb) {
            failure = QCoreApplication::translate("access_file", "mdbtools cannot open it");
        } else if (!mdb_read_catalog(mdb.get(), MDB_TABLE)) {
            failure = QCoreApplication::translate("access_file", "its list of tables cannot be read");
        } else {
            mdb_set_bind_size(mdb.get(), bind_size);
            for (unsigned i = 0; i < mdb->num_catalog && failure.isEmpty(); ++i) {
                auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
                if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry)) continue;
                const QString name = QString::fromUtf8(entry->object_name);
                if (!wanted.isEmpty() && !wanted.contains(name, Qt::CaseInsensitive)) continue;
                std::unique_ptr<MdbTableDef, TableFree> table(mdb_read_table(entry));
                if (!table || !mdb_read_columns(table.get())) {
                    failure = QCoreApplication::translate("access_file", "the table %1 cannot be read").arg(name);
                    break;
                }
                mdb_rewind_table(table.get());
                Table t;
                t.name = name;
                const unsigned columns = table->num_cols;
                std::vector<std::unique_ptr<char[]>> values(columns);
                std::vector<int> lengths(columns, 0);
                for (unsigned c = 0; c < columns; ++c) {
                    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
                    t.columns << QString::fromUtf8(col->name);
                    if (!bindable(col->col_type)) continue;
                    values[c] = std::make_unique<char[]>(bind_size);
                    values[c][0] = '\0';
                    mdb_bind_column(table.get(), int(c) + 1, values[c].get(), &lengths[c]);
                }
                while (mdb_fetch_row(table.get())) {
                    QStringList row;
                    for (unsigned c = 0; c < columns; ++c)
                        row << (values[c] && lengths[c] > 0 ? QString::fromUtf8(values[c].get(), lengths[c]) : QString());
                    t.rows.push_back(std::move(row));
                }
                out.tables.push_back(std::move(t));
            }
        }
    }
    const QString words = said.take();
    if (failure.isEmpty() && !words.isEmpty()) failure = QCoreApplication::translate("access_file", "mdbtools says \"%1\"").arg(words.section(u'\n', 0, 0));
    if (!failure.isEmpty()) {
        out.tables.clear();
        out.error = QCoreApplication::translate("access_file", "The file '%1' is damaged or truncated: %2.").arg(path, failure);
    }
    return out;
}

}  // namespace access_file
