#pragma once

#include <QColor>

class QWidget;
class Ui;

// The attention colour marks a pending edit (Save), an add-new edit (Add new), a filter field in
// use and a filter in force: pale cyan (0xFFFFC0 as the system writes it, blue-green-red).
QColor attention_colour();
// The text colour on the attention colour: dark, so that it reads in light and dark themes alike.
QColor attention_text_colour();

// Lights or dims a button, a text box or a combo box. Lit, every palette role the control
// really paints (button face and text, field base and text, a combo's own line edit) takes the
// attention colours; dimmed, the control goes back to the theme's colours, whatever the theme.
void set_lit(QWidget* widget, bool lit);
bool is_lit(const QWidget* widget);

// The edit state of a window is the colour of its Save button: while it is lit, commands that
// would lose the edit refuse. Shows "Edit operation in progress." and returns true then.
bool refuse_while_lit(Ui& ui, const QWidget* save);
