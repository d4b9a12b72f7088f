#pragma once

#include "database/duplicates.h"

#include <QWidget>

#include <vector>

struct AppContext;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

// Tools > Find duplicates: the groups of quotations kept more than once, each quotation with its
// author, subject, rate, note and key; the user keeps one of a group and merges the others into it.
class f_duplicates : public QWidget {
    Q_OBJECT
public:
    explicit f_duplicates(AppContext& ctx, QWidget* owner = nullptr);

    // The columns of the list.
    enum Column { text_column, author_column, subject_column, rate_column, note_column, key_column, column_count };

    void b_find_Click();
    // Keeps the quotation chosen in the list and merges the others of its group into it.
    void b_merge_Click();

    const std::vector<duplicates::Group>& groups() const { return groups_; }

    QSpinBox* sb_threshold = nullptr;
    QCheckBox* c_near = nullptr;
    QPushButton *b_find = nullptr, *b_merge = nullptr, *b_close = nullptr;
    QTreeWidget* tv_groups = nullptr;
    QLabel* l_found = nullptr;

private:
    void show_groups();
    void check_selection();

    AppContext& ctx_;
    std::vector<duplicates::Group> groups_;
};

// Shows the window (one for the main window `owner`), made when there is none.
void show_duplicates_window(AppContext& ctx, QWidget* owner);
