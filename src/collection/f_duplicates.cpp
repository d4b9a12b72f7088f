#include "f_duplicates.h"

#include "core/app_context.h"
#include "core/long_work.h"
#include "widgets/factories.h"
#include "widgets/guards.h"
#include "widgets/window_utils.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int key_role = Qt::UserRole + 1;
}

f_duplicates::f_duplicates(AppContext& ctx, QWidget* owner) : QWidget(owner, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("f_duplicates"));
    setWindowTitle(tr("Sentara - Find duplicates"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);

    c_near = named(new QCheckBox(tr("&Near duplicates too, at least")), "c_near");
    c_near->setChecked(true);
    sb_threshold = named(new QSpinBox, "sb_threshold");
    sb_threshold->setRange(1, 100);
    sb_threshold->setSuffix(QStringLiteral(" %"));
    sb_threshold->setValue(duplicates::default_threshold);
    sb_threshold->setToolTip(tr("How much of two texts must be the same for them to be near duplicates"));
    sb_threshold->setAccessibleName(tr("Near duplicates at least, in percent"));
    b_find = button("b_find", tr("&Find"), tr("Look for duplicates in the whole collection"));
    l_found = named(new QLabel, "l_found");
    tv_groups = named(new QTreeWidget, "tv_groups");
    tv_groups->setColumnCount(column_count);
    tv_groups->setHeaderLabels({tr("Text"), tr("Author"), tr("Subject"), tr("Rate"), tr("Note"), tr("Key")});
    tv_groups->setAlternatingRowColors(true);
    tv_groups->setUniformRowHeights(true);
    tv_groups->setAccessibleName(tr("Groups of duplicates"));
    tv_groups->header()->setStretchLastSection(false);
    tv_groups->header()->setSectionResizeMode(text_column, QHeaderView::Stretch);
    b_merge = button("b_merge", tr("&Keep this one, merge the others into it"),
                     tr("The quotation chosen stays and takes the others' note, subject and rate where it has none; "
                        "the others of its group are deleted"));
    b_merge->setEnabled(false);
    b_close = button("b_close", tr("&Close"));

    auto* top = new QHBoxLayout;
    top->addWidget(c_near);
    top->addWidget(sb_threshold);
    top->addWidget(b_find);
    top->addStretch(1);
    top->addWidget(l_found);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(b_merge);
    bottom->addStretch(1);
    bottom->addWidget(b_close);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(tv_groups, 1);
    all->addLayout(bottom);

    connect(c_near, &QCheckBox::toggled, sb_threshold, &QWidget::setEnabled);
    connect(b_find, &QPushButton::clicked, this, &f_duplicates::b_find_Click);
    connect(b_merge, &QPushButton::clicked, this, &f_duplicates::b_merge_Click);
    connect(b_close, &QPushButton::clicked, this, &QWidget::close);
    connect(tv_groups, &QTreeWidget::currentItemChanged, this, &f_duplicates::check_selection);

    const QRect free = primary_screen_area().available;
    resize(std::min(1100, free.width() - 20), std::min(620, free.height() - 60));
}

void f_duplicates::b_find_Click() {
    duplicates::Options options;
    options.near = c_near->isChecked();
    options.threshold = sb_threshold->value();
    std::vector<duplicates::Group> found;
    const auto outcome = long_work::run(ctx_.ui, ctx_.database_path, tr("Looking for duplicates..."),
                                        [&](Database& db, const long_work::Progress& progress) {
                                            found = duplicates::find(db, options, [&](const QString& what, qint64 done, qint64 total) {
                                                progress(what, done, total);
                                            });
                                        });
    if (!long_work::told(ctx_.ui, outcome, tr("The duplicates could not be looked for.")) ) return;
    groups_ = std::move(found);
    show_groups();
}

void f_duplicates::show_groups() {
    tv_groups->clear();
    qint64 quotations = 0;
    guarded(ctx_.ui, [&] {
        Statement read = ctx_.list_database->prepare_plain(
            QStringLiteral("SELECT text, author, subject, rate, notes FROM quotes WHERE key = ?"));
        QList<QTreeWidgetItem*> items;
        for (const duplicates::Group& g : groups_) {
            auto* group = new QTreeWidgetItem;
            group->setText(text_column, (g.exact ? tr("The same text, %1 times") : tr("Nearly the same text, %1 times"))
                                            .arg(g.keys.size()));
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(text_column);
            bold.setBold(true);
            group->setFont(text_column, bold);
            for (const qint64 key : g.keys) {
                read.bind(1, key);
                if (read.step()) {
                    auto* row = new QTreeWidgetItem(group);
                    row->setText(text_column, read.column_text(0).simplified());
                    row->setToolTip(text_column, read.column_text(0));
                    row->setText(author_column, read.column_text(1));
                    row->setText(subject_column, read.column_text(2));
                    row->setText(rate_column, read.column_text(3));
                    row->setText(note_column, read.column_text(4).simplified());
                    row->setToolTip(note_column, read.column_text(4));
                    row->setText(key_column, QString::number(key));
                    row->setData(key_column, key_role, key);
                    ++quotations;
                }
                read.reset();
            }
            items.append(group);
        }
        tv_groups->addTopLevelItems(items);
    });
    tv_groups->expandAll();
    for (int c = author_column; c < column_count; ++c) tv_groups->resizeColumnToContents(c);
    l_found->setText(groups_.empty() ? tr("No duplicates found.")
                                     : tr("Groups: %1; quotations in them: %2").arg(groups_.size()).arg(quotations));
    check_selection();
}

void f_duplicates::check_selection() {
    const QTreeWidgetItem* item = tv_groups->currentItem();
    b_merge->setEnabled(item && item->parent() && item->parent()->childCount() > 1 && !ctx_.read_only());
}

void f_duplicates::b_merge_Click() {
    QTreeWidgetItem* item = tv_groups->currentItem();
    if (!item || !item->parent()) return;
    QTreeWidgetItem* group = item->parent();
    const qint64 kept = item->data(key_column, key_role).toLongLong();
    std::vector<qint64> others;
    for (int i = 0; i < group->childCount(); ++i)
        if (group->child(i) != item) others.push_back(group->child(i)->data(key_column, key_role).toLongLong());
    if (others.empty()) return;
    if (ctx_.ui.message(tr("Keep the quotation %1 and delete the %2 others of its group? It takes their note, subject "
                           "and rate where it has none.")
                            .arg(kept)
                            .arg(others.size()),
                        Ui::ok_cancel | Ui::icon_question) != Ui::ok)
        return;
    if (!guarded(ctx_.ui, [&] { duplicates::merge(*ctx_.database, kept, others); })) return;
    ctx_.events.quotes_were_changed();
    emit ctx_.events.quote_list_reread_requested();
    // The group is done: it leaves the list.
    for (auto it = groups_.begin(); it != groups_.end(); ++it)
        if (std::find(it->keys.begin(), it->keys.end(), kept) != it->keys.end()) {
            groups_.erase(it);
            break;
        }
    delete tv_groups->takeTopLevelItem(tv_groups->indexOfTopLevelItem(group));
    l_found->setText(groups_.empty() ? tr("No duplicates left.") : tr("Groups left: %1").arg(groups_.size()));
    check_selection();
}

void show_duplicates_window(AppContext& ctx, QWidget* owner) {
    auto* window = owner ? owner->findChild<f_duplicates*>(QStringLiteral("f_duplicates"), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) window = new f_duplicates(ctx, owner);  // it goes when it is closed
    window->show();
    ctx.ui.yield();
    window->raise();
    window->activateWindow();
}
