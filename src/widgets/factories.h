#pragma once

#include <QString>

#include <initializer_list>

class QComboBox;
class QIcon;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The controls every window is built from, named as the system names them (the name is also
// their objectName, so that tests and style sheets find them).

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Several controls of one kind made in one go: each pointer, its name, its text.
template <typename W>
struct Named {
    W*& widget;
    const char* name;
    const char* text;
};
template <typename W, typename Make>
void make_each(std::initializer_list<Named<W>> controls, Make make) {
    for (const Named<W>& c : controls) c.widget = make(c.name, QString::fromUtf8(c.text));
}

QLabel* label(const char* name, const QString& caption, QWidget* buddy = nullptr);
// A button that never takes Enter for itself (Enter belongs to the field being typed in).
QPushButton* button(const char* name, const QString& caption, const QString& tip = QString());
// An editable combo keeps what is typed as typed: no completion into list entries, no insertion.
QComboBox* combo(const char* name, bool editable);
QLineEdit* text_box(const char* name);
QGroupBox* frame(const char* name, const QString& title = QString());
// The small button beside a filter field that empties it.
QToolButton* clear_button(const char* name, const QString& what);

// The program's own icon, for every window's title bar.
QIcon program_icon();

// Lays `parts` out one under the other in `area`, edge to edge.
QVBoxLayout* stack(QWidget* area, std::initializer_list<QWidget*> parts, int spacing = 4);
