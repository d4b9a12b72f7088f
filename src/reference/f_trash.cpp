#include "f_trash.h"

#include "core/app_context.h"
#include "core/long_work.h"
#include "core/settings.h"
#include "database/database.h"
#include "database/recordset.h"
#include "database/sql_text.h"
#include "database/trash.h"
#include "widgets/factories.h"
#include "widgets/grid_binding.h"
#include "widgets/guards.h"
#include "widgets/mnemonics.h"
#include "widgets/recordset_model.h"
#include "widgets/window_utils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

f_trash::f_trash(AppContext& ctx) : QWidget(nullptr, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("f_trash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Sentara - Trash"));
    setWindowIcon(program_icon());
    ctx_.events.opened(AppEvents::trash_window, this);

    grid = new QTableView;
    grid->setObjectName(QStringLiteral("grid"));
    model_ = new RecordSetModel({{QStringLiteral("text"), tr("Quotation"), 420, Qt::AlignLeft | Qt::AlignVCenter, true, true},
                                 {QStringLiteral("author"), tr("Author"), 180},
                                 {QStringLiteral("deleted"), tr("Deleted"), 140}},
                                this);
    binding_ = new GridBinding(grid, model_, ctx_.ui, this);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setAlternatingRowColors(true);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setMinimumSize(640, 300);

    t_filter = text_box("t_filter");
    b_filter = button("b_filter", tr("Filter"), tr("List the deleted quotations whose text or author holds the text (Enter)"));
    b_clear_filter = button("b_clear_filter", tr("Clear Filter"));
    l_records = label("l_records", QString());
    b_restore = button("b_restore", tr("Restore"),
                       tr("Put the quotations picked with the row selectors back, or the current one (Ctrl+R)"));
    b_restore_all = button("b_restore_all", tr("Restore all"));
    b_empty = button("b_empty", tr("Empty the Trash..."));
    b_exit = button("b_exit", tr("Exit"), tr("Close this window (Esc)"));
    // How long deleted quotations are kept: those deleted longer ago are forgotten at a start.
    sb_keep_days = new QSpinBox;
    sb_keep_days->setObjectName(QStringLiteral("sb_keep_days"));
    sb_keep_days->setRange(0, 3650);
    sb_keep_days->setSpecialValueText(tr("for ever"));
    sb_keep_days->setSuffix(tr(" days"));
    sb_keep_days->setAccessibleName(tr("Keep deleted quotations"));
    sb_keep_days->setToolTip(tr("Quotations deleted longer ago are forgotten when Sentara starts; 0 keeps them for ever"));
    {
        bool ok = false;
        const int days = get_setting(QStringLiteral("trash_keep_days")).toInt(&ok);
        sb_keep_days->setValue(ok ? days : trash::default_keep_days);
    }
    connect(sb_keep_days, &QSpinBox::valueChanged, this,
            [](int days) { save_setting(QStringLiteral("trash_keep_days"), QString::number(days)); });

    auto* filters = new QHBoxLayout;
    filters->addWidget(label("l_filter", tr("Text or author"), t_filter));
    filters->addWidget(t_filter, 1);
    filters->addWidget(b_filter);
    filters->addWidget(b_clear_filter);
    filters->addWidget(l_records);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {b_restore, b_restore_all, b_empty}) buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(label("l_keep_days", tr("Keep deleted quotations"), sb_keep_days));
    buttons->addWidget(sb_keep_days);
    buttons->addStretch();
    buttons->addWidget(b_exit);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(grid, 1);
    outer->addLayout(filters);
    outer->addLayout(buttons);

    give_mnemonics(this, {b_restore, b_exit});

    connect(b_filter, &QPushButton::clicked, this, &f_trash::b_filter_Click);
    connect(t_filter, &QLineEdit::returnPressed, this, &f_trash::b_filter_Click);
    connect(b_clear_filter, &QPushButton::clicked, this, &f_trash::b_clear_filter_Click);
    connect(b_restore, &QPushButton::clicked, this, &f_trash::b_restore_Click);
    b_restore->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(b_restore_all, &QPushButton::clicked, this, &f_trash::b_restore_all_Click);
    connect(b_empty, &QPushButton::clicked, this, &f_trash::b_empty_Click);
    connect(b_exit, &QPushButton::clicked, this, &QWidget::close);
    // A delete or an Undo elsewhere shows here at once.
    connect(&ctx_.events, &AppEvents::quotes_changed, this, &f_trash::read_list);
    read_list();
}

f_trash::~f_trash() { ctx_.events.closed(AppEvents::trash_window); }

void f_trash::read_list() {
    const RecordSet* now = binding_->recordset();
    const int row = binding_->current_row();
    const QVariant key = now && row >= 0 ? now->key_at(row) : QVariant();
    guarded(ctx_.ui, [&] {
        if (!ctx_.read_only()) trash::ensure(*ctx_.database);
        Database& db = *ctx_.list_database;
        db.execute_plain(QStringLiteral("CREATE TEMP VIEW IF NOT EXISTS trash_list AS ") + trash::list_sql(QString()));
        binding_->bind(std::make_unique<RecordSet>(
            db, KeyedSource{QStringLiteral("select * from trash_list"), QStringLiteral("trash_list"), QStringLiteral("key"),
                            QStringLiteral("trash_quotes"), condition_, QStringLiteral("batch desc, key desc")}));
        if (key.isValid()) binding_->requery(key, std::max(row, 0));
        binding_->apply_column_widths();
    });
    const RecordSet* rs = binding_->recordset();
    const int rows = rs ? rs->record_count() : 0;
    l_records->setText(tr("Quotations: %1").arg(rows));
    for (QPushButton* b : {b_restore, b_restore_all, b_empty}) b->setEnabled(rows > 0 || !condition_.isEmpty());
}

void f_trash::b_filter_Click() {
    const QString typed = t_filter->text().trimmed();
    condition_ = typed.isEmpty() ? QString()
                                 : QStringLiteral("text like '*%1*' or author like '*%1*'").arg(sql_escape_pattern(typed));
    read_list();
}

void f_trash::b_clear_filter_Click() {
    t_filter->clear();
    condition_.clear();
    read_list();
}

void f_trash::restore(const std::vector<qint64>& keys, bool all) {
    trash::Restored restored;
    const auto outcome = long_work::run(ctx_.ui, ctx_.database_path, tr("Restoring quotations..."),
                                        [&](Database& db, const long_work::Progress& progress) {
                                            const QString what = tr("Restoring quotations...");
                                            restored = trash::restore_quotes(db, keys, all, [&](qint64 done, qint64 total) {
                                                progress(what, done, total);
                                            });
                                        });
    if (!long_work::told(ctx_.ui, outcome, tr("The quotations could not be restored; none was restored."))) return;
    model_->clear_selection();
    announce_restored(ctx_, restored);
}

void f_trash::b_restore_Click() {
    std::vector<qint64> keys;
    for (const QVariant& key : model_->selection()) keys.push_back(key.toLongLong());
    if (keys.empty()) {
        const RecordSet* rs = binding_->recordset();
        const int row = binding_->current_row();
        if (!rs || row < 0) return;
        guarded(ctx_.ui, [&] { keys.push_back(rs->key_at(row).toLongLong()); });
    }
    if (!keys.empty()) restore(keys, false);
}

void f_trash::b_restore_all_Click() {
    // What the filter lists, or every quotation when none is in force.
    if (condition_.isEmpty()) {
        restore({}, true);
        return;
    }
    std::vector<qint64> keys;
    guarded(ctx_.ui, [&] {
        RecordSet* rs = binding_->recordset();
        const int rows = rs ? rs->record_count() : 0;
        for (int i = 0; i < rows; ++i) keys.push_back(rs->key_at(i).toLongLong());
    });
    if (!keys.empty()) restore(keys, false);
}

void f_trash::b_empty_Click() {
    if (ctx_.ui.message(tr("Do you really want to empty the Trash? Its quotations, authors, subjects, languages and web "
                           "sites are then gone for good, and Undo delete can no longer bring them back."),
                        Ui::ok_cancel | Ui::icon_stop) != Ui::ok)
        return;
    if (!guarded(ctx_.ui, [&] { trash::empty(*ctx_.database); })) return;
    read_list();
}

void f_trash::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void f_trash::closeEvent(QCloseEvent* event) {
    event->accept();
    window_closed(ctx_, AppEvents::trash_window);
}

void show_trash_window(AppContext& ctx) {
    auto* window = qobject_cast<f_trash*>(ctx.events.window(AppEvents::trash_window));
    if (!window) window = new f_trash(ctx);  // it goes when it is closed
    else window->read_list();
    window->show();
    window->raise();
    window->activateWindow();
}

void announce_restored(AppContext& ctx, const trash::Restored& restored) {
    // Names came back as well as quotations: every list of them is read again.
    if (restored.rows > 0) {
        ctx.events.author_was_changed(QString(), QString());
        ctx.events.subject_was_changed(QString(), QString());
        ctx.events.languages_were_changed();
        ctx.events.websites_were_changed();
    }
    ctx.events.quotes_were_changed();
    emit ctx.events.quote_list_reread_requested();
    if (!restored.refused.isEmpty())
        ctx.ui.message(restored.refused.mid(0, 20).join(u'\n') +
                           (restored.refused.size() > 20 ? QCoreApplication::translate("f_trash", "\n(and %1 more)").arg(restored.refused.size() - 20) : QString()),
                       Ui::icon_exclamation);
}
