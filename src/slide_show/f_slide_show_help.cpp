#include "f_slide_show_help.h"

#include "core/app_context.h"
#include "core/settings.h"
#include "widgets/factories.h"
#include "widgets/mnemonics.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

f_slide_show_help::f_slide_show_help(AppContext& ctx, int interval_ms, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("f_slide_show_help"));
    setWindowTitle(QStringLiteral("Sentara - Slide Show Help"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    QString help;
    for (const QString& line : {QStringLiteral("Press ESC to exit"), QStringLiteral("Click the mouse right button to open command menu"),
                                QStringLiteral("Press Page Up to see previous quote displayed"),
                                QStringLiteral("Press Space Bar to disable/enable timer"),
                                QStringLiteral("Press I to change timer interval (now = ") +
                                    QString::number(double(interval_ms) / 1000.0) + QStringLiteral(" seconds)")})
        help += line + u'\n';
    l_help = label("l_help", help.trimmed());
    l_help->setTextFormat(Qt::PlainText);
    c_dont_show_anymore = named(new QCheckBox(QStringLiteral("Don't show this window when slide show is launched")),
                                "c_dont_show_anymore");
    b_OK = button("b_OK", QStringLiteral("OK"));
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
