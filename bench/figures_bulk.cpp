#include "figures_bulk.h"

#include "core/app_context.h"
#include "database/database.h"
#include "database/recordset.h"
#include "engine.h"
#include "import_export/f_export.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "main_window/quote_list.h"
#include "silent_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTableView>

#include <stdexcept>

namespace bench {

namespace {

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// Answers every box OK and counts the times the hourglass went up.
struct WatchedUi : SilentUi {
    int hourglasses = 0;
    void set_hourglass(bool on) override { hourglasses += on ? 1 : 0; }
};

// The main window open on `path`, shown (offscreen) and painted, its first random row done.
// Start-up's compaction is left out: these figures are about the work after it.
struct OpenWindow {
    WatchedUi ui;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<f_main> window;

    OpenWindow(const Workspace& ws, const QString& path) {
        ctx = program_context(ui, ws, path);
        window = std::make_unique<f_main>(*ctx);
        window->show();
        QApplication::processEvents();
    }
    ~OpenWindow() {
        window.reset();
        ctx.reset();
    }
    // The grid filtered on one language, painted.
    int filter_language(const QString& code) {
        window->filters->cb_language_filter->setEditText(code);
        window->b_filter_Click();
        window->list->grid->viewport()->repaint();
        return window->Data1()->record_count();
    }
};

// A tenth of the collection: one of the languages the generator gives a tenth of the texts.
const QString tenth_language = QStringLiteral("DE");

}  // namespace

std::vector<Figure> bulk_delete(const Workspace& ws) {
    // The delete moves the rows into the Trash; Undo delete brings them back, within the same
    // bounds.
    Figure clock, engine, undo_clock, undo_engine;
    clock.name = QStringLiteral("bulk delete of a filtered tenth into the Trash, grid re-read");
    engine.name = QStringLiteral("bulk delete into the Trash, against the engine's DELETE");
    undo_clock.name = QStringLiteral("undo of the bulk delete, grid re-read");
    undo_engine.name = QStringLiteral("undo of the bulk delete, against the engine's DELETE");
    clock.size = engine.size = undo_clock.size = undo_engine.size = ws.facts.name;
    clock.target = undo_clock.target = Target::ms(2000);
    engine.target = undo_engine.target = Target::ratio(1.5);
    int deleted = 0;
    qint64 engine_deleted = 0;
    std::vector<double> unindexed_runs;
    QString failure, undo_failure;
    for (int i = 0; i < ws.repeats; ++i) {
        const QString path = fresh_copy(ws, QStringLiteral("bulk-delete.mdb"));
        {
            OpenWindow program(ws, path);
            deleted = program.filter_language(tenth_language);
            const qint64 before = program.ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong();
            program.ui.shown.clear();
            program.ui.hourglasses = 0;
            QElapsedTimer timer;
            timer.start();
            program.window->filters->b_delete_filtered->click();  // the question is answered OK
            program.window->list->grid->viewport()->repaint();
            clock.runs.push_back(ms_since(timer));
            const qint64 after = program.ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong();
            if (before - after != deleted) failure = QStringLiteral("%1 rows listed, %2 deleted").arg(deleted).arg(before - after);
            else if (program.window->Data1()->record_count() != 0) failure = QStringLiteral("the grid still lists rows");
            else if (program.ui.shown.size() != 1) failure = QStringLiteral("%1 messages shown").arg(program.ui.shown.size());
            else if (program.ui.hourglasses == 0) failure = QStringLiteral("no hourglass");
            else if (program.ctx->database->scalar(QStringLiteral("select count(*) from trash_quotes")).toLongLong() != deleted)
                failure = QStringLiteral("the Trash does not hold the %1 rows deleted").arg(deleted);
            // Undo delete: every row back, the grid listing them again.
            timer.start();
            program.window->m_undo_delete->trigger();
            program.window->list->grid->viewport()->repaint();
            undo_clock.runs.push_back(ms_since(timer));
            const qint64 back = program.ctx->database->scalar(QStringLiteral("select count(*) from quotes")).toLongLong();
            if (back != before) undo_failure = QStringLiteral("%1 rows before the delete, %2 after the undo").arg(before).arg(back);
            else if (program.window->Data1()->record_count() != deleted)
                undo_failure = QStringLiteral("the grid lists %1 rows after the undo, %2 before")
                                   .arg(program.window->Data1()->record_count())
                                   .arg(deleted);
            else if (program.ctx->database->scalar(QStringLiteral("select count(*) from trash_quotes")).toLongLong() != 0)
                undo_failure = QStringLiteral("rows left in the Trash");
        }
        // The engine's own statement for the same filter, on a copy of its own.
        const QString copy = fresh_copy(ws, QStringLiteral("bulk-delete-engine.mdb"));
        {
            PlainEngine plain(copy);
            const qint64 before = plain.run(QStringLiteral("select * from quotes"));
            QElapsedTimer timer;
            // Beside it, as information: the same DELETE with the search index left out (its
            // trigger dropped inside a transaction that is then undone).
            plain.exec(QStringLiteral("BEGIN"));
            plain.exec(QStringLiteral("DROP TRIGGER IF EXISTS quotes_text_search_delete"));
            plain.exec(QStringLiteral("DROP TRIGGER IF EXISTS quotes_notes_search_delete"));
            timer.start();
            plain.exec(engine_sql(QStringLiteral("DELETE FROM quotes WHERE language like '*%1*'").arg(tenth_language)));
            unindexed_runs.push_back(ms_since(timer));
            plain.exec(QStringLiteral("ROLLBACK"));
            timer.start();
            plain.exec(engine_sql(QStringLiteral("DELETE FROM quotes WHERE language like '*%1*'").arg(tenth_language)));
            engine.floor_runs.push_back(ms_since(timer));
            engine_deleted = before - plain.run(QStringLiteral("select * from quotes"));
        }
        for (const QString& p : {path, copy}) QFile::remove(p);
    }
    engine.runs = clock.runs;
    undo_engine.runs = undo_clock.runs;
    undo_engine.floor_runs = engine.floor_runs;
    clock.failure = engine.failure = failure;
    undo_clock.failure = undo_engine.failure = failure.isEmpty() ? undo_failure : failure;
    undo_clock.note = QStringLiteral("the %1 rows back from the Trash through Edit > Undo delete, the grid read again").arg(deleted);
    undo_engine.note = QStringLiteral("floor: the engine's DELETE of the same rows, as for the delete");
    clock.note = QStringLiteral("%1 rows deleted through the button, the filtered grid read again and painted").arg(deleted);
    engine.note = QStringLiteral("floor: the engine's DELETE with the same filter (%1 rows: the grid does not list quotations "
                                 "whose author is missing); without the search index's trigger it takes %2 ms")
                      .arg(engine_deleted)
                      .arg(median_of(unindexed_runs), 0, 'f', 0);
    return {clock, engine, undo_clock, undo_engine};
}

Figure bulk_export(const Workspace& ws) {
    Figure f;
    f.name = QStringLiteral("export of 100k quotations, all info");
    f.size = ws.facts.name;
    f.target = Target::ms(2000);
    OpenWindow program(ws, ws.db_path);
    // The whole collection up to 100k quotations; from a million, the filtered tenth.
    const int rows = ws.facts.quotes > 150000 ? program.filter_language(tenth_language) : program.window->Data1()->record_count();
    PlainEngine engine(ws.db_path);
    for (int i = 0; i < ws.repeats; ++i) {
        program.window->filters->b_export->click();
        auto* window = program.window->findChild<f_export*>();
        if (!window) {
            f.failure = QStringLiteral("the export window did not open");
            break;
        }
        window->c_all->click();
        program.ui.shown.clear();
        program.ui.hourglasses = 0;
        QElapsedTimer timer;
        timer.start();
        window->b_export->click();
        f.runs.push_back(ms_since(timer));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (program.ui.shown.size() != 1) {
            f.failure = QStringLiteral("%1 boxes or files shown").arg(program.ui.shown.size());
            break;
        }
        QFile file(program.ui.shown.first());
        const qsizetype blocks = file.open(QIODevice::ReadOnly) ? file.readAll().count("\r\n\r\n") + 1 : 0;
        if (blocks != rows) f.failure = QStringLiteral("%1 quotations listed, %2 exported").arg(rows).arg(blocks);
        else if (program.ui.hourglasses == 0) f.failure = QStringLiteral("no hourglass");

        timer.start();
        engine.run(engine_sql(program.ctx->current_quotes_sql), true);
        f.floor_runs.push_back(ms_since(timer));
    }
    f.note = QStringLiteral("%1 quotations written to the report file; floor: the same SELECT read whole by the engine").arg(rows);
    return f;
}

}  // namespace bench
