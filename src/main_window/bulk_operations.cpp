// The filter area's buttons that act on many quotations at once: delete, export, slide show.
#include "filter_area.h"

#include "core/app_context.h"
#include "database/recordset.h"
#include "edit_area.h"
#include "import_export/f_export.h"
#include "quote_list.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/recordset_model.h"

#include <algorithm>
#include <vector>

namespace {

// Deletes the quotations with these keys, all of them or, on any failure, none. Throws DbError.
// One statement for them all: the search index writes what a statement changed when the next
// one begins, and a statement per quotation made a tenth of a million take five times as long.
void delete_quotes(Database& db, const std::vector<qint64>& keys) {
    QByteArray list;
    list.reserve(qsizetype(keys.size()) * 8 + 2);
    list += '[';
    for (const qint64 key : keys) {
        if (list.size() > 1) list += ',';
        list += QByteArray::number(key);
    }
    list += ']';
    Database::Transaction all_or_none(db);
    Statement remove = db.prepare(QStringLiteral("Delete from quotes where key in (select value from json_each(?))"));
    remove.bind(1, QString::fromLatin1(list));
    remove.step();
    all_or_none.commit();
}

}  // namespace

void FilterArea::b_delete_filtered_Click() {
    if (edit_.refuse_while_editing()) return;
    RecordSet* rows = list_.recordset();
    if (!rows) return;
    const int position = list_.binding().current_row();
    // The rows deleted are the rows the grid shows and the question counts: a quotation the
    // grid does not list (its author missing from the authors, or added since by another
    // program) is never deleted unseen.
    std::vector<qint64> keys;
    if (list_.selected_count() > 0) {
        // Picked rows go without a question.
        for (const QVariant& key : list_.model().selection()) keys.push_back(key.toLongLong());
    } else {
        int count = 0;
        if (!guarded(ctx_.ui, [&] { count = rows->record_count(); })) return;
        if (count == 0) {
            ctx_.ui.message(QStringLiteral("There is no quote to be deleted."));
            return;
        }
        const QString n = QStringLiteral("? (") + QString::number(count) + u')';
        const QString question = ctx_.current_quotes_filter.isEmpty()
                                     ? QStringLiteral("Do you really want to delete all quotes") + n
                                     : QStringLiteral("Do you really want to delete all quotes where ") +
                                           ctx_.current_quotes_filter + n;
        if (ctx_.ui.message(question, Ui::ok_cancel | Ui::icon_stop) != Ui::ok) return;
        if (!guarded(ctx_.ui, [&] {
                keys.reserve(size_t(count));
                for (int r = 0; r < count; ++r) keys.push_back(rows->key_at(r).toLongLong());
            }))
            return;
        std::sort(keys.begin(), keys.end());  // the table's own order: each page is visited once
    }
    {
        Hourglass busy(ctx_.ui);
        try {
            delete_quotes(*ctx_.database, keys);
        } catch (const DbError& e) {
            ctx_.ui.message(QStringLiteral("The quotations could not be deleted; none was deleted.\n\nError %1 - %2")
                                .arg(e.number())
                                .arg(e.description()),
                            Ui::icon_exclamation);
            return;
        }
        // Announced first, so that the counts shown with the new current row are counted again.
        ctx_.events.quotes_were_changed();
        // The list read again; the row now at the same place is current, or the last one.
        list_.binding().requery(QVariant(), position);
        list_.binding().apply_column_widths();
    }
    if (list_.binding().current_row() < 0) {
        edit_.Clear_all_text_boxes();
        edit_.set_initial_values();
    }
    check_selections();
}

void FilterArea::b_export_Click() {
    if (edit_.refuse_while_editing()) return;
    // Modal: the list cannot change while it is open; it exports the rows picked now, or all.
    auto* export_window = new f_export(ctx_, list_.model().selection(), window());
    export_window->show();
}

void FilterArea::b_slide_show_Click() {
    if (edit_.refuse_while_editing()) return;
    QVariant key;
    guarded(ctx_.ui, [&] {
        if (list_.recordset()) key = list_.recordset()->key_at(list_.binding().current_row());
    });
    if (!key.isValid()) {
        ctx_.ui.message(QStringLiteral("There is no quote to be shown: the list is empty."));
        return;
    }
    // The show always runs over the whole list, starting at the current quotation.
    ctx_.slide_show_start_key = qint32(key.toLongLong());
    emit ctx_.events.slide_show_requested();
    ctx_.ui.yield();
}
