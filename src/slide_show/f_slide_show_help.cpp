#include "f_slide_show_help.h"

#include "core/app_context.h"
#include "core/settings.h"
#include "widgets/factories.h"
#include "widgets/mnemonics.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

f_slide_show_help::f_slide_show_help(AppContext& ctx, int interval_ms, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("f_slide_show_help"));
    setWindowTitle(tr("Sentara - Slide Show Help"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    QString help;
    for (const QString& line : {tr("Press ESC to exit"), tr("Click the mouse right button to open command menu"),
                                tr("Press Page Up to see previous quote displayed"), tr("Press Space Bar to disable/enable timer"),
                                tr("Press I to change timer interval (now = %1 seconds)").arg(QLocale().toString(double(interval_ms) / 1000.0))})
        help += line + u'\n';
    l_help = label("l_help", help.trimmed());
    l_help->setTextFormat(Qt::PlainText);
    c_dont_show_anymore = named(new QCheckBox(tr("Don't show this window when slide show is launched")), "c_dont_show_anymore");
    b_OK = button("b_OK", tr("OK"));
    b_OK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_OK);
    auto* column = new QVBoxLayout(this);
    column->addWidget(l_help);
    column->addSpacing(8);
    column->addWidget(c_dont_show_anymore);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    connect(b_OK, &QPushButton::clicked, this, &QDialog::accept);
    give_mnemonics(this);
    b_OK->setFocus();
}

// Closed by OK, Esc or the close box alike.
void f_slide_show_help::done(int result) {
    if (c_dont_show_anymore->isChecked()) {
        save_setting(QStringLiteral("slide_show_help"), QStringLiteral("No"));
        emit ctx_.events.slide_show_help_changed(false);
    }
    QDialog::done(result);
}
