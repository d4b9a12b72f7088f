#include "f_export.h"

#include "core/app_context.h"
#include "core/common.h"
#include "widgets/factories.h"
#include "widgets/guards.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

f_export::f_export(AppContext& ctx, const QList<QVariant>& selected_keys, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("f_export"));
    setWindowTitle(QStringLiteral("Sentara - Export"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    for (const QVariant& key : selected_keys) selected_.insert(key.toLongLong());
    build();
    ctx_.events.opened(AppEvents::export_window, this);
}

f_export::~f_export() { ctx_.events.closed(AppEvents::export_window); }

void f_export::build() {
    Frame3 = frame("Frame3", QStringLiteral("Include after quote text"));
    c_author = named(new QCheckBox(QStringLiteral("Author")), "c_author");
    c_subject = named(new QCheckBox(QStringLiteral("Subject")), "c_subject");
    c_language = named(new QCheckBox(QStringLiteral("Language")), "c_language");
    c_rate = named(new QCheckBox(QStringLiteral("Rate")), "c_rate");
    c_note = named(new QCheckBox(QStringLiteral("Note")), "c_note");
    c_all = named(new QCheckBox(QStringLiteral("All info")), "c_all");
    auto* boxes = new QGridLayout(Frame3);
    boxes->addWidget(c_author, 0, 0);
    boxes->addWidget(c_subject, 1, 0);
    boxes->addWidget(c_language, 2, 0);
    boxes->addWidget(c_rate, 0, 1);
    boxes->addWidget(c_note, 1, 1);
    boxes->addWidget(c_all, 2, 1);

    Frame2 = frame("Frame2", QStringLiteral("Grouping"));
    opt_group = named(new QRadioButton(QStringLiteral("Group by author")), "opt_group");
    opt_nogroup = named(new QRadioButton(QStringLiteral("Do no group")), "opt_nogroup");
    opt_nogroup->setChecked(true);
    auto* grouping = new QVBoxLayout(Frame2);
    grouping->addWidget(opt_group);
    grouping->addWidget(opt_nogroup);
    grouping->addStretch();

    b_export = button("b_export", QStringLiteral("Export now"));
    b_export->setDefault(true);
    b_exit = button("b_exit", QStringLiteral("Exit"), QStringLiteral("Close without exporting (Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_export);
    buttons->addWidget(b_exit);

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame3, 2);
    frames->addWidget(Frame2, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(frames);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(c_all, &QCheckBox::clicked, this, &f_export::c_all_Click);
    for (QCheckBox* box : details()) connect(box, &QCheckBox::clicked, this, &f_export::detail_Click);
    connect(opt_group, &QRadioButton::clicked, this, &f_export::opt_group_Click);
    connect(b_export, &QPushButton::clicked, this, &f_export::b_export_Click);
    connect(b_exit, &QPushButton::clicked, this, &QDialog::close);
    c_author->setFocus();
}

QList<QCheckBox*> f_export::details() const { return {c_author, c_subject, c_rate, c_note, c_language}; }

void f_export::c_all_Click() {
    if (c_all->isChecked())
        for (QCheckBox* box : details()) box->setChecked(true);
    detail_Click();
}

void f_export::detail_Click() {
    bool all = true;
    for (QCheckBox* box : details()) all = all && box->isChecked();
    c_all->setChecked(all);
}

bool f_export::grouping_allowed() {
    if (!opt_group->isChecked() || quote_export::ordered_by_author(ctx_.current_quotes_sql)) return true;
    opt_nogroup->setChecked(true);
    ctx_.ui.message(QStringLiteral("Grouping by author is only possible if quotes are ordered by author. Go back to the "
                                   "main window and click on the author column header, the retry to export."));
    return false;
}

void f_export::opt_group_Click() { grouping_allowed(); }

quote_export::Options f_export::options() const {
    quote_export::Options o;
    o.author = c_author->isChecked();
    o.subject = c_subject->isChecked();
    o.note = c_note->isChecked();
    o.rate = c_rate->isChecked();
    o.language = c_language->isChecked();
    o.group_by_author = opt_group->isChecked();
    return o;
}

void f_export::b_export_Click() {
    if (!grouping_allowed()) return;
    bool written = false, empty = false;
    guarded(ctx_.ui, [&] {
        Hourglass busy(ctx_.ui);
        const quote_export::Writer out =
            quote_export::export_quotes(*ctx_.list_database, ctx_.current_quotes_sql, options(), selected_);
        // Nothing listed, or none of the quotations picked is there any more.
        empty = out.count() == 0;
        if (!empty) written = show_text_file(ctx_.ui, out.text(), quote_export::line_break);
    });
    if (empty) ctx_.ui.message(QStringLiteral("There is no quote to be exported"));
    // A file that could not be written was reported: the window stays, for another try.
    if (written || empty) close();
}
