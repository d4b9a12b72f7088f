// The main window's edit area: loading a quotation, change detection, add, save, delete, undo,
// next, random, completing the author and subject boxes.
#include "f_main.h"

#include "author_picture.h"
#include "core/app_context.h"
#include "core/common.h"
#include "database/recordset.h"
#include "grid_model.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace {
// A rate is empty or one of the whole numbers 1 to 3.
bool valid_rate(const QString& text) {
    bool numeric = false;
    const double v = text.trimmed().toDouble(&numeric);
    return numeric && v >= 1 && v <= 3 && v == std::floor(v);
}
}  // namespace

void f_main::show_picture(const QString& path) { show_author_picture(pic_author, Image1, ctx_.program_folder, path); }

void f_main::Clear_all_text_boxes() {
    const bool was = filling_fields_;
    filling_fields_ = true;
    t_key->clear();
    t_text->clear();
    cb_author->setEditText(QString());
    cb_subject->setEditText(QString());
    cb_language->setEditText(QString());
    cb_rate->setEditText(QString());
    t_note->clear();
    Image1->hide();
    filling_fields_ = was;
}

void f_main::set_initial_values() {
    initial_text_ = t_text->toPlainText();
    initial_author_ = cb_author->currentText();
    initial_subject_ = cb_subject->currentText();
    initial_language_ = cb_language->currentText();
    initial_note_ = t_note->text();
    initial_rate_ = cb_rate->currentText();
    set_lit(b_save, false);
    b_save->setEnabled(false);
    grid->setEnabled(true);
    b_undo->setEnabled(false);
    refresh_shortcut_captions();
}

void f_main::Restore_inital_values() {
    t_text->setPlainText(initial_text_);
    cb_author->setEditText(initial_author_);
    cb_subject->setEditText(initial_subject_);
    cb_language->setEditText(initial_language_);
    t_note->setText(initial_note_);
    cb_rate->setEditText(initial_rate_);
    set_lit(b_save, false);
    b_save->setEnabled(false);
    b_undo->setEnabled(false);
    grid->setEnabled(true);
}

void f_main::Check_change() {
    if (loading_ || filling_fields_) return;
    const auto differs = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) != 0; };
    const QString rate = cb_rate->currentText();
    if (differs(rate, initial_rate_) && !rate.isEmpty() && !valid_rate(rate)) {
        ctx_.ui.message(QStringLiteral("Invalid rate (use values 1 to 3 or empty)"));
        cb_rate->setEditText(initial_rate_);  // runs the check again, on the remembered rate
        return;
    }
    const bool changed = differs(t_text->toPlainText(), initial_text_) || differs(cb_author->currentText(), initial_author_) ||
                         differs(cb_subject->currentText(), initial_subject_) ||
                         differs(cb_language->currentText(), initial_language_) ||
                         differs(t_note->text(), initial_note_) || differs(rate, initial_rate_);
    set_lit(b_save, changed);
    b_save->setEnabled(changed);
    b_undo->setEnabled(changed);
    // While an edit is pending no other row can be chosen.
    grid->setEnabled(!changed);
}

bool f_main::fill_from_current_row() {
    // The row is read again from the database: another program, or another window, may have
    // changed it since the grid read it, and a save must not write the old text back.
    filling_fields_ = true;
    QString picture;
    try {
        data1_->reload_row(data1_->absolute_position());
        const qint32 key = qint32(data1_->value(QStringLiteral("key")).toLongLong());
        t_key->setText(QString::number(key));
        t_text->setPlainText(data1_->text(QStringLiteral("text")));
        cb_author->setEditText(data1_->text(QStringLiteral("author")));
        cb_subject->setEditText(data1_->text(QStringLiteral("subject")));
        cb_language->setEditText(data1_->text(QStringLiteral("language")));
        t_note->setText(data1_->text(QStringLiteral("notes")));
        cb_rate->setEditText(data1_->text(QStringLiteral("rate")));
        picture = data1_->text(QStringLiteral("picture"));
    } catch (const DbError& e) {
        filling_fields_ = false;
        Clear_all_text_boxes();
        if (e.number() == db_errors::no_current_record || e.number() == db_errors::record_is_deleted)
            ctx_.ui.message(QStringLiteral("Error 2006-10-30 13:15"));  // the quotation has gone
        else
            show_error(ctx_.ui, e);
        return false;
    }
    set_initial_values();
    show_picture(picture);
    filling_fields_ = false;
    return true;
}

void f_main::grid_row_changed() {
    try {
        if (!data1_ || data1_->absolute_position() < 0) return;
        if (data1_->record_count() == 0) {
            Clear_all_text_boxes();
            return;
        }
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
        return;
    }
    // Moving to another row ends an "Add new" that has no change yet (with a change the grid is
    // disabled): the row chosen is shown, and a save updates it.
    if (adding_new_) {
        adding_new_ = false;
        set_lit(b_add_new, false);
    }
    if (!fill_from_current_row()) return;
    filling_fields_ = true;
    const qint32 key = qint32(t_key->text().toLongLong());
    try {
        ctx_.rotate_quote(key);  // in random order the quotation just shown moves to the back
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
    if (grid->isEnabled() && isVisible() && !grid->hasFocus() && focusWidget() != b_next) grid->setFocus();
    check_selections();
    filling_fields_ = false;
}

void f_main::b_add_new_Click() {
    if (refuse_while_editing()) return;
    Clear_all_text_boxes();
    set_initial_values();
    cb_language->setEditText(ctx_.default_language);
    adding_new_ = true;
    set_lit(b_add_new, true);
    set_lit(b_save, false);
    b_save->setEnabled(false);
    grid->setEnabled(true);
    t_text->setFocus();
}

void f_main::b_save_Click() { save(); }

bool f_main::save() {
    Database& db = *ctx_.database;
    try {
        // The first quotation of an empty table is always inserted.
        if (!data1_ || data1_->record_count() == 0) adding_new_ = true;
        if (cb_language->currentText().trimmed().isEmpty()) {
            ctx_.ui.message(QStringLiteral("Language cannot be empty"));
            cb_language->setFocus();
            return false;
        }
        const QString author = cb_author->currentText();
        if (author.trimmed().isEmpty()) {
            ctx_.ui.message(QStringLiteral("Author cannot be empty"));
            cb_author->setFocus();
            return false;
        }
        // Names are compared and stored exactly as typed (a name of question marks included).
        const QString author_sql = QStringLiteral("select * from authors where name = '") + sql_escape_text(author) + u'\'';
        auto authors = db.open_recordset(author_sql);
        if (authors->eof()) {
            const int answer = ctx_.ui.message(QStringLiteral("Author \"") + author +
                                                   QStringLiteral("\" not found. Do you want to add it?"),
                                               Ui::ok_cancel | Ui::icon_question);
            if (answer != Ui::ok) {
                b_edit_author->setFocus();
                return false;
            }
            db.execute(QStringLiteral("insert into authors values('") + sql_escape_text(author) + QStringLiteral("',null,null,0)"));
            authors = db.open_recordset(author_sql);
            if (authors->eof()) {
                ctx_.ui.message(QStringLiteral("Author addition failed"));
                return false;
            }
            set_author_combos();
        }
        if (cb_subject->currentText().trimmed().isEmpty()) {
            const int answer = ctx_.ui.message(QStringLiteral("Subject is empty and will be set to '") + QStringLiteral("-") +
                                                   QStringLiteral("'; do you want to proceed?"),
                                               Ui::ok_cancel | Ui::icon_exclamation);
            if (answer != Ui::ok) {
                cb_subject->setFocus();
                return false;
            }
            cb_subject->setEditText(QStringLiteral("-"));
        }
        const QString subject = cb_subject->currentText();
        auto subjects =
            db.open_recordset(QStringLiteral("select * from subjects where subject = '") + sql_escape_text(subject) + u'\'');
        if (subjects->eof()) {
            if (subject != QLatin1String("-")) {
                ctx_.ui.message(QStringLiteral("Subject \"") + subject + QStringLiteral("\" not found. Please add it"));
                b_add_subject->setFocus();
                return false;
            }
            auto all = db.open_recordset(QStringLiteral("select * from subjects"));
            all->add_new();
            all->set_value(QStringLiteral("subject"), QStringLiteral("-"));
            all->update();
        } else if (subjects->text(QStringLiteral("subject")) != subject) {
            cb_subject->setEditText(subjects->text(QStringLiteral("subject")));  // the stored letter case
        }

        std::unique_ptr<RecordSet> target;
        if (adding_new_) {
            target = db.open_recordset(QStringLiteral("Select * from quotes"));
            target->add_new();
        } else {
            target = db.open_recordset(QStringLiteral("Select * from quotes where key = ") +
                                       QString::number(t_key->text().toLongLong()));
            if (target->eof()) {
                ctx_.ui.message(QStringLiteral("Error 200610220810"));
                return false;
            }
            target->edit();
        }
        const auto text_or_null = [](const QString& t) { return t.isEmpty() ? QVariant() : QVariant(t); };
        const QString rate = cb_rate->currentText().trimmed();
        target->set_value(QStringLiteral("rate"), rate.isEmpty() ? QVariant() : QVariant(qint64(rate.toDouble())));
        target->set_value(QStringLiteral("notes"), text_or_null(t_note->text()));
        target->set_value(QStringLiteral("author"), text_or_null(cb_author->currentText()));
        target->set_value(QStringLiteral("text"), text_or_null(t_text->toPlainText()));
        target->set_value(QStringLiteral("subject"), text_or_null(cb_subject->currentText()));
        target->set_value(QStringLiteral("language"), text_or_null(cb_language->currentText()));
        target->update();
        const qint64 key = target->last_modified().toLongLong();

        // The saved quotation becomes the grid's current row again. When it no longer meets the
        // filter, the row now at its place does, so that the grid, the record set and the edit
        // area always show one and the same quotation (or all nothing).
        const int position = data1_->absolute_position();
        adding_new_ = false;
        data1_->requery();
        if (!data1_->find_first(QStringLiteral("key = ") + QString::number(key))) {
            const int rows = data1_->record_count();
            if (rows > 0) data1_->set_absolute_position(std::clamp(position, 0, rows - 1));
        }
        Set_grid_columns_width();
        Update_record_count();
        if (data1_->record_count() == 0) Clear_all_text_boxes();
        adding_new_ = false;
        set_initial_values();
        set_lit(b_add_new, false);
        if (cb_subject->currentText() == QLatin1String("-")) cb_subject->setFocus();
        else b_next->setFocus();
        return true;
    } catch (const DbError& e) {
        // What was typed stays, and so does the pending edit.
        show_error(ctx_.ui, e);
        return false;
    }
}

void f_main::b_delete_Click() {
    if (refuse_while_editing()) return;
    if (adding_new_) {
        // Nothing shown can be deleted while adding: the adding is cancelled instead.
        adding_new_ = false;
        set_lit(b_add_new, false);
        if (data1_ && data1_->absolute_position() >= 0) fill_from_current_row();
        else Clear_all_text_boxes();
        return;
    }
    if (!data1_ || data1_->absolute_position() < 0) return;
    if (ctx_.ui.message(QStringLiteral("Do you really want to delete quote '") + t_text->toPlainText().left(30) +
                            QStringLiteral("...") + QStringLiteral("'?"),
                        Ui::ok_cancel | Ui::icon_question) != Ui::ok)
        return;
    try {
        int p = data1_->absolute_position();
        ctx_.ui.yield();
        data1_->delete_current();
        ctx_.ui.yield();
        const int rows = data1_->record_count();
        if (rows > 0) {
            p = std::min(p, rows - 1);
            if (p >= 0) data1_->set_absolute_position(p);  // the row that followed, or the new last row
            else Clear_all_text_boxes();
            grid->scrollTo(grid->currentIndex());
        } else {
            Clear_all_text_boxes();
        }
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
    Update_record_count();
    set_lit(b_save, false);
    b_save->setEnabled(false);
    set_lit(b_add_new, false);
}

void f_main::b_undo_Click() { Restore_inital_values(); }

void f_main::b_next_Click() {
    if (refuse_while_editing()) return;
    if (data1_) {
        try {
            const int p = data1_->absolute_position();
            // On the last row Next stays where it is.
            if (p >= 0 && p + 1 < data1_->record_count()) data1_->set_absolute_position(p + 1);
        } catch (const DbError& e) {
            show_error(ctx_.ui, e);
        }
        ctx_.ui.yield();
    }
    if (cb_subject->currentText() == QLatin1String("-")) cb_subject->setFocus();
    else b_next->setFocus();
}

void f_main::b_random_Click() {
    if (refuse_while_editing()) return;
    try {
        if (data1_ && data1_->record_count() > 0) {
            const int n = data1_->record_count();
            data1_->set_absolute_position(std::min(n - 1, int(double(ctx_.rng.next()) * n)));
        }
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
    if (grid->isEnabled()) grid->setFocus();
}

void f_main::choice_made(QComboBox* box) {
    Check_change();
    if (box == cb_subject) {
        if (!cb_rate->currentText().isEmpty() && is_lit(b_save)) b_save->setFocus();
    } else if (is_lit(b_save)) {
        b_save->setFocus();
    }
}

void f_main::cb_author_LostFocus() {
    const QString typed = cb_author->currentText();
    if (typed.trimmed().isEmpty()) return;  // an empty name is never completed nor stored
    in_lost_focus_ = true;
    try {
        Database& db = *ctx_.database;
        auto rs = db.open_recordset(QStringLiteral("Select * from authors where name like '*") + sql_escape_pattern(typed) +
                                    QStringLiteral("*'"));
        if (rs->eof()) {
            if (ctx_.ui.message(QStringLiteral("Author '") + typed + QStringLiteral("' not in database. Do you want to add it?"),
                                Ui::ok_cancel | Ui::icon_question) != Ui::ok) {
                in_lost_focus_ = false;
                return;
            }
            db.execute(QStringLiteral("insert into authors values('") + sql_escape_text(typed) + QStringLiteral("',Null,Null,Null)"));
            ctx_.ui.yield();
            rs = db.open_recordset(QStringLiteral("Select * from authors where name like '") + sql_escape_pattern(typed) +
                                   QStringLiteral("*'"));
            if (rs->eof()) {
                ctx_.ui.message(QStringLiteral("Error 2006-11-26 17:37"));
                in_lost_focus_ = false;
                return;
            }
            set_author_combos();
        }
        // A name typed whole is kept, even where another name contains it and comes first.
        if (!rs->find_first(QStringLiteral("name = '") + sql_escape_text(typed) + u'\'')) rs->move_first();
        cb_author->setEditText(rs->text(QStringLiteral("name")));
        show_picture(rs->text(QStringLiteral("picture")));
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
    in_lost_focus_ = false;
}

void f_main::cb_subject_LostFocus() {
    const QString typed = cb_subject->currentText();
    if (typed.trimmed().isEmpty()) return;  // Save turns an empty subject into "-"
    in_lost_focus_ = true;
    try {
        Database& db = *ctx_.database;
        const QString sql = QStringLiteral("Select * from subjects where subject like '") + sql_escape_pattern(typed) +
                            QStringLiteral("*'");
        auto rs = db.open_recordset(sql);
        if (rs->eof()) {
            if (ctx_.ui.message(QStringLiteral("Subject '") + typed + QStringLiteral("' not in database. Do you want to add it?"),
                                Ui::ok_cancel | Ui::icon_question) != Ui::ok) {
                cb_subject->setFocus();
                in_lost_focus_ = false;
                return;
            }
            db.execute(QStringLiteral("insert into subjects values('") + sql_escape_text(typed) + QStringLiteral("',0)"));
            ctx_.ui.yield();
            rs = db.open_recordset(sql);
            if (rs->eof()) {
                ctx_.ui.message(QStringLiteral("Error 2006-10-30 0905"));
                in_lost_focus_ = false;
                return;
            }
            set_subject_combos();
        }
        if (!rs->find_first(QStringLiteral("subject = '") + sql_escape_text(typed) + u'\'')) rs->move_first();
        cb_subject->setEditText(rs->text(QStringLiteral("subject")));
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
    in_lost_focus_ = false;
}
