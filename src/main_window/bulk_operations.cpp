// The filter area's buttons that act on many quotations at once: delete, export, slide show.
#include "filter_area.h"

#include "core/app_context.h"
#include "core/long_work.h"
#include "database/recordset.h"
#include "database/trash.h"
#include "edit_area.h"
#include "import_export/f_export.h"
#include "quote_list.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/recordset_model.h"

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <algorithm>
#include <vector>

namespace {

// Moves the quotations with these keys to the Trash, all of them or, on any failure or a stop,
// none. Throws DbError.
void delete_quotes(Database& db, std::vector<qint64> keys, const long_work::Progress& progress) {
    const QString what = QCoreApplication::translate("FilterArea", "Deleting %1 quotations...").arg(keys.size());
    Database::Transaction all_or_none(db);
    const qint64 batch = trash::open_batch(db, QStringLiteral("delete"));
    trash::move_quotes(db, batch, std::move(keys), [&](qint64 done, qint64 total) { progress(what, done, total); });
    all_or_none.commit();
}

// The keys of the rows `query` lists, read on `db`; throws DbError when they are not the `count`
// rows the user was asked about (another program changed the list meanwhile).
std::vector<qint64> listed_keys(Database& db, const GridQuery& query, int count) {
    std::vector<qint64> keys;
    keys.reserve(size_t(count));
    Statement rows = db.prepare_plain(query.unordered_sql(db, QStringLiteral("q.key")));
    while (rows.step()) keys.push_back(rows.column_int64(0));
    if (keys.size() != size_t(count))
        throw DbError(db_errors::invalid_argument,
                      QCoreApplication::translate("FilterArea", "The list changed since it was counted (%1 quotations now, %2 before): another "
                                     "program wrote meanwhile. Look at the list again.")
                          .arg(keys.size())
                          .arg(count));
    return keys;
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
    int count = 0;
    if (list_.selected_count() > 0) {
        // Picked rows go without a question.
        for (const QVariant& key : list_.model().selection()) keys.push_back(key.toLongLong());
    } else {
        // A large list is being counted beside the window: the question waits for it there.
        if (!guarded(ctx_.ui, [&] {
                long_work::run_here(ctx_.ui, tr("Counting the quotations..."), [&](qint64&, qint64&) {
                    if (rows->count_if_known() >= 0) return false;
                    QThread::msleep(5);
                    return true;
                });
                count = rows->record_count();
            }))
            return;
        if (count == 0) {
            ctx_.ui.message(tr("There is no quote to be deleted."));
            return;
        }
        const QString n = QStringLiteral("? (") + QLocale().toString(count) + u')';
        const QString question = ctx_.current_quotes_filter.isEmpty()
                                     ? tr("Do you really want to delete all quotes") + n
                                     : tr("Do you really want to delete all quotes where ") +
                                           ctx_.current_quotes_filter + n;
        if (ctx_.ui.message(question, Ui::ok_cancel | Ui::icon_stop) != Ui::ok) return;
    }
    const GridQuery query = ctx_.current_quotes_query;
    const auto outcome = long_work::run(ctx_.ui, ctx_.database_path, tr("Deleting quotations..."),
                                        [&](Database& db, const long_work::Progress& progress) {
                                            delete_quotes(db, keys.empty() ? listed_keys(db, query, count) : keys,
                                                          progress);
                                        });
    if (!long_work::told(ctx_.ui, outcome, tr("The quotations could not be deleted; none was deleted.")))
        return;
    {
        Hourglass busy(ctx_.ui);
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
        ctx_.ui.message(tr("There is no quote to be shown: the list is empty."));
        return;
    }
    // The show always runs over the whole list, starting at the current quotation.
    ctx_.slide_show_start_key = qint32(key.toLongLong());
    emit ctx_.events.slide_show_requested();
    ctx_.ui.yield();
}
