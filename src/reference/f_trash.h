#pragma once

#include "core/app_events.h"

#include <QWidget>

#include <vector>

class AppContext;
class GridBinding;
class QLabel;
class QSpinBox;
class QLineEdit;
class QPushButton;
class QTableView;
class RecordSetModel;

namespace trash {
struct Restored;
}

// The Trash: the deleted quotations, newest first (text, author, when), filtered by a text they
// or their author hold; the selected ones or all of them restored, or the Trash emptied for
// good. Like the reference windows it lives beside the main window and goes when closed.
class f_trash : public QWidget {
    Q_OBJECT
public:
    explicit f_trash(AppContext& ctx);
    ~f_trash() override;

    QTableView* grid = nullptr;
    QLineEdit* t_filter = nullptr;
    QPushButton *b_filter = nullptr, *b_clear_filter = nullptr, *b_restore = nullptr, *b_restore_all = nullptr,
                *b_empty = nullptr, *b_exit = nullptr;
    QLabel* l_records = nullptr;
    QSpinBox* sb_keep_days = nullptr;  // days deleted quotations are kept (0: for ever)

    void b_filter_Click();
    void b_clear_filter_Click();
    void b_restore_Click();
    void b_restore_all_Click();
    void b_empty_Click();
    // The list read again, the same row current when it is still there.
    void read_list();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void restore(const std::vector<qint64>& keys, bool all);

    AppContext& ctx_;
    RecordSetModel* model_ = nullptr;
    GridBinding* binding_ = nullptr;
    QString condition_;
};

// Opens the Trash window, or brings it to the front.
void show_trash_window(AppContext& ctx);

// Tells every window what a restore brought back, and the user what it left where it was.
void announce_restored(AppContext& ctx, const trash::Restored& restored);
