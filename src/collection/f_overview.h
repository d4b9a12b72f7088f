#pragma once

#include "core/overview.h"

#include <QWidget>

struct AppContext;
class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;

// View > Overview: bar charts of the collection (quotations per subject, language and rate, the
// authors with most quotations). A click on a bar shows its quotations in the main window.
class f_overview : public QWidget {
    Q_OBJECT
public:
    explicit f_overview(AppContext& ctx, QWidget* owner = nullptr);

    enum Chart { subjects_chart, languages_chart, rates_chart, authors_chart, chart_count };

    // Counts again and draws the charts.
    void refresh();
    // A click on bar `index` of `chart`: its quotations in the main window.
    void bar_clicked(Chart chart, int index);
    // Saves the chart shown as a PNG picture.
    void b_save_Click();

    const overview::Counts& counts() const { return counts_; }

    QTabWidget* tabs = nullptr;
    QChartView* views[chart_count] = {};
    QPushButton *b_save = nullptr, *b_close = nullptr;
    QLabel* l_total = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void draw();

    AppContext& ctx_;
    overview::Counts counts_;
    bool stale_ = false;  // the collection changed since it was counted
};

// Shows the window (one for the main window `owner`), made when there is none.
void show_overview_window(AppContext& ctx, QWidget* owner);
