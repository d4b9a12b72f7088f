#pragma once

#include "reference_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The web sites window: a list of web sites with their address, language and notes, sorted by a
// clicked column and filtered by name, notes or language; a site changed, added or deleted, and
// its address opened in the web browser.
class f_websites : public ReferenceWindow {
    Q_OBJECT
public:
    explicit f_websites(AppContext& ctx);

    void b_save_Click();
    void b_delete_Click();
    void g_gotosite_Click();
    // The language lists, from the languages table; what the boxes show stays.
    void set_combos();

    QLabel *l_name = nullptr, *l_picture = nullptr, *l_notes = nullptr, *l_language = nullptr;
    QLineEdit *t_name = nullptr, *t_address = nullptr, *t_notes = nullptr;
    QComboBox* cb_language = nullptr;
    QPushButton* g_gotosite = nullptr;
    QLabel *l_name_filter = nullptr, *Label1 = nullptr, *Label3 = nullptr;
    QLineEdit *t_name_filter = nullptr, *t_notes_filter = nullptr;
    QComboBox* cb_language_filter = nullptr;
    QToolButton *Command1 = nullptr, *Command2 = nullptr, *b_clear_language_filter = nullptr;

protected:
    QList<QWidget*> edit_fields() const override;
    void fill_fields(RecordSet& rs) override;
    void grid_double_clicked() override { g_gotosite_Click(); }

private:
    void t_address_Change();
};

// Shows the web sites window, opening it when it is not open, and brings it to the front.
void show_websites_window(AppContext& ctx);
