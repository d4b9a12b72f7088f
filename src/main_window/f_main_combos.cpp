// The main window's combo lists: refilled from the reference tables, keeping what each box shows.
#include "f_main.h"

#include "core/app_context.h"
#include "core/common.h"
#include "database/recordset.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

QStringList read_list(Database& db, const QString& sql, const QString& field) {
    QStringList items;
    Statement st = db.prepare(sql);
    int column = -1;
    for (int i = 0; i < st.column_count(); ++i)
        if (st.column_name(i).compare(field, Qt::CaseInsensitive) == 0) column = i;
    while (st.step()) items << (column >= 0 ? RecordSet::to_text(st.column(column)) : QString());
    return items;
}

void fill(QComboBox* box, const QStringList& items, const QString& keep) {
    const QSignalBlocker quiet(box);  // a refill is not an edit
    box->clear();
    if (!box->isEditable()) box->addItem(QString());  // a list-only box needs a way back to "none"
    box->addItems(items);
    if (box->isEditable()) box->setEditText(keep);
    else box->setCurrentIndex(std::max(0, box->findText(keep)));
}

}  // namespace

void f_main::set_author_combos() {
    try {
        // One read of the table serves both boxes.
        const QStringList names = read_list(*ctx_.list_database, QStringLiteral("select * from authors"), QStringLiteral("name"));
        fill(cb_author, names, cb_author->currentText());
        fill(cb_author_filter, names, cb_author_filter->currentText());
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
}

void f_main::set_subject_combos() {
    try {
        const QStringList subjects =
            read_list(*ctx_.list_database, QStringLiteral("select * from subjects"), QStringLiteral("subject"));
        fill(cb_subject, subjects, cb_subject->currentText());
        fill(cb_subject_filter, subjects, cb_subject_filter->currentText());
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
}

void f_main::set_combos() {
    set_author_combos();
    set_subject_combos();
    try {
        const QStringList rates = read_list(*ctx_.list_database, QStringLiteral("select * from rating"), QStringLiteral("rate"));
        for (QComboBox* box : {cb_rate, cb_rate_filter_from, cb_rate_filter_to}) fill(box, rates, box->currentText());
        const QString language = cb_language->currentText(), language_filter = cb_language_filter->currentText();
        const QStringList codes = read_list(*ctx_.list_database, QStringLiteral("select * from languages"), QStringLiteral("code"));
        fill(cb_language, codes, language);
        fill(cb_language_filter, codes, language_filter);
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
}
