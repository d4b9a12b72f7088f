#include "attention.h"

#include "core/ui.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>

QColor attention_colour() { return QColor(0xC0, 0xFF, 0xFF); }

QColor attention_text_colour() { return QColor(0x10, 0x10, 0x10); }

namespace {

void paint_lit(QWidget* w, bool lit) {
    if (!lit) {
        // An empty palette resolves nothing: the control takes its parent's, the theme's.
        w->setPalette(QPalette());
        return;
    }
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Button, attention_colour());
        p.setColor(group, QPalette::ButtonText, attention_text_colour());
        p.setColor(group, QPalette::Base, attention_colour());
        p.setColor(group, QPalette::Text, attention_text_colour());
        p.setColor(group, QPalette::Window, attention_colour());
        p.setColor(group, QPalette::WindowText, attention_text_colour());
    }
    w->setPalette(p);
}

}  // namespace

void set_lit(QWidget* w, bool lit) {
    if (w->property("lit").isValid() && w->property("lit").toBool() == lit) return;
    w->setProperty("lit", lit);
    paint_lit(w, lit);
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) paint_lit(c->lineEdit(), lit);
}

bool is_lit(const QWidget* w) { return w->property("lit").toBool(); }

bool refuse_while_lit(Ui& ui, const QWidget* save) {
    if (!is_lit(save)) return false;
    ui.message(QCoreApplication::translate("attention", "Edit operation in progress."), Ui::icon_exclamation);
    return true;
}
