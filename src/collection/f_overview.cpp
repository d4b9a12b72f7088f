#include "f_overview.h"

#include "core/app_context.h"
#include "widgets/factories.h"
#include "widgets/guards.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFileInfo>
#include <QSaveFile>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

f_overview::f_overview(AppContext& ctx, QWidget* owner) : QWidget(owner, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("f_overview"));
    setWindowTitle(tr("Sentara - Overview"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);

    tabs = named(new QTabWidget, "tabs");
    const QString titles[chart_count] = {tr("Subjects"), tr("Languages"), tr("Rates"), tr("Authors")};
    for (int c = 0; c < chart_count; ++c) {
        views[c] = new QChartView;
        views[c]->setObjectName(QStringLiteral("chart_%1").arg(c));
        views[c]->setRenderHint(QPainter::Antialiasing);
        views[c]->setAccessibleName(titles[c]);
        tabs->addTab(views[c], titles[c]);
    }
    l_total = named(new QLabel, "l_total");
    b_save = button("b_save", tr("Save as &picture..."), tr("Save the chart shown as a PNG or SVG picture"));
    b_close = button("b_close", tr("&Close"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(l_total, 1);
    bottom->addWidget(b_save);
    bottom->addWidget(b_close);
    auto* all = new QVBoxLayout(this);
    all->addWidget(tabs, 1);
    all->addLayout(bottom);
    connect(b_save, &QPushButton::clicked, this, &f_overview::b_save_Click);
    connect(b_close, &QPushButton::clicked, this, &QWidget::close);
    // Counted again when the collection has changed, once the window is looked at again: a
    // save in the main window does not wait for the counts of a million quotations.
    connect(&ctx_.events, &AppEvents::quotes_changed, this, [this] {
        stale_ = true;
        if (isActiveWindow()) refresh();
    });

    resize(900, 600);
    refresh();
}

void f_overview::refresh() {
    stale_ = false;
    guarded(ctx_.ui, [&] { counts_ = overview::count(*ctx_.list_database); });
    draw();
}

void f_overview::draw() {
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const std::vector<overview::Bar>* lists[chart_count] = {&counts_.subjects, &counts_.languages, &counts_.rates,
                                                           &counts_.authors};
    const int in_all[chart_count] = {counts_.subjects_in_all, counts_.languages_in_all, int(counts_.rates.size()),
                                     counts_.authors_in_all};
    const QString headings[chart_count] = {tr("Quotations per subject"), tr("Quotations per language"),
                                           tr("Quotations per rate"), tr("The authors with most quotations")};
    for (int c = 0; c < chart_count; ++c) {
        const std::vector<overview::Bar>& bars = *lists[c];
        auto* set = new QBarSet(tr("Quotations"));
        QStringList names;
        qint64 highest = 0;
        // The largest at the top: a horizontal chart draws its first category at the bottom.
        for (auto it = bars.rbegin(); it != bars.rend(); ++it) {
            *set << double(it->count);
            names << (it->name.isEmpty() ? (c == rates_chart ? tr("no rate") : tr("(none)")) : it->name);
            highest = std::max(highest, it->count);
        }
        auto* series = new QHorizontalBarSeries;
        series->append(set);
        series->setLabelsVisible(true);
        series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
        const int count = int(bars.size());
        connect(set, &QBarSet::clicked, this, [this, c, count](int index) { bar_clicked(Chart(c), count - 1 - index); });
        auto* chart = new QChart;
        chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
        chart->addSeries(series);
        chart->setTitle(in_all[c] > count ? tr("%1 (the %2 largest of %3)").arg(headings[c]).arg(count).arg(in_all[c])
                                          : headings[c]);
        chart->legend()->hide();
        auto* categories = new QBarCategoryAxis;
        categories->append(names);
        categories->setTruncateLabels(false);  // names are what the chart is read by
        chart->addAxis(categories, Qt::AlignLeft);
        series->attachAxis(categories);
        auto* values = new QValueAxis;
        values->setLabelFormat(QStringLiteral("%d"));
        values->setRange(0, double(std::max<qint64>(highest, 1)));
        // Whole numbers on the scale: a tick per quotation while they are few.
        if (highest <= 10) values->setTickCount(int(std::max<qint64>(highest, 1)) + 1);
        else values->applyNiceNumbers();
        chart->addAxis(values, Qt::AlignBottom);
        series->attachAxis(values);
        QChart* old = views[c]->chart();
        views[c]->setChart(chart);
        delete old;
    }
    l_total->setText(tr("%1 quotations. A click on a bar shows its quotations in the main window.").arg(counts_.quotations));
}

void f_overview::bar_clicked(Chart chart, int index) {
    const std::vector<overview::Bar>* lists[chart_count] = {&counts_.subjects, &counts_.languages, &counts_.rates,
                                                           &counts_.authors};
    if (index < 0 || size_t(index) >= lists[chart]->size()) return;
    const QString name = (*lists[chart])[size_t(index)].name;
    switch (chart) {
    case subjects_chart: emit ctx_.events.show_quotes_requested(AppEvents::QuotesOf::subject, name); break;
    case languages_chart: emit ctx_.events.show_quotes_requested(AppEvents::QuotesOf::language, name); break;
    case authors_chart: emit ctx_.events.show_quotes_requested(AppEvents::QuotesOf::author, name); break;
    case rates_chart:
        // Quotations without a rate are not a range the main window can filter by.
        if (!name.isEmpty()) emit ctx_.events.show_quotes_requested(AppEvents::QuotesOf::rate, name);
        break;
    case chart_count: break;
    }
}

void f_overview::b_save_Click() {
    const int shown = tabs->currentIndex();
    if (shown < 0 || shown >= chart_count) return;
    QString path = ctx_.ui.save_file(tr("Save the chart"), tr("PNG or SVG picture|*.png;*.svg"), QString(),
                                     QStringLiteral("overview.png"));
    if (path.isEmpty()) return;
    bool written = false;
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        // Drawn again as a drawing: the same bars, names and counts, in the window's colours.
        const std::vector<overview::Bar>* lists[chart_count] = {&counts_.subjects, &counts_.languages, &counts_.rates,
                                                               &counts_.authors};
        const QPalette p = palette();
        QSaveFile file(path);
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(overview::svg(views[shown]->chart()->title(), *lists[shown],
                                           shown == rates_chart ? tr("no rate") : tr("(none)"),
                                           p.color(QPalette::Base).name(), p.color(QPalette::Text).name(),
                                           p.color(QPalette::Highlight).name())
                                 .toUtf8()) >= 0 &&
                  file.commit();
    } else {
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
        written = views[shown]->grab().save(path, "PNG");
    }
    if (!written) ctx_.ui.message(tr("The picture could not be written to %1.").arg(path));
}

void f_overview::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) draw();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && stale_) refresh();
}

void show_overview_window(AppContext& ctx, QWidget* owner) {
    auto* window = owner ? owner->findChild<f_overview*>(QStringLiteral("f_overview"), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) window = new f_overview(ctx, owner);  // it goes when it is closed
    window->show();
    ctx.ui.yield();
    window->raise();
    window->activateWindow();
}
