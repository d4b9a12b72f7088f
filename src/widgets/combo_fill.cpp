#include "combo_fill.h"

#include "database/database.h"
#include "database/recordset.h"

#include <QComboBox>
#include <QSignalBlocker>

QStringList read_list(Database& db, const QString& sql, const QString& field) {
    QStringList items;
    Statement st = db.prepare(sql);
    int column = -1;
    for (int i = 0; i < st.column_count(); ++i)
        if (st.column_name(i).compare(field, Qt::CaseInsensitive) == 0) column = i;
    while (st.step()) items << (column >= 0 ? RecordSet::to_text(st.column(column)) : QString());
    return items;
}

void fill_combo(QComboBox* box, const QStringList& items) {
    const QString keep = box->currentText();
    const QSignalBlocker quiet(box);
    box->clear();
    if (!box->isEditable()) box->addItem(QString());
    box->addItems(items);
    if (box->isEditable()) box->setEditText(keep);
    else box->setCurrentIndex(std::max(0, box->findText(keep)));
}
