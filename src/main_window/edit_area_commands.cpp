// The edit area's commands: add new, save, delete, next, random, and completing or creating the
// author and the subject when their boxes are left.
#include "edit_area.h"

#include "core/app_context.h"
#include "core/common.h"
#include "database/database.h"
#include "database/grid_keys.h"
#include "database/recordset.h"
#include "database/trash.h"
#include "quote_counts.h"
#include "quote_list.h"
#include "widgets/attention.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

void EditArea::b_add_new_Click() {
    if (refuse_while_editing()) return;
    Clear_all_text_boxes();
    set_initial_values();
    cb_language->setEditText(ctx_.default_language);  // differs from the empty value remembered
    adding_new_ = true;
    set_lit(b_add_new, true);
    set_save_state(false);
    t_text->setFocus();
}

bool EditArea::save() {
    Database& db = *ctx_.database;
    RecordSet* rows = list_.recordset();
    try {
        // The first quotation of an empty table is always inserted.
        if (!rows || rows->record_count() == 0) adding_new_ = true;
        if (cb_language->currentText().trimmed().isEmpty()) {
            ctx_.ui.message(tr("Language cannot be empty"));
            cb_language->setFocus();
            return false;
        }
        const QString author = cb_author->currentText();
        if (author.trimmed().isEmpty()) {
            ctx_.ui.message(tr("Author cannot be empty"));
            cb_author->setFocus();
            return false;
        }
        // Names are compared and stored exactly as typed (a name of question marks included).
        const QString author_sql = QStringLiteral("select * from authors where name = '") + sql_escape_text(author) + u'\'';
        // The authors' keys answer at once where the authors' table is read through (100,000
        // authors: 5 ms a save).
        const std::optional<bool> known = grid_keys::has_author(db, author);
        if (known ? !*known : db.open_recordset(author_sql)->eof()) {
            const int answer = ctx_.ui.message(tr("Author \"") + author +
                                                   tr("\" not found. Do you want to add it?"),
                                               Ui::ok_cancel | Ui::icon_question);
            if (answer != Ui::ok) {
                b_edit_author->setFocus();
                return false;
            }
            db.execute(QStringLiteral("insert into authors values('") + sql_escape_text(author) + QStringLiteral("',null,null,0)"));
            if (db.open_recordset(author_sql)->eof()) {
                ctx_.ui.message(tr("Author addition failed"));
                return false;
            }
            ctx_.events.author_was_changed(QString(), author);  // every author list shows it
        }
        if (cb_subject->currentText().trimmed().isEmpty()) {
            const int answer = ctx_.ui.message(tr("Subject is empty and will be set to '") + QStringLiteral("-") +
                                                   tr("'; do you want to proceed?"),
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
                ctx_.ui.message(tr("Subject \"") + subject + tr("\" not found. Please add it"));
                b_add_subject->setFocus();
                return false;
            }
            auto all = db.open_recordset(QStringLiteral("select * from subjects"));
            all->add_new();
            all->set_value(QStringLiteral("subject"), QStringLiteral("-"));
            all->update();
            ctx_.events.subject_was_changed(QString(), subject);
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
                ctx_.ui.message(QStringLiteral("Error 200610220810"), Ui::icon_stop);
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

        // The counts follow the change by its difference, then it is announced.
        counts_.quotation_changed(adding_new_ ? QuoteCounts::Names{} : QuoteCounts::Names{initial_author_, initial_subject_},
                                  {cb_author->currentText(), cb_subject->currentText()});
        ctx_.events.quotes_were_changed();
        // The saved quotation becomes the grid's current row again, in the place the order gives
        // it now. When it no longer meets the filter, the row now at its place does: the grid,
        // the record set and the edit area always show one and the same quotation (or nothing).
        adding_new_ = false;
        set_save_state(false);  // the edit is written: the rows may change under it
        list_.binding().place(QVariant(key), list_.binding().current_row());
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

void EditArea::b_delete_Click() {
    if (refuse_while_editing()) return;
    RecordSet* rows = list_.recordset();
    if (adding_new_) {
        // Nothing shown can be deleted while adding: the adding is cancelled instead.
        adding_new_ = false;
        set_lit(b_add_new, false);
        if (!rows || list_.binding().current_row() < 0 || !fill_from_current_row()) {
            Clear_all_text_boxes();
            set_initial_values();
        }
        return;
    }
    if (!rows || list_.binding().current_row() < 0) return;
    if (ctx_.ui.message(tr("Do you really want to delete quote '%1...'?").arg(t_text->toPlainText().left(30)),
                        Ui::ok_cancel | Ui::icon_question) != Ui::ok)
        return;
    ctx_.ui.yield();
    const QuoteCounts::Names gone{initial_author_, initial_subject_};
    // The row that followed, or the new last row, becomes current; none when the list is empty.
    list_.binding().delete_current([](Database& db, qint64 key) {
        // To the Trash, as a batch of its own: Undo delete brings it back.
        Database::Transaction t(db);
        trash::move_quotes(db, trash::open_batch(db, QStringLiteral("delete")), {key});
        t.commit();
    });
    counts_.quotation_changed(gone, {});
    ctx_.events.quotes_were_changed();
    ctx_.ui.yield();
    set_save_state(false);
    set_lit(b_add_new, false);
}

void EditArea::b_next_Click() {
    if (refuse_while_editing()) return;
    // On the last row Next stays where it is.
    const int p = list_.binding().current_row();
    guarded(ctx_.ui, [&] {
        if (p >= 0 && p + 1 < list_.recordset()->record_count()) list_.binding().go_to(p + 1);
    });
    ctx_.ui.yield();
    if (cb_subject->currentText() == QLatin1String("-")) cb_subject->setFocus();
    else b_next->setFocus();
}

void EditArea::b_random_Click() {
    if (refuse_while_editing()) return;
    guarded(ctx_.ui, [&] {
        RecordSet* rows = list_.recordset();
        if (rows && rows->record_count() > 0) {
            const int n = rows->record_count();
            list_.binding().go_to(std::min(n - 1, int(double(ctx_.rng.next()) * n)));
        }
    });
    if (list_.grid->isEnabled()) list_.grid->setFocus();
}

// Leaving the author or the subject box: what was typed is completed to the first name of the
// table that matches it, or, asked first, added to the table. Returns the row chosen, or none.
std::unique_ptr<RecordSet> EditArea::complete_name(const Completion& c) {
    const QString typed = c.box->currentText();
    if (typed.trimmed().isEmpty()) return nullptr;  // an empty name is never completed nor stored
    FlagScope busy(in_lost_focus_);
    std::unique_ptr<RecordSet> rs;
    guarded(ctx_.ui, [&] {
        Database& db = *ctx_.database;
        const QString select = QStringLiteral("Select * from %1 where %2 like '").arg(c.table, c.column);
        const QString pattern = sql_escape_pattern(typed) + QStringLiteral("*'");
        rs = db.open_recordset(select + (c.anywhere ? QStringLiteral("*") : QString()) + pattern);
        if (rs->eof()) {
            rs.reset();
            if (ctx_.ui.message(c.noun + QStringLiteral(" '") + typed + tr("' not in database. Do you want to add it?"),
                                Ui::ok_cancel | Ui::icon_question) != Ui::ok) {
                if (c.refocus_on_cancel) c.box->setFocus();
                return;
            }
            db.execute(QStringLiteral("insert into %1 values('").arg(c.table) + sql_escape_text(typed) + c.other_values);
            ctx_.ui.yield();
            rs = db.open_recordset(select + pattern);
            if (rs->eof()) {
                rs.reset();
                ctx_.ui.message(c.vanished);
                return;
            }
            c.announce(typed);
        }
        // A name typed whole is kept, even where another name contains it and comes first.
        if (!rs->find_first(c.column + QStringLiteral(" = '") + sql_escape_text(typed) + u'\'')) rs->move_first();
        c.box->setEditText(rs->text(c.column));
    });
    return rs;
}

void EditArea::cb_author_LostFocus() {
    const auto found = complete_name({cb_author, QStringLiteral("authors"), QStringLiteral("name"), tr("Author"),
                                      true, false, QStringLiteral("',Null,Null,Null)"),
                                      QStringLiteral("Error 2006-11-26 17:37"),
                                      [this](const QString& name) { ctx_.events.author_was_changed(QString(), name); }});
    if (found) guarded(ctx_.ui, [&] { show_picture(found->text(QStringLiteral("picture"))); });
}

void EditArea::cb_subject_LostFocus() {
    // Save turns an empty subject into "-".
    complete_name({cb_subject, QStringLiteral("subjects"), QStringLiteral("subject"), tr("Subject"), false, true,
                   QStringLiteral("',0)"), QStringLiteral("Error 2006-10-30 0905"),
                   [this](const QString& subject) { ctx_.events.subject_was_changed(QString(), subject); }});
}
