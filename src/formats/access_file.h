#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Reads the tables of a Microsoft Access database file (Jet 3 and Jet 4 ".mdb", and what
// mdbtools reads of ".accdb") through mdbtools' library. The file is opened for reading only and
// never written.
namespace access_file {

// A table read whole: its column names in file order and its rows, each value as text (empty
// for null; numbers in C notation; yes/no as 1/0; binary and OLE columns empty).
struct Table {
    QString name;
    QStringList columns;
    std::vector<QStringList> rows;
    // The column of that name, any letter case; -1 when the table has none.
    int column(const QString& name) const;
};

struct Contents {
    std::vector<Table> tables;
    QString error;  // why the file could not be read: it names the file; no table is given then
    // The table of that name, any letter case; null when the file has none.
    const Table* table(const QString& name) const;
};

// The user tables named in `wanted` (any letter case; all of them when empty). A file that is not
// an Access database, a damaged or truncated one (mdbtools cannot read a page it needs) is
// refused with a message naming it.
Contents read(const QString& path, const QStringList& wanted = {});

}  // namespace access_file
