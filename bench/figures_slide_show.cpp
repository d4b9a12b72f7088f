#include "figures_slide_show.h"

#include "core/app_context.h"
#include "core/settings.h"
#include "database/database.h"
#include "engine.h"
#include "figures.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "silent_ui.h"
#include "slide_show/f_slide_show.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

namespace bench {

namespace {

double ms_since(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// One list's show: `condition` filters the main window (empty: every quotation).
Figure measure_show(const Workspace& ws, const QString& what, const QString& language) {
    Figure f;
    f.name = QStringLiteral("slide show step, %1 (next read, rotated, laid out)").arg(what);
    f.size = ws.facts.name;
    f.target = Target::ms(16);

    SilentUi ui;
    AppContext ctx(ui);
    ctx.program_folder = ws.program_folder;
    ctx.database_path = ws.db_path;
    ctx.database = Database::open(ws.db_path);
    ctx.list_database = Database::open(ws.db_path);
    ctx.default_language = QStringLiteral("EN");
    ctx.rng.seed(20240601);
    save_setting(QStringLiteral("slide_show_help"), QStringLiteral("No"));
    {
        f_main window(ctx);
        window.show();
        QApplication::processEvents();
        if (!language.isEmpty()) {
            window.filters->cb_language_filter->setEditText(language);
            window.b_filter_Click();
        }
        window.filters->b_slide_show->click();
        auto* show = window.findChild<f_slide_show*>();
        if (!show) {
            f.failure = QStringLiteral("the slide show did not open");
            return f;
        }
        show->setGeometry(0, 0, 1366, 768);  // the smaller screen it must fit
        const QString show_sql = [&] {
            GridQuery q = ctx.current_quotes_query;
            q.to_random_order();
            return q.sql();
        }();

        const int runs = std::max(60, ws.repeats * 40);
        std::vector<double> handler_runs;
        std::vector<qint64> shown;
        qint64 last = show->current_key;
        for (int i = 0; i < runs + 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            show->next_quote();  // a click: the next quotation at once
            const double handler = ms_since(timer);
            show->repaint();
            const double ms = ms_since(timer);
            if (show->current_key == last || !show->l_quote->isVisible()) f.failure = QStringLiteral("no new quotation shown");
            last = show->current_key;
            if (i < 5) continue;  // the first steps warm the caches
            f.runs.push_back(ms);
            handler_runs.push_back(handler);
            shown.push_back(last);
        }
        const double rotated =
            ctx.database->scalar(QStringLiteral("SELECT random FROM quotes WHERE key = ") + QString::number(last)).toDouble();
        if (rotated < 1.0) f.failure = QStringLiteral("the quotation shown was not rotated");
        if (!ui.shown.isEmpty()) f.failure = QStringLiteral("%1 message(s) shown: \"%2\"").arg(ui.shown.size()).arg(ui.shown.first());
        show->close();

        // The floor's own work for the same steps, afterwards (its commits would be another
        // program's to the show): the quotation read by key, its UPDATE of random committed.
        {
            PlainEngine engine(ws.db_path);
            engine.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            engine.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
            for (const qint64 key : shown) {
                QElapsedTimer timer;
                timer.start();
                engine.rows(QStringLiteral("SELECT q.key, q.text, q.author, q.subject, q.language, q.notes, q.rate, k.picture "
                                           "FROM quotes q LEFT JOIN author_keys k ON k.name_key = q.author_key WHERE q.key = %1")
                                .arg(key));
                engine.exec(QStringLiteral("UPDATE quotes SET random = random + 1 WHERE key = %1").arg(key));
                f.floor_runs.push_back(ms_since(timer));
            }
        }
        // What every step would cost if the list were ordered whole: its statement, once, as the
        // stock tool runs it.
        PlainEngine stock(ws.db_path);
        QElapsedTimer whole;
        whole.start();
        const qint64 rows = stock.run(engine_sql(show_sql));
        const double whole_ms = ms_since(whole);
        f.note = QStringLiteral("%1 steps over %2 quotations, median %3 ms before painting; floor: the quotation read by "
                                "key and moved back in the random order, committed; the list ordered whole by the engine: %4 ms")
                     .arg(runs)
                     .arg(rows)
                     .arg(median_of(handler_runs), 0, 'f', 1)
                     .arg(whole_ms, 0, 'f', 0);
    }
    QApplication::processEvents();
    return f;
}

}  // namespace

std::vector<Figure> slide_show_step(const Workspace& ws) {
    return {measure_show(ws, QStringLiteral("whole list"), QString()),
            measure_show(ws, QStringLiteral("a tenth (language filter)"), QStringLiteral("DE"))};
}

}  // namespace bench
