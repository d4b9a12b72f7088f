#include "factories.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

// Resources of a static library are registered by hand.
static void register_icons() { Q_INIT_RESOURCE(icons); }

QIcon program_icon() {
    static const bool registered = (register_icons(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/icons/sentara.png"));
}

QLabel* label(const char* name, const QString& caption, QWidget* buddy) {
    auto* l = named(new QLabel(caption), name);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QPushButton* button(const char* name, const QString& caption, const QString& tip) {
    auto* b = named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    if (!tip.isEmpty()) b->setToolTip(tip);
    // A caption of symbols alone ("...") says nothing read aloud: the tip names the button.
    if (!tip.isEmpty() && std::none_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetter(); }))
        b->setAccessibleName(tip);
    return b;
}

QComboBox* combo(const char* name, bool editable) {
    auto* c = named(new QComboBox, name);
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    // The layout gives the box its width: measuring every entry (25,000 authors) would cost the
    // window half a second each time it is shown.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(6);
    if (editable) c->setCompleter(nullptr);
    return c;
}

QLineEdit* text_box(const char* name) { return named(new QLineEdit, name); }

QGroupBox* frame(const char* name, const QString& title) { return named(new QGroupBox(title), name); }

QToolButton* clear_button(const char* name, const QString& what) {
    auto* b = named(new QToolButton, name);
    b->setText(QStringLiteral("\u2715"));
    b->setToolTip(QCoreApplication::translate("factories", "Clear the %1").arg(what));
    // A screen reader would read the cross as a multiplication sign.
    b->setAccessibleName(b->toolTip());
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QVBoxLayout* stack(QWidget* area, std::initializer_list<QWidget*> parts, int spacing) {
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (QWidget* w : parts) layout->addWidget(w);
    return layout;
}
