#pragma once

#include "reference_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The subjects window: every subject with the number of quotations filed under it, beside the
// edit and filter areas; a subject changed (letter case counts), added, deleted while no
// quotation uses it, its quotations moved to another subject, and the main window shown on its
// quotations. The subject "-" stands for none: typing over it adds a subject and keeps it.
class f_subjects : public ReferenceWindow {
    Q_OBJECT
public:
    explicit f_subjects(AppContext& ctx);

    void Clear_all_text_boxes() override;
    void b_save_Click();
    void b_delete_Click();
    void b_replace_Click();
    void b_show_quotes_Click();

    QLabel *l_subject = nullptr, *l_quotes = nullptr, *l_subject_filter = nullptr;
    QLineEdit *t_subject = nullptr, *t_quotes = nullptr, *t_subject_filter = nullptr;
    QPushButton *b_show_quotes = nullptr, *b_replace = nullptr;

protected:
    QList<QWidget*> edit_fields() const override;
    void fill_fields(RecordSet& rs) override;
    void grid_double_clicked() override { b_show_quotes_Click(); }
};

// Shows the subjects window, opening it when it is not open, with its list on `subject` when it
// lists it, and brings it to the front. False when an edit pending on another subject kept it
// where it was (the user is told).
bool show_subjects_window(AppContext& ctx, const QString& subject);
