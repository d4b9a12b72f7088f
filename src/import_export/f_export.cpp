#include "f_export.h"

#include "core/app_context.h"
#include "core/long_work.h"
#include "core/common.h"
#include "core/settings.h"
#include "formats/fortune_format.h"
#include "widgets/mnemonics.h"
#include "widgets/factories.h"
#include "widgets/guards.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

f_export::f_export(AppContext& ctx, const QList<QVariant>& selected_keys, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("f_export"));
    setWindowTitle(tr("Sentara - Export"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    for (const QVariant& key : selected_keys) selected_.insert(key.toLongLong());
    build();
    give_mnemonics(this);
    ctx_.events.opened(AppEvents::export_window, this);
}

f_export::~f_export() { ctx_.events.closed(AppEvents::export_window); }

void f_export::build() {
    Frame3 = frame("Frame3", tr("Include after quote text"));
    c_author = named(new QCheckBox(tr("Author")), "c_author");
    c_subject = named(new QCheckBox(tr("Subject")), "c_subject");
    c_language = named(new QCheckBox(tr("Language")), "c_language");
    c_rate = named(new QCheckBox(tr("Rate")), "c_rate");
    c_note = named(new QCheckBox(tr("Note")), "c_note");
    c_all = named(new QCheckBox(tr("All info")), "c_all");
    auto* boxes = new QGridLayout(Frame3);
    boxes->addWidget(c_author, 0, 0);
    boxes->addWidget(c_subject, 1, 0);
    boxes->addWidget(c_language, 2, 0);
    boxes->addWidget(c_rate, 0, 1);
    boxes->addWidget(c_note, 1, 1);
    boxes->addWidget(c_all, 2, 1);

    Frame2 = frame("Frame2", tr("Grouping"));
    opt_group = named(new QRadioButton(tr("Group by author")), "opt_group");
    opt_nogroup = named(new QRadioButton(tr("Do no group")), "opt_nogroup");
    opt_nogroup->setChecked(true);
    auto* grouping = new QVBoxLayout(Frame2);
    grouping->addWidget(opt_group);
    grouping->addWidget(opt_nogroup);
    grouping->addStretch();

    cb_format = combo("cb_format", false);
    cb_format->addItem(tr("Text"), int(quote_export::Format::text));
    cb_format->addItem(QStringLiteral("fortune"), int(quote_export::Format::fortune));
    cb_format->addItem(QStringLiteral("CSV"), int(quote_export::Format::csv));
    cb_format->setToolTip(tr("Text opens in the text viewer; a fortune file (author and note only) or CSV "
                             "is saved where you choose"));
    l_format = label("l_format", tr("Format"), cb_format);

    b_export = button("b_export", tr("Export now"));
    b_export->setDefault(true);
    b_exit = button("b_exit", tr("Exit"), tr("Close without exporting (Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(l_format);
    buttons->addWidget(cb_format);
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
    connect(cb_format, &QComboBox::currentIndexChanged, this, &f_export::cb_format_Click);
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
    // Grouping makes sense only when the list is sorted by author, in either direction.
    if (!opt_group->isChecked() || ctx_.current_quotes_query.sorted_by_author()) return true;
    opt_nogroup->setChecked(true);
    ctx_.ui.message(tr("Grouping by author is only possible if quotes are ordered by author. Go back to the "
                       "main window and click on the author column header, the retry to export."));
    return false;
}

void f_export::opt_group_Click() { grouping_allowed(); }

quote_export::Format f_export::format() const { return quote_export::Format(cb_format->currentData().toInt()); }

void f_export::cb_format_Click() {
    const quote_export::Format f = format();
    // Only the text groups by author; a fortune cookie has room for the author and the note.
    Frame2->setEnabled(f == quote_export::Format::text);
    if (f != quote_export::Format::text) opt_nogroup->setChecked(true);
    const bool all_fields = f != quote_export::Format::fortune;
    for (QCheckBox* box : {c_subject, c_language, c_rate, c_all}) box->setEnabled(all_fields);
}

quote_export::Options f_export::options() const {
    quote_export::Options o;
    o.format = format();
    o.author = c_author->isChecked();
    o.subject = c_subject->isChecked();
    o.note = c_note->isChecked();
    o.rate = c_rate->isChecked();
    o.language = c_language->isChecked();
    o.group_by_author = opt_group->isChecked();
    return o;
}

bool f_export::export_to_file(const quote_export::Writer& out) {
    const bool fortune = format() == quote_export::Format::fortune;
    const bool text = format() == quote_export::Format::text;
    const QString last = get_setting(QStringLiteral("last_export_path"));
    const QString path = ctx_.ui.save_file(
        fortune ? tr("Save the quotes as a fortune file")
        : text  ? tr("Save the quotes as text")
                : tr("Save the quotes as CSV"),
        fortune ? QStringLiteral("fortune file (*)|*")
        : text  ? QStringLiteral("Text (*.txt)|*.txt")
                : QStringLiteral("CSV (*.csv)|*.csv"),
        folder_of(last),
        fortune ? QStringLiteral("quotes") : text ? QStringLiteral("quotes.txt") : QStringLiteral("quotes.csv"));
    if (path.trimmed().isEmpty()) return false;
    save_setting(QStringLiteral("last_export_path"), path);
    QString failed;
    {
        Hourglass busy(ctx_.ui);
        failed = quote_export::save(out, path);
    }
    if (!failed.isEmpty()) {
        ctx_.ui.message(failed, Ui::icon_exclamation);
        return false;
    }
    if (text) {
        // The text written is shown: in the desktop's viewer, else in the program's text window.
        show_written_text(ctx_.ui, path, out.text(), QStringLiteral("Sentara - ") + file_name_of(path));
        return true;
    }
    QString done = tr("%1 quotes exported to '%2'.").arg(out.count()).arg(path);
    int icon = Ui::icon_information;
    // fortune reads a file through its index; without strfile the file is still whole.
    if (fortune && !fortune_format::strfile_program().isEmpty()) {
        QString index_failed;
        {
            Hourglass busy(ctx_.ui);
            index_failed = fortune_format::make_index(path);
        }
        if (index_failed.isEmpty()) {
            done += tr("\nThe index fortune reads is '%1.dat'.").arg(path);
        } else {
            done += tr("\n\nThe index fortune reads ('%1.dat') could not be written: %2.").arg(path, index_failed);
            icon = Ui::icon_exclamation;
        }
    }
    ctx_.ui.message(done, icon);
    return true;
}

bool f_export::read_list(std::optional<quote_export::Writer>& out) {
    out.reset();
    const quote_export::Options chosen = options();
    const GridQuery query = ctx_.current_quotes_query;
    const QSet<qint64> only = selected_;
    const QString what = tr("Reading the quotations to export...");
    const auto outcome = long_work::run(ctx_.ui, ctx_.database_path, what, [&](Database& db, const long_work::Progress& progress) {
        out.emplace(quote_export::export_list(db, query, chosen, only,
                                              [&](qint64 done, qint64 total) { progress(what, done, total); }));
    });
    if (!long_work::told(ctx_.ui, outcome, tr("The quotations could not be read; nothing was exported."))) {
        out.reset();
        return false;
    }
    return true;
}

void f_export::b_export_Click() {
    if (!grouping_allowed()) return;
    bool written = false, empty = false;
    std::optional<quote_export::Writer> out;
    if (!read_list(out)) return;
    // Nothing listed, or none of the quotations picked is there any more.
    empty = out->count() == 0;
    if (!empty && format() == quote_export::Format::text) {
        // Nothing is written damaged without a word: CSV is offered, and the text only on a second yes.
        if (!out->losses().isEmpty()) {
            const int as_csv = ctx_.ui.message(quote_export::losses_message(*out) +
                                                   tr("\n\nExport them all as CSV instead?"),
                                               Ui::ok_cancel | Ui::icon_exclamation);
            if (as_csv == Ui::ok) {
                set_format(quote_export::Format::csv);
                for (QCheckBox* box : details()) box->setChecked(true);
                c_all->setChecked(true);
                out.reset();
                if (!read_list(out)) return;
                if (export_to_file(*out)) close();
                return;
            }
            if (ctx_.ui.message(tr("Write the text as it is, with those quotations as the text format holds them?"),
                                Ui::ok_cancel | Ui::icon_question | Ui::default_second) != Ui::ok)
                return;
        }
    }
    if (!empty) written = export_to_file(*out);
    if (empty) ctx_.ui.message(tr("There is no quote to be exported"));
    // A file that could not be written was reported: the window stays, for another try.
    if (written || empty) close();
}

void f_export::set_format(quote_export::Format f) { cb_format->setCurrentIndex(cb_format->findData(int(f))); }
