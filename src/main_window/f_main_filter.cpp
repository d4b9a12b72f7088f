// The main window's filters, sort order and counters.
#include "f_main.h"

#include "core/app_context.h"
#include "core/common.h"
#include "database/jet_dialect.h"
#include "database/recordset.h"
#include "grid_model.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>

namespace {

const QString grid_select = QStringLiteral(
    "SELECT Quotes_with_sortable_text.*, Authors.picture FROM Authors INNER JOIN Quotes_with_sortable_text ON "
    "Authors.name = Quotes_with_sortable_text.Author");

QString text_of(QWidget* w) {
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return QString();
}

void set_text_of(QWidget* w, const QString& text) {
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable()) c->setEditText(text);
        else c->setCurrentIndex(std::max(0, c->findText(text)));
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
    }
}

void append(QString& condition, const QString& clause) {
    condition += (condition.isEmpty() ? QString() : QStringLiteral(" and ")) + clause;
}

}  // namespace

bool f_main::refuse_while_editing() {
    if (!is_lit(b_save)) return false;
    ctx_.ui.message(QStringLiteral("Edit operation in progress."));
    return true;
}

void f_main::b_filter_Click() {
    if (refuse_while_editing()) return;
    const QString key = t_key_selector->text().trimmed();
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    if (!key.isEmpty() && !number.match(key).hasMatch()) {
        ctx_.ui.message(QStringLiteral("Invalid key selector (must be a number)"));
        return;
    }
    Database& db = *ctx_.list_database;
    QString condition;
    try {
        // A name picked from the list matches exactly; a typed fragment matches anywhere in the
        // name. Pattern characters typed in a filter are found as themselves.
        const auto name_clause = [&](const QString& typed, const QString& column, const QString& lookup) {
            const bool exact = !db.open_recordset(lookup + sql_escape_text(typed) + u'\'')->eof();
            return exact ? u' ' + column + QStringLiteral(" = '") + sql_escape_text(typed) + u'\''
                         : u' ' + column + QStringLiteral(" like '*") + sql_escape_pattern(typed) + QStringLiteral("*'");
        };
        const QString author = cb_author_filter->currentText();
        if (!author.isEmpty())
            append(condition, name_clause(author, QStringLiteral("author"), QStringLiteral("Select * from authors where name = '")));
        const QString subject = cb_subject_filter->currentText();
        if (!subject.isEmpty())
            append(condition,
                   name_clause(subject, QStringLiteral("subject"), QStringLiteral("Select * from subjects where subject = '")));
        const QString language = cb_language_filter->currentText();
        if (!language.isEmpty())
            append(condition, QStringLiteral(" language like '*") + sql_escape_pattern(language) + QStringLiteral("*'"));
        if (!t_text_filter->text().isEmpty())
            append(condition, QStringLiteral(" text like '*") + sql_escape_pattern(t_text_filter->text()) + QStringLiteral("*'"));
        if (!t_note_filter->text().isEmpty())
            append(condition,
                   QStringLiteral(" quotes.notes like '*") + sql_escape_pattern(t_note_filter->text()) + QStringLiteral("*'"));
        if (!key.isEmpty()) append(condition, QStringLiteral(" key = ") + key);
        const QString from = sql_escape_text(cb_rate_filter_from->currentText());
        const QString to = sql_escape_text(cb_rate_filter_to->currentText());
        if (!from.isEmpty() && to.isEmpty()) append(condition, QStringLiteral(" rate = '") + from + u'\'');
        else if (!to.isEmpty() && from.isEmpty()) append(condition, QStringLiteral(" rate = '") + to + u'\'');
        else if (!from.isEmpty() && !to.isEmpty()) {
            const QString& low = from < to ? from : to;
            const QString& high = from < to ? to : from;
            append(condition, QStringLiteral(" (rate >= '") + low + QStringLiteral("' and rate <= '") + high + QStringLiteral("')"));
        }

        QString order;
        const QString d = sort_column_ >= 0 && sort_column_ < 10 ? sort_directions_[size_t(sort_column_)] : QString();
        switch (sort_column_) {
        case 0: order = QStringLiteral("key ") + d + u' '; break;
        case 1: order = QStringLiteral("author ") + d + QStringLiteral(" , text2"); break;
        case 2: order = QStringLiteral("text2 ") + d; break;
        case 3: order = QStringLiteral("subject  ") + d + QStringLiteral(" , author, text2"); break;
        case 4: order = QStringLiteral("rate ") + d + QStringLiteral(" , author, text2"); break;
        case 5: order = QStringLiteral("language ") + d + QStringLiteral(" , author, text2"); break;
        case 6: order = QStringLiteral("quotes.notes ") + d + QStringLiteral(" , author, text2"); break;
        default: break;
        }

        QString sql = grid_select;
        if (!condition.isEmpty()) {
            ctx_.current_quotes_filter = condition;
            sql += QStringLiteral(" where ") + condition;
            filter_active_ = true;
        } else {
            ctx_.current_quotes_filter.clear();
            filter_active_ = false;
        }
        set_lit(b_filter, filter_active_);
        sql += order.isEmpty() || sort_column_ < 0 ? QStringLiteral(" order by quotes.random")
                                                    : QStringLiteral(" order by ") + order;
        ctx_.current_quotes_sql = sql;

        ctx_.ui.set_hourglass(true);
        auto rs = db.open_recordset(sql);
        const int rows = rs->record_count();
        bind_grid(std::move(rs));
        Set_grid_columns_width();
        QHeaderView* header = grid->horizontalHeader();
        header->setSortIndicatorShown(sort_column_ >= 0 && sort_column_ < 7);
        if (sort_column_ >= 0 && sort_column_ < 7)
            header->setSortIndicator(sort_column_, d == QLatin1String("DESC") ? Qt::DescendingOrder : Qt::AscendingOrder);
        ctx_.ui.set_hourglass(false);
        Update_record_count();
        if (rows == 0) Clear_all_text_boxes();
        else data1_->move_first();  // the first row becomes current and fills the edit area
    } catch (const DbError& e) {
        ctx_.ui.set_hourglass(false);
        show_error(ctx_.ui, e);
    }
    set_lit(b_add_new, false);
    set_lit(b_save, false);
    grid->setEnabled(true);
    b_save->setEnabled(false);
    adding_new_ = false;
    Any_filter();
}

void f_main::Filter_changed() { b_filter_Click(); }

bool f_main::Any_filter() {
    const QList<QWidget*> fields = {cb_author_filter,  cb_subject_filter, cb_rate_filter_from, cb_rate_filter_to,
                                    cb_language_filter, t_note_filter,    t_text_filter,       t_key_selector};
    bool any = false;
    for (QWidget* f : fields) {
        const bool used = !text_of(f).isEmpty();
        any = any || used;
        set_lit(f, used);
    }
    b_filter->setEnabled(any);
    b_clear->setEnabled(any);
    return any;
}

void f_main::Check_filter_enter(int& key_code) {
    if (key_code == 13) b_filter_Click();
}

void f_main::Clear_all_filters() {
    for (QWidget* f : std::initializer_list<QWidget*>{cb_author_filter, cb_subject_filter, cb_language_filter, t_text_filter,
                                                      t_note_filter, t_key_selector, cb_rate_filter_from, cb_rate_filter_to})
        set_text_of(f, QString());
}

void f_main::b_clear_Click() {
    if (refuse_while_editing()) return;
    Clear_all_filters();
    if (filter_active_) Filter_changed();
    Any_filter();
}

void f_main::clear_one_filter(QWidget* field) {
    if (text_of(field).isEmpty()) return;
    set_text_of(field, QString());
    b_filter_Click();
    Any_filter();
}

void f_main::filter_on_current(QComboBox* filter, QComboBox* source) {
    if (refuse_while_editing()) return;
    Clear_all_filters();
    filter->setEditText(source->currentText());
    b_filter_Click();
}

void f_main::sort_by_column(int column) {
    check_selections();
    sort_column_ = column;
    if (sort_column_ >= 0 && sort_column_ < 10) {
        QString& d = sort_directions_[size_t(sort_column_)];
        d = d == QLatin1String("ASC") ? QStringLiteral("DESC") : QStringLiteral("ASC");
        Filter_changed();
    }
}

void f_main::Update_record_count() {
    // Counted where the random order is written, and kept like the other counts (see
    // count_quotes_where).
    qint64 total = 0;
    try {
        const auto version = ctx_.content_version();
        if (version != counts_version_) {
            counts_.clear();
            counts_version_ = version;
        }
        if (total_quotes_ < 0 || total_version_ != version) {
            total_quotes_ = ctx_.database->scalar(QStringLiteral("Select count(*) from quotes")).toLongLong();
            total_version_ = version;
        }
        total = total_quotes_;
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
    const int rows = data1_ ? data1_->record_count() : 0;
    l_records_filtered->setText(QStringLiteral("Records Filtered:") + QString::number(rows) + u'/' + QString::number(total));
    l_records_selected->setText(QStringLiteral("Records Selected:") + QString::number(model_->selection().size()));
}

namespace {
// Names equal but for letter case, as the engine's text comparison sees them.
QString folded(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const char32_t f = jet::fold(c);
        if (QChar::requiresSurrogates(f)) {
            out += QChar(QChar::highSurrogate(f));
            out += QChar(QChar::lowSurrogate(f));
        } else {
            out += QChar(char16_t(f));
        }
    }
    return out;
}
}  // namespace

int f_main::count_quotes_where(const QString& column, const QString& value) {
    // The same number as "Select count (0) from quotes where <column> = '<value>'", taken from
    // the counts of every name, which one pass over the column's index gives.
    const auto version = ctx_.content_version();
    if (version != counts_version_) {
        counts_.clear();
        counts_version_ = version;
    }
    auto table = counts_.find(column);
    if (table == counts_.end()) {
        QHash<QString, int> per_name;
        // On the handle that writes the random order: its own writes leave its page cache warm.
        Statement st = ctx_.database->prepare(QStringLiteral("SELECT %1 COLLATE BINARY, count(*) FROM quotes GROUP BY 1").arg(column));
        while (st.step())
            if (!st.column_is_null(0)) per_name[folded(st.column_text(0))] += int(st.column_int64(1));
        table = counts_.insert(column, per_name);
    }
    return table->value(folded(value), 0);
}

void f_main::refresh_shortcut_captions() {
    // "Filter on current author (12)" and "Author 12 q ", or the bare captions with no value.
    const auto caption = [this](QComboBox* box, const QString& column, QPushButton* shortcut, QLabel* label,
                                const QString& button_text, const QString& label_text) {
        const QString value = box->currentText();
        if (value.isEmpty()) {
            shortcut->setText(button_text);
            shortcut->setEnabled(false);
            label->setText(label_text);
            return;
        }
        const QString n = QString::number(count_quotes_where(column, value));
        shortcut->setText(button_text + QStringLiteral(" (") + n + u')');
        shortcut->setEnabled(true);
        label->setText(label_text + u' ' + n + QStringLiteral(" q "));
    };
    try {
        caption(cb_author, QStringLiteral("author"), b_filter_current_author, l_author,
                QStringLiteral("Filter on current author"), QStringLiteral("Author"));
        caption(cb_subject, QStringLiteral("subject"), b_filter_current_subject, l_subject,
                QStringLiteral("Filter on current subject"), QStringLiteral("Subject"));
    } catch (const DbError& e) {
        show_error(ctx_.ui, e);
    }
}
