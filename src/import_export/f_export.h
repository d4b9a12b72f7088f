#pragma once

#include "formats/quote_export.h"

#include <QDialog>
#include <QList>
#include <QSet>

struct AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The export window: the quotations of the main window's list (the ones picked in its grid,
// or all of them when none is), in the list's order, written as plain text to a report file
// that opens in the text viewer, or as a fortune file (with the index fortune reads, when
// strfile is installed) or CSV to a file the user names. It is modal and deletes itself when
// closed.
class f_export : public QDialog {
    Q_OBJECT
public:
    // `selected_keys`: the quotations picked in the main grid; none: the whole list.
    f_export(AppContext& ctx, const QList<QVariant>& selected_keys, QWidget* parent = nullptr);
    ~f_export() override;

    void b_export_Click();
    void c_all_Click();
    // A detail box clicked: "All info" is checked exactly when all five are.
    void detail_Click();
    void opt_group_Click();
    // Another format chosen: the boxes it has no room for are dimmed.
    void cb_format_Click();

    QGroupBox *Frame3 = nullptr, *Frame2 = nullptr;
    QCheckBox *c_author = nullptr, *c_subject = nullptr, *c_language = nullptr, *c_rate = nullptr, *c_note = nullptr,
              *c_all = nullptr;
    QRadioButton *opt_group = nullptr, *opt_nogroup = nullptr;
    QPushButton *b_export = nullptr, *b_exit = nullptr;
    QComboBox* cb_format = nullptr;
    QLabel* l_format = nullptr;

private:
    void build();
    // False, with "Do no group" chosen again and the reason shown, when grouping by author is
    // chosen while the list is not ordered by author.
    bool grouping_allowed();
    // The main window's list read into `out` beside the window; false when that failed or was
    // stopped (the user was told).
    bool read_list(std::optional<quote_export::Writer>& out);
    quote_export::Options options() const;
    QList<QCheckBox*> details() const;
    quote_export::Format format() const;
    void set_format(quote_export::Format f);
    // A fortune or CSV export: written where the user says; true when it was (or nothing was
    // listed), false when the window stays for another try.
    bool export_to_file(const quote_export::Writer& out);

    AppContext& ctx_;
    QSet<qint64> selected_;
};
