#pragma once

#include "database/grid_query.h"
#include "widgets/sort_state.h"

#include <QWidget>

struct AppContext;
class GridBinding;
class QFrame;
class QLabel;
class QTableView;
class RecordSet;
class RecordSetModel;

// The main window's list of quotations: the grid (key, author, text, subject, rate, language,
// note) over the record set of the current query, its row selectors with the selection bar in
// the grid's corner, and the sort order chosen by the column headers.
class QuoteList : public QWidget {
    Q_OBJECT
public:
    explicit QuoteList(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the quotations of `query`, the first one current. Throws DbError.
    void show_query(const GridQuery& query);
    RecordSet* recordset() const;
    GridBinding& binding() const { return *binding_; }
    RecordSetModel& model() const { return *model_; }
    SortState& sort() { return sort_; }
    int selected_count() const;

    // The selection bar over the grid's corner, above the row selectors.
    void place_selection_bar();

    QTableView* grid = nullptr;
    QFrame* pic_help = nullptr;
    QLabel* l_help = nullptr;

signals:
    // A click on the selection bar in the grid's corner.
    void corner_clicked();
    void selection_changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    AppContext& ctx_;
    RecordSetModel* model_ = nullptr;
    GridBinding* binding_ = nullptr;
    SortState sort_;
};
