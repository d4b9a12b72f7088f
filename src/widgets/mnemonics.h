#pragma once

#include <QList>
#include <QString>

class QWidget;

// Access keys (Alt + an underlined letter) for the buttons, check boxes, option buttons and the
// labels of fields in one window. A control that has one keeps it; the others get the first
// free letter of a word of their caption, else any free letter, never one the window's menu bar
// uses. Captions keep their words: only the "&" is added.
//
// When the letters do not go round, the buttons come first, then the labels of fields (a field
// is reached with Tab too), and last the controls in `reached_otherwise` (buttons that have a
// shortcut of their own).
void give_mnemonics(QWidget* window, const QList<QWidget*>& reached_otherwise = {});

// Sets the caption of a button or label given an access key above, keeping its letter when the
// new caption holds it.
void set_caption(QWidget* control, const QString& caption);

// The caption as a person reads it: without the "&" that marks the access key.
QString plain_caption(const QString& caption);

// The letter after a caption's "&" (lower case), or a null character.
QChar mnemonic_of(const QString& caption);
