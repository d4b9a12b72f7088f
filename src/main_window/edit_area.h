#pragma once

#include "parts.h"

#include <QFrame>

#include <functional>
#include <memory>
#include <QString>

// The main window's edit area: the quotation that is the grid's current row, changed, added,
// saved, deleted, undone, and the steps to the next or a random quotation. Its state is the
// colour of Save (an edit pending) and of Add new (an addition in progress).
class EditArea : public QFrame {
    Q_OBJECT
public:
    EditArea(AppContext& ctx, QuoteList& list, QuoteCounts& counts, QWidget* parent = nullptr);

    // The system's procedures.
    void Check_change();
    void set_initial_values();
    void Clear_all_text_boxes();
    void Restore_inital_values();
    void b_add_new_Click();
    void b_save_Click() { save(); }
    bool save();  // false when the save stopped (validation, question, error)
    void b_delete_Click();
    void b_undo_Click() { Restore_inital_values(); }
    void b_next_Click();
    void b_random_Click();
    void cb_author_LostFocus();
    void cb_subject_LostFocus();

    // An edit is pending (Save is lit): commands that would lose it refuse.
    bool editing() const;
    // Shows "Edit operation in progress." and returns true while an edit is pending.
    bool refuse_while_editing();
    bool adding_new() const { return adding_new_; }
    // A new list was shown: no edit and no addition is in progress.
    void reset_edit_state();
    // The lists of the four boxes, each keeping what it shows.
    void set_author_list(const QStringList& names);
    void set_subject_list(const QStringList& subjects);
    void set_rate_list(const QStringList& rates);
    void set_language_list(const QStringList& codes);

    QGroupBox* frame_data = nullptr;
    QFrame* frame_edit_buttons = nullptr;
    QLabel *l_key = nullptr, *l_author = nullptr, *l_text = nullptr, *l_subject = nullptr, *l_language = nullptr,
           *l_rate = nullptr, *Label2 = nullptr;
    QLineEdit* t_key = nullptr;
    QComboBox *cb_author = nullptr, *cb_subject = nullptr, *cb_language = nullptr, *cb_rate = nullptr;
    QPlainTextEdit* t_text = nullptr;
    QLineEdit* t_note = nullptr;
    QPushButton *b_edit_author = nullptr, *b_add_subject = nullptr;
    QFrame* pic_author = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton *b_add_new = nullptr, *b_save = nullptr, *b_delete = nullptr, *b_random = nullptr, *b_undo = nullptr,
                *b_next = nullptr, *b_exit = nullptr;

signals:
    // The values shown are now the unchanged state: the captions counting the quotations of the
    // author and the subject follow.
    void names_shown(const QString& author, const QString& subject);
    void exit_requested();
    void filter_requested();  // Enter in the language box

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void wire();
    void row_changed(int row);
    bool fill_from_current_row();  // false (edit area emptied) when the row could not be read
    void choice_made(QComboBox* box);
    void show_picture(const QString& path);
    void show_captions();
    void set_save_state(bool changed);
    // `old_name` renamed `new_name` elsewhere: the box showing it, and what Undo brings back
    // into it, follow.
    void follow_rename(QComboBox* box, QString& initial, const QString& old_name, const QString& new_name);
    struct Completion {
        QComboBox* box;
        QString table, column, noun;
        bool anywhere;           // the text may stand anywhere in the name, not only at its start
        bool refocus_on_cancel;  // Cancel puts the focus back into the box
        QString other_values;    // the rest of the new row's values, after the name
        QString vanished;        // the message when the row added cannot be read back
        std::function<void(const QString&)> announce;
    };
    std::unique_ptr<RecordSet> complete_name(const Completion& c);

    AppContext& ctx_;
    QuoteList& list_;
    QuoteCounts& counts_;
    bool loading_ = true;
    bool filling_fields_ = false;
    bool adding_new_ = false;
    bool in_lost_focus_ = false;
    QString initial_text_, initial_author_, initial_subject_, initial_language_, initial_rate_, initial_note_;
};
