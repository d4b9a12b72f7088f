// The edit area: its controls, loading the current row, change detection.
#include "edit_area.h"

#include "core/app_context.h"
#include "core/common.h"
#include "database/jet_dialect.h"
#include "database/recordset.h"
#include "quote_counts.h"
#include "quote_list.h"
#include "widgets/attention.h"
#include "widgets/author_picture.h"
#include "widgets/combo_fill.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/mnemonics.h"

#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <cmath>

namespace {

// A rate is empty or one of the whole numbers 1 to 3.
bool valid_rate(const QString& text) {
    bool numeric = false;
    const double v = text.trimmed().toDouble(&numeric);
    return numeric && v >= 1 && v <= 3 && v == std::floor(v);
}

}  // namespace

EditArea::EditArea(AppContext& ctx, QuoteList& list, QuoteCounts& counts, QWidget* parent)
    : QFrame(parent), ctx_(ctx), list_(list), counts_(counts) {
    setObjectName(QStringLiteral("edit_area"));
    build();
    wire();
    Clear_all_text_boxes();
    set_initial_values();
    loading_ = false;
}

void EditArea::build() {
    frame_data = frame("frame_data");
    t_key = text_box("t_key");
    t_key->setReadOnly(true);
    t_key->setFocusPolicy(Qt::NoFocus);
    t_key->setMaximumWidth(90);
    cb_author = combo("cb_author", true);
    t_text = named(new QPlainTextEdit, "t_text");
    t_text->setTabChangesFocus(true);
    cb_subject = combo("cb_subject", true);
    cb_language = combo("cb_language", true);
    cb_rate = combo("cb_rate", true);
    t_note = text_box("t_note");
    b_edit_author = button("b_edit_author", tr("Edit"), tr("Edit this author"));
    b_add_subject = button("b_add_subject", tr("Edit"), tr("Subject Table Management"));
    // Lists that suggest while typing, without changing what is typed.
    for (QComboBox* c : {cb_author, cb_subject}) {
        auto* completer = new QCompleter(c->model(), c);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(c == cb_author ? Qt::MatchContains : Qt::MatchStartsWith);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        c->setCompleter(completer);
    }
    for (QComboBox* c : {cb_language, cb_rate}) {
        c->setMinimumWidth(64);
        c->setMaximumWidth(110);
    }

    l_key = label("l_key", tr("Key"), t_key);
    // Room for the longest counts, so that a new count never moves the fields beside it.
    const int caption_width = QFontMetrics(font()).horizontalAdvance(QStringLiteral("Subject 999999 q ")) + 4;
    l_author = label("l_author", tr("Author "), cb_author);
    l_text = label("l_text", tr("Text"), t_text);
    l_subject = label("l_subject", tr("Subject"), cb_subject);
    l_language = label("l_language", tr("Language"), cb_language);
    l_rate = label("l_rate", tr("Rate"), cb_rate);
    Label2 = label("Label2", tr("Note"), t_note);
    for (QLabel* l : {l_key, l_author, l_text, l_subject, l_language}) l->setFixedWidth(caption_width);

    pic_author = author_picture_box(Image1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    fields->addWidget(l_key, 0, 0);
    auto* key_row = new QHBoxLayout;
    key_row->addWidget(t_key);
    key_row->addStretch();
    fields->addLayout(key_row, 0, 1);
    fields->addWidget(l_author, 1, 0);
    fields->addWidget(cb_author, 1, 1);
    fields->addWidget(b_edit_author, 1, 2);
    fields->addWidget(l_text, 2, 0, Qt::AlignTop);
    fields->addWidget(t_text, 2, 1, 1, 2);
    fields->addWidget(l_subject, 3, 0);
    fields->addWidget(cb_subject, 3, 1);
    fields->addWidget(b_add_subject, 3, 2);
    auto* small_row = new QHBoxLayout;
    small_row->addWidget(cb_language);
    small_row->addSpacing(12);
    small_row->addWidget(l_rate);
    small_row->addWidget(cb_rate);
    small_row->addSpacing(12);
    small_row->addWidget(Label2);
    small_row->addWidget(t_note, 1);
    fields->addWidget(l_language, 4, 0);
    fields->addLayout(small_row, 4, 1, 1, 2);
    fields->setColumnStretch(1, 1);
    t_text->setFixedHeight(t_text->fontMetrics().lineSpacing() * 4 + 12);

    auto* data_row = new QHBoxLayout(frame_data);
    data_row->setContentsMargins(6, 6, 6, 6);
    auto* picture_column = new QVBoxLayout;
    picture_column->addSpacing(t_key->sizeHint().height() + 4);  // level with the author box
    picture_column->addWidget(pic_author);
    picture_column->addStretch();
    data_row->addLayout(picture_column);
    data_row->addSpacing(6);
    data_row->addLayout(fields, 1);

    frame_edit_buttons = named(new QFrame, "frame_edit_buttons");
    auto* buttons = new QHBoxLayout(frame_edit_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    b_add_new = button("b_add_new", tr("Add new"), tr("Start a new quotation (Ctrl+N)"));
    b_save = button("b_save", tr("Save"), tr("Save the quotation (Ctrl+S)"));
    b_delete = button("b_delete", tr("Delete"), tr("Delete the quotation (Ctrl+D)"));
    b_random = button("b_random", tr("Random"), tr("Go to a quotation at random (F9)"));
    b_undo = button("b_undo", tr("Undo edit"), tr("Put back the quotation as it was (Ctrl+U)"));
    b_next = button("b_next", tr("Next"), tr("Go to the next quotation (F8)"));
    b_exit = button("b_exit", tr("Exit"), tr("End the program (Ctrl+Q)"));
    for (QPushButton* b : {b_add_new, b_save, b_delete, b_random, b_undo, b_next, b_exit}) {
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    stack(this, {frame_data, frame_edit_buttons});
}

void EditArea::wire() {
    connect(&list_.binding(), &GridBinding::current_row_changed, this, &EditArea::row_changed);
    connect(t_text, &QPlainTextEdit::textChanged, this, &EditArea::Check_change);
    connect(t_note, &QLineEdit::textChanged, this, &EditArea::Check_change);
    for (QComboBox* c : {cb_author, cb_subject, cb_language, cb_rate}) {
        connect(c, &QComboBox::editTextChanged, this, &EditArea::Check_change);
        connect(c, &QComboBox::activated, this, [this, c] { choice_made(c); });
    }
    for (QObject* o : {static_cast<QObject*>(cb_author), static_cast<QObject*>(cb_subject),
                       static_cast<QObject*>(cb_language), static_cast<QObject*>(list_.grid)})
        o->installEventFilter(this);
    // Ctrl+U is the window's "Undo edit" in every field: a field would take it first (a line
    // box deletes its line with it).
    for (QWidget* field : findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QPlainTextEdit*>(field) || qobject_cast<QComboBox*>(field))
            field->installEventFilter(this);
    connect(b_add_new, &QPushButton::clicked, this, &EditArea::b_add_new_Click);
    connect(b_save, &QPushButton::clicked, this, &EditArea::b_save_Click);
    connect(b_delete, &QPushButton::clicked, this, &EditArea::b_delete_Click);
    connect(b_undo, &QPushButton::clicked, this, &EditArea::b_undo_Click);
    connect(b_next, &QPushButton::clicked, this, &EditArea::b_next_Click);
    connect(b_random, &QPushButton::clicked, this, &EditArea::b_random_Click);
    connect(b_exit, &QPushButton::clicked, this, &EditArea::exit_requested);
    // Renamed in their windows, an author, subject or language keeps its place in the quotation
    // shown, whether it is being edited or not.
    connect(&ctx_.events, &AppEvents::authors_changed, this,
            [this](const QString& old_name, const QString& name) { follow_rename(cb_author, initial_author_, old_name, name); });
    connect(&ctx_.events, &AppEvents::subjects_changed, this,
            [this](const QString& old_name, const QString& name) { follow_rename(cb_subject, initial_subject_, old_name, name); });
    connect(&ctx_.events, &AppEvents::languages_changed, this,
            [this](const QString& old_code, const QString& code) { follow_rename(cb_language, initial_language_, old_code, code); });
}

void EditArea::follow_rename(QComboBox* box, QString& initial, const QString& old_name, const QString& new_name) {
    if (old_name.isEmpty() || new_name.isEmpty() || old_name == new_name) return;
    const QString was = jet::folded(old_name);
    bool followed = false;
    if (jet::folded(initial.trimmed()) == was) {
        initial = new_name;
        followed = true;
    }
    if (jet::folded(box->currentText().trimmed()) == was) {
        FlagScope quiet(filling_fields_);
        box->setEditText(new_name);
        followed = true;
    }
    if (followed) Check_change();  // the edit pending before is pending still, and only it
}

bool EditArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_U)) {
        event->ignore();  // not the field's: the shortcut goes to the window
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == list_.grid && key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            // Tab from the grid leads to the fields that still need a value.
            const QString subject = cb_subject->currentText(), rate = cb_rate->currentText();
            if (subject == QLatin1String("-") || subject.isEmpty()) {
                cb_subject->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (rate == QLatin1String("0") || rate.isEmpty()) {
                cb_rate->setFocus(Qt::TabFocusReason);
                return true;
            }
            return false;
        }
        if (watched == cb_language && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            emit filter_requested();  // Enter in the language box applies the filter
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && !in_lost_focus_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // The user leaves the box with the keyboard or the mouse; focus that leaves for a menu, a
        // pop-up list or a dialog, or that the window itself moves (after a save, onto the grid
        // when a row is shown), is not the user leaving it.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
            reason == Qt::ShortcutFocusReason) {
            if (watched == cb_author && !cb_author->view()->isVisible()) cb_author_LostFocus();
            else if (watched == cb_subject && !cb_subject->view()->isVisible()) cb_subject_LostFocus();
        }
    }
    return QFrame::eventFilter(watched, event);
}

void EditArea::show_picture(const QString& path) { show_author_picture(pic_author, Image1, ctx_.program_folder, path); }

bool EditArea::editing() const { return is_lit(b_save); }

bool EditArea::refuse_while_editing() { return refuse_while_lit(ctx_.ui, b_save); }

void EditArea::Clear_all_text_boxes() {
    FlagScope quiet(filling_fields_);
    t_key->clear();
    t_text->clear();
    cb_author->setEditText(QString());
    cb_subject->setEditText(QString());
    cb_language->setEditText(QString());
    cb_rate->setEditText(QString());
    t_note->clear();
    Image1->hide();
}

void EditArea::set_save_state(bool changed) {
    set_lit(b_save, changed);
    b_save->setEnabled(changed);
    b_undo->setEnabled(changed);
    // While an edit is pending no other row can be chosen.
    list_.grid->setEnabled(!changed);
}

void EditArea::set_initial_values() {
    initial_text_ = t_text->toPlainText();
    initial_author_ = cb_author->currentText();
    initial_subject_ = cb_subject->currentText();
    initial_language_ = cb_language->currentText();
    initial_note_ = t_note->text();
    initial_rate_ = cb_rate->currentText();
    set_save_state(false);
    show_captions();
}

void EditArea::Restore_inital_values() {
    {
        FlagScope quiet(filling_fields_);
        t_text->setPlainText(initial_text_);
        cb_author->setEditText(initial_author_);
        cb_subject->setEditText(initial_subject_);
        cb_language->setEditText(initial_language_);
        t_note->setText(initial_note_);
        cb_rate->setEditText(initial_rate_);
    }
    set_save_state(false);
}

void EditArea::show_captions() {
    // "Author 12 q " beside the author box, or the bare caption with no author; the filter area
    // shows the same counts on its shortcut buttons.
    const auto caption = [this](QComboBox* box, const QString& column, QLabel* label, const QString& text) {
        const QString value = box->currentText();
        if (value.isEmpty()) {
            set_caption(label, text);
            return;
        }
        set_caption(label, text + u' ' + QLocale().toString(counts_.of(column, value)) + QStringLiteral(" q "));
    };
    guarded(ctx_.ui, [&] {
        caption(cb_author, QStringLiteral("author"), l_author, tr("Author"));
        caption(cb_subject, QStringLiteral("subject"), l_subject, tr("Subject"));
    });
    emit names_shown(cb_author->currentText(), cb_subject->currentText());
}

void EditArea::Check_change() {
    if (loading_ || filling_fields_) return;
    const auto differs = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) != 0; };
    const QString rate = cb_rate->currentText();
    if (differs(rate, initial_rate_) && !rate.isEmpty() && !valid_rate(rate)) {
        ctx_.ui.message(tr("Invalid rate (use values 1 to 3 or empty)"));
        cb_rate->setEditText(initial_rate_);  // runs the check again, on the remembered rate
        return;
    }
    set_save_state(differs(t_text->toPlainText(), initial_text_) || differs(cb_author->currentText(), initial_author_) ||
                   differs(cb_subject->currentText(), initial_subject_) ||
                   differs(cb_language->currentText(), initial_language_) || differs(t_note->text(), initial_note_) ||
                   differs(rate, initial_rate_));
}

void EditArea::row_changed(int row) {
    if (row < 0) {
        // No row: nothing shown, nothing to undo, the captions bare.
        Clear_all_text_boxes();
        set_initial_values();
        return;
    }
    // Moving to another row ends an "Add new" that has no change yet (with a change the grid is
    // disabled): the row chosen is shown, and a save updates it.
    if (adding_new_) {
        adding_new_ = false;
        set_lit(b_add_new, false);
    }
    if (!fill_from_current_row()) return;
    FlagScope quiet(filling_fields_);
    guarded(ctx_.ui, [&] { ctx_.rotate_quote(qint32(t_key->text().toLongLong())); });  // seen: to the back
    if (list_.grid->isEnabled() && isVisible() && !list_.grid->hasFocus() && focusWidget() != b_next) list_.grid->setFocus();
}

bool EditArea::fill_from_current_row() {
    RecordSet* rs = list_.recordset();
    if (!rs) return false;
    // The row is read again from the database: another program, or another window, may have
    // changed it since the grid read it, and a save must not write the old text back.
    QString picture;
    try {
        FlagScope quiet(filling_fields_);
        rs->reload_row(rs->absolute_position());
        t_key->setText(QString::number(rs->value(QStringLiteral("key")).toLongLong()));
        t_text->setPlainText(rs->text(QStringLiteral("text")));
        cb_author->setEditText(rs->text(QStringLiteral("author")));
        cb_subject->setEditText(rs->text(QStringLiteral("subject")));
        cb_language->setEditText(rs->text(QStringLiteral("language")));
        t_note->setText(rs->text(QStringLiteral("notes")));
        cb_rate->setEditText(rs->text(QStringLiteral("rate")));
        picture = rs->text(QStringLiteral("picture"));
    } catch (const DbError& e) {
        Clear_all_text_boxes();
        set_initial_values();
        if (e.number() == db_errors::no_current_record || e.number() == db_errors::record_is_deleted)
            ctx_.ui.message(QStringLiteral("Error 2006-10-30 13:15"));  // the quotation has gone
        else
            show_error(ctx_.ui, e);
        return false;
    }
    set_initial_values();
    show_picture(picture);
    return true;
}

void EditArea::choice_made(QComboBox* box) {
    Check_change();
    if (box == cb_subject) {
        if (!cb_rate->currentText().isEmpty() && editing()) b_save->setFocus();
    } else if (editing()) {
        b_save->setFocus();
    }
}

void EditArea::reset_edit_state() {
    set_lit(b_add_new, false);
    set_save_state(false);
    adding_new_ = false;
}

void EditArea::set_author_list(const QStringList& names) {
    fill_combo(cb_author, names);
}
void EditArea::set_subject_list(const QStringList& subjects) { fill_combo(cb_subject, subjects); }
void EditArea::set_rate_list(const QStringList& rates) { fill_combo(cb_rate, rates); }
void EditArea::set_language_list(const QStringList& codes) { fill_combo(cb_language, codes); }
