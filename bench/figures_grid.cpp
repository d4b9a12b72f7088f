// The grid's lists as a user asks for them: a click on a column header (each direction), the
// random order, each kind of filter. For each: the first page painted, the count known, the
// last page painted after Ctrl+End; beside each, the best plan for the same rows in plain SQL.

#include "figures.h"

#include "core/app_context.h"
#include "database/recordset.h"
#include "engine.h"
#include "floors.h"
#include "main_window/f_main.h"
#include "main_window/filter_area.h"
#include "main_window/quote_list.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>
#include <functional>
#include <optional>

namespace bench {

namespace {

// The rows a floor's page reads: more than the window shows.
constexpr int page_rows = 60;

const QString listed_join = QStringLiteral("author_keys k ON k.name_key = q.author_key");

// One list of the grid and the floor's way to the same rows.
struct ListCase {
    QString name;
    std::function<void(f_main&)> fill;  // the filter fields; none: every quotation
    int column = -1;                    // the header clicked; -1: random order
    bool descending = false;
    // The filter for the engine, in each spelling worth trying (the index used or not, the
    // substring index asked for the candidates); empty: every quotation.
    QStringList conditions;
    // For a pattern in the text or the notes: the engine's own exact count(*) ... LIKE, which
    // the count is held to (the rows it counts include those the grid does not list).
    QString like_count;
    QStringList order;  // the floor's order, ascending; each term DESC when descending
    QString primary;    // the value the grid's rows and the floor's are compared by
};

QString order_by(const ListCase& c, bool reverse, bool plus_first) {
    QStringList terms;
    for (int i = 0; i < c.order.size(); ++i)
        terms << (plus_first && i == 0 ? QStringLiteral("+") : QString()) + c.order[i] +
                     (c.descending != reverse ? QStringLiteral(" DESC") : QString());
    return terms.join(QStringLiteral(", "));
}

// The page from either end: the list's own order (reverse: its last rows, the last first).
std::vector<FloorPlan> page_plans(const ListCase& c, bool reverse) {
    std::vector<FloorPlan> plans;
    const QStringList conditions = c.conditions.isEmpty() ? QStringList{QString()} : c.conditions;
    for (const QString& condition : conditions)
        for (const char* join : {"CROSS JOIN", "JOIN"})
            for (bool plus : {false, true}) {
                if (plus && condition.isEmpty()) continue;
                plans.push_back({QStringLiteral("%1%2%3").arg(QLatin1String(join), plus ? QStringLiteral(", sorted after") : QString(),
                                                            condition.isEmpty() ? QString() : QStringLiteral(", ") + condition),
                                 QStringLiteral("SELECT k.bearers, %1, q.key FROM quotes q %2 %3%4 ORDER BY %5 LIMIT %6")
                                     .arg(c.primary, QLatin1String(join), listed_join,
                                          condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition,
                                          order_by(c, reverse, plus))
                                     .arg(page_rows)});
            }
    return plans;
}

// The rows the grid lists: each quotation once for every author that bears its author's name.
std::vector<FloorPlan> count_plans(const ListCase& c) {
    std::vector<FloorPlan> plans;
    const QStringList conditions = c.conditions.isEmpty() ? QStringList{QString()} : c.conditions;
    for (const QString& condition : conditions) {
        const QString where = condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition;
        plans.push_back({QStringLiteral("grouped by author, ") + condition,
                         QStringLiteral("SELECT coalesce(sum(k.bearers * g.n), 0) FROM (SELECT q.author_key, count(*) AS n FROM "
                                        "quotes q%1 GROUP BY q.author_key) g JOIN author_keys k ON k.name_key = g.author_key")
                             .arg(where)});
        for (const char* join : {"CROSS JOIN", "JOIN"})
            plans.push_back({QLatin1String(join) + QStringLiteral(", ") + condition,
                             QStringLiteral("SELECT coalesce(sum(k.bearers), 0) FROM quotes q %1 %2%3")
                                 .arg(QLatin1String(join), listed_join, where)});
    }
    return plans;
}

// The floor's page as the grid shows it: each row (its sort value and key) as many times as its
// author's bearers.
std::vector<std::pair<QVariant, qint64>> expanded(const std::vector<PlainEngine::Row>& rows) {
    std::vector<std::pair<QVariant, qint64>> out;
    for (const auto& r : rows)
        for (qint64 n = r[0].toLongLong(); n > 0 && int(out.size()) < page_rows; --n) out.emplace_back(r[1], r[2].toLongLong());
    return out;
}

// Two plans give the same page when its rows, each as often as the grid lists it, have the same
// sort values one by one: rows alike in them may come in any order.
bool same_page(const Floor::Rows& a, const Floor::Rows& b) {
    const auto x = expanded(a), y = expanded(b);
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i)
        if (x[i].first != y[i].first) return false;
    return true;
}

// The grid's rows from the first on (or backwards from the last), compared with the floor's
// read before the click: in random order key by key (the order has no ties, and the rows shown
// move back in it meanwhile), else by the list's sort value (rows alike in it may come in
// another order). Empty when they agree.
QString compare_page(PlainEngine& engine, RecordSet& rs, const ListCase& c,
                     const std::vector<std::pair<QVariant, qint64>>& floor, bool last) {
    const bool by_key = c.primary == QLatin1String("q.random");
    const int count = rs.record_count();
    const int n = std::min(page_rows, count);
    if (int(floor.size()) != n)
        return QStringLiteral("%1 page: the grid has %2 rows, the floor %3").arg(last ? QStringLiteral("last") : QStringLiteral("first")).arg(n).arg(floor.size());
    for (int i = 0; i < n; ++i) {
        const qint64 key = rs.key_at(last ? count - 1 - i : i).toLongLong();
        const bool same = by_key ? key == floor[size_t(i)].second
                                 : engine.first_value(QStringLiteral("SELECT %1 FROM quotes q WHERE q.key = %2").arg(c.primary).arg(key)) ==
                                       floor[size_t(i)].first;
        if (!same)
            return QStringLiteral("%1 page, row %2 (key %3): the grid's %4 differs from the floor's")
                .arg(last ? QStringLiteral("last") : QStringLiteral("first"))
                .arg(last ? count - 1 - i : i)
                .arg(key)
                .arg(by_key ? QStringLiteral("key") : c.primary);
    }
    return QString();
}

QString number(const QString& text) {
    bool ok = false;
    text.toDouble(&ok);
    return ok ? text : sql_literal(text);
}

std::vector<ListCase> cases(const Workspace& ws, PlainEngine& engine) {
    const CollectionFacts& f = ws.facts;
    std::vector<ListCase> out;
    struct Sorted {
        const char* name;
        QStringList order;
    };
    const std::vector<Sorted> columns = {
        {"key", {QStringLiteral("q.key")}},
        {"author", {QStringLiteral("q.author_key"), QStringLiteral("q.text_key")}},
        {"text", {QStringLiteral("q.text_key")}},
        {"subject", {QStringLiteral("q.subject_key"), QStringLiteral("q.author_key"), QStringLiteral("q.text_key")}},
        {"rate", {QStringLiteral("q.rate"), QStringLiteral("q.author_key"), QStringLiteral("q.text_key")}},
        {"language", {QStringLiteral("q.language_key"), QStringLiteral("q.author_key"), QStringLiteral("q.text_key")}},
        {"note", {QStringLiteral("q.notes_key"), QStringLiteral("q.author_key"), QStringLiteral("q.text_key")}},
    };
    for (int column = 0; column < int(columns.size()); ++column)
        for (bool down : {false, true}) {
            ListCase c;
            c.name = QStringLiteral("sort: %1 %2").arg(QLatin1String(columns[size_t(column)].name), down ? QStringLiteral("DESC") : QStringLiteral("ASC"));
            c.column = column;
            c.descending = down;
            c.order = columns[size_t(column)].order;
            c.primary = c.order.first();
            out.push_back(c);
        }
    const QStringList random_order = {QStringLiteral("q.random"), QStringLiteral("q.key")};
    {
        ListCase c;
        c.name = QStringLiteral("sort: random order");
        c.order = random_order;
        c.primary = QStringLiteral("q.random");
        out.push_back(c);
    }
    // The filters, as a user sets them in random order.
    const auto filter = [&](const QString& name, std::function<void(f_main&)> fill, const QStringList& conditions) {
        ListCase c;
        c.name = QStringLiteral("filter: ") + name;
        c.fill = std::move(fill);
        c.conditions = conditions;
        c.order = random_order;
        c.primary = QStringLiteral("q.random");
        out.push_back(c);
        return &out.back();
    };
    const auto either = [](const QString& column, const QString& rest) {
        return QStringList{column + rest, u'+' + column + rest};
    };
    if (!f.featured_author.isEmpty()) {
        const QByteArray key = engine.first_value(QStringLiteral("SELECT name_key FROM author_keys WHERE name = %1")
                                                      .arg(sql_literal(f.featured_author)))
                                   .toByteArray();
        filter(QStringLiteral("author = <most quoted> (%1 rows)").arg(f.featured_author_quotes),
               [a = f.featured_author](f_main& w) { w.filters->cb_author_filter->setEditText(a); },
               either(QStringLiteral("q.author_key"), QStringLiteral(" = ") + sql_blob(key)));
    }
    if (!f.featured_subject.isEmpty()) {
        const QByteArray key = engine.first_value(QStringLiteral("SELECT subject_key FROM quotes WHERE subject = %1 LIMIT 1")
                                                      .arg(sql_literal(f.featured_subject)))
                                   .toByteArray();
        filter(QStringLiteral("subject = <most used> (%1 rows)").arg(f.featured_subject_quotes),
               [s = f.featured_subject](f_main& w) { w.filters->cb_subject_filter->setEditText(s); },
               either(QStringLiteral("q.subject_key"), QStringLiteral(" = ") + sql_blob(key)));
    }
    if (!f.language.isEmpty()) {
        const QString like = sql_literal(u'%' + f.language + u'%');
        filter(QStringLiteral("language '%1' (%2 rows)").arg(f.language).arg(f.language_quotes),
               [l = f.language](f_main& w) { w.filters->cb_language_filter->setEditText(l); },
               {QStringLiteral("q.language LIKE ") + like, QStringLiteral("+q.language LIKE ") + like,
                // The codes alike under the index's key compare alike under LIKE: the pattern
                // judged once per code, on one row of each.
                QStringLiteral("q.language_key IN (SELECT g.language_key FROM (SELECT language_key, min(key) AS first FROM quotes "
                               "GROUP BY language_key) g JOIN quotes x ON x.key = g.first WHERE x.language LIKE %1)")
                    .arg(like)});
    }
    if (!f.rate_from.isEmpty()) {
        const QString range = QStringLiteral(" >= %1 AND q.rate <= %2").arg(number(f.rate_from), number(f.rate_to));
        filter(QStringLiteral("rate %1 to %2").arg(f.rate_from, f.rate_to),
               [a = f.rate_from, b = f.rate_to](f_main& w) {
                   w.filters->cb_rate_filter_from->setCurrentText(a);
                   w.filters->cb_rate_filter_to->setCurrentText(b);
               },
               {QStringLiteral("q.rate") + range, QStringLiteral("+q.rate") + QString(range).replace(QLatin1String("q.rate"), QLatin1String("+q.rate"))});
    }
    filter(QStringLiteral("key = <median key>"),
           [k = f.middle_key](f_main& w) { w.filters->t_key_selector->setText(QString::number(k)); },
           {QStringLiteral("q.key = %1").arg(f.middle_key)});
    const bool search_index =
        engine.first_number(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'quotes_text_search'")) > 0;
    for (const SearchWord& word : f.words) {
        const QString like = sql_literal(u'%' + word.word + u'%');
        QStringList conditions = {QStringLiteral("q.%1 LIKE %2").arg(word.column, like)};
        if (search_index && word.word.size() >= 3) {
            // The index knows only which rows hold each run of three letters: the word's runs.
            QStringList runs;
            for (qsizetype i = 0; i + 3 <= word.word.size(); ++i) runs << u'"' + word.word.mid(i, 3) + u'"';
            conditions << conditions.first() + QStringLiteral(" AND q.key IN (SELECT rowid FROM quotes_%1_search WHERE "
                                                              "quotes_%1_search MATCH %2)")
                                                   .arg(word.column, sql_literal(runs.join(QStringLiteral(" AND "))));
        }
        const bool notes = word.column == QLatin1String("notes");
        ListCase* c = filter(QStringLiteral("%1 '%2' (%3)").arg(notes ? QStringLiteral("note") : QStringLiteral("text"), word.word, word.label),
                             [w = word.word, notes](f_main& m) { (notes ? m.filters->t_note_filter : m.filters->t_text_filter)->setText(w); },
                             conditions);
        c->like_count = QStringLiteral("SELECT count(*) FROM quotes WHERE %1 LIKE %2").arg(word.column, like);
    }
    return out;
}

// The window back to every quotation in random order, its filter fields empty: not timed.
void back_to_everything(f_main& w) {
    w.filters->Clear_all_filters();
    if (w.list->sort().column() >= 0) w.filters->back_to_random_order();
    else if (w.filters->filter_active()) w.b_filter_Click();
}

}  // namespace

std::vector<Figure> grid_lists(const Workspace& ws) {
    std::vector<Figure> out;
    RunningProgram program(ws);
    const QString size = ws.facts.name;
    if (!program.started) {
        Figure f;
        f.name = QStringLiteral("grid lists");
        f.size = size;
        f.failure = QStringLiteral("start-up ended the program");
        return {f};
    }
    f_main& w = *program.window;
    PlainEngine engine(ws.db_path);
    const std::vector<ListCase> all = cases(ws, engine);
    for (const ListCase& c : all) {
        Figure page, count, last;
        page.name = c.name + QStringLiteral(", first page");
        count.name = c.name + QStringLiteral(", count");
        last.name = c.name + QStringLiteral(", last page");
        if (!ws.wanted(page.name) && !ws.wanted(count.name) && !ws.wanted(last.name)) continue;
        std::fprintf(stderr, "  %s\n", qPrintable(c.name));
        for (Figure* f : {&page, &count, &last}) {
            f->size = size;
            f->paired = true;
        }
        page.target = last.target = Target::ms(50);
        count.target = c.like_count.isEmpty() ? Target::ms(300) : Target::ratio(1.3);
        Floor page_floor(page_plans(c, false), same_page), last_floor(page_plans(c, true), same_page), listed(count_plans(c));
        std::optional<Floor> like_count;
        if (!c.like_count.isEmpty()) like_count.emplace(std::vector<FloorPlan>{{QStringLiteral("count(*) ... LIKE"), c.like_count}});
        double listed_ms = 0;
        int grid_rows = -1;
        for (int i = 0; i < ws.repeats; ++i) {
            back_to_everything(w);
            if (c.column >= 0) {
                // The click turns the column's direction over: the one before it is the other.
                const QString before = c.descending ? QStringLiteral("ASC") : QStringLiteral("DESC");
                if (w.list->sort().direction(c.column) != before) {
                    w.list->sort().click(c.column);
                    if (w.list->sort().direction(c.column) != before) w.list->sort().click(c.column);
                    w.list->sort().to_random();
                }
            }
            const bool corner = c.column < 0 && !c.fill;
            if (corner) w.filters->sort_by_column(0);  // the random order comes back from a sorted list
            if (c.fill) c.fill(w);
            // A user's clicks come with time between them, in which the idle window reads the
            // list it shows to its end; with --quick-clicks they follow one another at once.
            if (!ws.quick_clicks) program.read_whole_list();
            std::optional<Floor> first_expected, last_expected;
            if (i == 0) {
                // The rows the click must show, read before it: in random order the row made
                // current moves back in the order.
                first_expected.emplace(page_plans(c, false), same_page);
                last_expected.emplace(page_plans(c, true), same_page);
                first_expected->run(engine);
                last_expected->run(engine);
            }
            QElapsedTimer timer;
            timer.start();
            if (c.column >= 0) w.filters->sort_by_column(c.column);
            else if (corner) w.filters->back_to_random_order();
            else w.b_filter_Click();
            w.list->grid->viewport()->repaint();
            page.runs.push_back(ms_since_start(timer));
            RecordSet* rs = w.Data1();
            grid_rows = rs ? rs->record_count() : -1;
            count.runs.push_back(ms_since_start(timer));
            if (!rs) {
                page.failure = QStringLiteral("the grid has no list");
                break;
            }
            const bool first_run = i == 0;
            timer.start();
            QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
            QApplication::sendEvent(w.list->grid, &end);
            w.list->grid->viewport()->repaint();
            last.runs.push_back(ms_since_start(timer));
            const int current = w.list->grid->currentIndex().row();

            page.floor_runs.push_back(page_floor.run(engine));
            last.floor_runs.push_back(last_floor.run(engine));
            if (like_count) {
                count.floor_runs.push_back(like_count->run(engine));
                if (first_run) listed_ms = listed.run(engine);
            } else {
                count.floor_runs.push_back(listed.run(engine));
                listed_ms = count.floor_runs.back();
            }
            if (first_run) {
                if (grid_rows != listed.number())
                    count.failure = QStringLiteral("the grid counts %1 rows, the floor %2").arg(grid_rows).arg(listed.number());
                const QString first = compare_page(engine, *rs, c, expanded(first_expected->rows()), false);
                if (!first.isEmpty()) page.failure = first;
                const QString end_rows = compare_page(engine, *rs, c, expanded(last_expected->rows()), true);
                if (!end_rows.isEmpty()) last.failure = end_rows;
                if (grid_rows > 0 && current != grid_rows - 1)
                    last.failure = QStringLiteral("Ctrl+End made row %1 current, not the last (%2)").arg(current).arg(grid_rows - 1);
                for (auto [floor, figure] : {std::pair{&*first_expected, &page}, {&*last_expected, &last}, {&listed, &count}})
                    if (!floor->disagreement().isEmpty() && figure->failure.isEmpty()) figure->failure = floor->disagreement();
            }
        }
        if (!program.ui.shown.isEmpty()) page.failure = shown_text(program.ui);
        page.note = QStringLiteral("%1 rows").arg(grid_rows);
        count.note = like_count ? QStringLiteral("%1 rows; the rows listed counted in %2 ms by the floor").arg(grid_rows).arg(listed_ms, 0, 'f', 1)
                                : QStringLiteral("%1 rows").arg(grid_rows);
        if (ws.show_plans) {
            page.note += QStringLiteral("; floor: ") + page_floor.chosen().sql;
            last.note += QStringLiteral("floor: ") + last_floor.chosen().sql;
            count.note += QStringLiteral("; floor: ") + (like_count ? like_count->chosen().sql : listed.chosen().sql);
        }
        for (Figure* f : {&page, &count, &last})
            if (ws.wanted(f->name)) out.push_back(std::move(*f));
    }
    back_to_everything(w);
    return out;
}

}  // namespace bench
