#pragma once

#include "reference_window.h"

#include "database/recordset.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The authors window: every author with the number of quotations that name them, in the
// authors' own random order (each author visited moves to the back) or by a clicked column; an
// author's name, picture and notes edited, added, deleted while no quotation names them, their
// quotations moved to another author, and the main window shown on their quotations.
class f_authors : public ReferenceWindow {
    Q_OBJECT
public:
    explicit f_authors(AppContext& ctx);

    void Clear_all_text_boxes() override;
    void b_save_Click();
    void b_delete_Click();
    void b_replace_Click();
    void b_random_Click();
    void b_show_quotes_Click();
    void b_get_file_Click();
    // A picture inside the program folder's images folder, relative to the program folder
    // (beginning with "images/"); any other path as it is.
    QString relative_path(const QString& path) const;

    QLabel *l_name = nullptr, *l_picture = nullptr, *l_notes = nullptr, *l_quotes = nullptr;
    QLineEdit *t_name = nullptr, *t_picture = nullptr, *t_notes = nullptr, *t_quotes = nullptr;
    QPushButton* b_get_file = nullptr;
    QFrame* pic_author = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton *b_show_quotes = nullptr, *b_replace = nullptr, *b_random = nullptr;
    QLineEdit *t_name_filter = nullptr, *t_picture_filter = nullptr, *t_notes_filter = nullptr;
    QLabel *l_name_filter = nullptr, *l_picture_filter = nullptr, *Label1 = nullptr;

protected:
    QList<QWidget*> edit_fields() const override;
    void fill_fields(RecordSet& rs) override;
    void row_shown() override;
    std::unique_ptr<RecordSet> open_list(const QString& sql, const QString& condition, const QString& order) override;
    void grid_double_clicked() override { b_show_quotes_Click(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_edit_area();
    void build_filter_area();
    void t_picture_Change();
    void show_picture(const QString& path);
    void rotate_current();

    std::shared_ptr<KeyedSource::Count::Kept> counts_ = std::make_shared<KeyedSource::Count::Kept>();
};

// Shows the authors window, opening it when it is not open, with its list on the author named
// `name` when it lists one, and brings it to the front. False when an edit pending on another
// author kept it where it was (the user is told).
bool show_authors_window(AppContext& ctx, const QString& name);
