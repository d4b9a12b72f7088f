#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Installs on `app` the program's own translation for `locale` (sentara_<lang>.qm in the
// folder `translations` of the program folder) and Qt's own (qtbase_<lang>.qm, from Qt's
// translations folder, for the texts of its standard dialogs and buttons). A locale with no
// translation leaves the English texts; returns whether the program's own one was found.
bool install_translations(QCoreApplication& app, const QString& program_folder, const QLocale& locale = QLocale());

// The folder the program's translations are looked for in.
QString translations_folder(const QString& program_folder);

// The read-me in the program folder in the first of the user's languages it is written in
// (readme.<lang>.txt), else the English readme.txt.
QString readme_file(const QString& program_folder, const QLocale& locale = QLocale());
