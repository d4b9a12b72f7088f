#pragma once

#include "reference_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The languages window: every language with the number of its quotations; a language's code,
// description and default flag changed, a language added, deleted while no quotation is in it,
// and the main window shown on its quotations. One language at most is the default: the one
// last saved with "Yes".
class f_languages : public ReferenceWindow {
    Q_OBJECT
public:
    explicit f_languages(AppContext& ctx);

    void b_save_Click();
    void b_delete_Click();
    void b_show_quotes_Click();

    QLabel *l_code = nullptr, *l_description = nullptr, *l_rate_filter = nullptr;
    QLineEdit *t_code = nullptr, *t_desc = nullptr;
    QComboBox* t_default = nullptr;
    QPushButton* b_show_quotes = nullptr;

protected:
    QList<QWidget*> edit_fields() const override;
    void fill_fields(RecordSet& rs) override;

private:
    void default_language_read_again();
};

// Shows the languages window, opening it when it is not open, and brings it to the front.
void show_languages_window(AppContext& ctx);
