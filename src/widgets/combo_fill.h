#pragma once

#include <QString>
#include <QStringList>

class Database;
class QComboBox;

// One field of every row of a statement, as text, in the order the database gives the rows.
QStringList read_list(Database& db, const QString& sql, const QString& field);

// Refills a combo box's list and puts back the text it showed: a refill is never an edit, and no
// signal of the box fires. A list-only box gets an empty first entry, its way back to "none".
void fill_combo(QComboBox* box, const QStringList& items);
