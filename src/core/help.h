#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The texts behind the Help menu: version history, About and support.
//
// The version number and date are taken from the newest entry of the built-in version history,
// so adding an entry at its top is the only step needed to raise the version.

// The entries of the built-in version history, newest first, each "nn^yymmdd.s) K: text",
// followed by a separator line and an end marker.
const QStringList& history_lines();

// The lines joined with CR LF between them.
QString history_text(const QStringList& lines);

// With `version_only` false, the whole history text; with it true, the version text.
QString version_history(bool version_only);
// The version text: "1.19 (08/Dec/2026)" in an English locale.
QString current_version();

// The version text of a given history: "1." + the entry number before the first "^", then the
// entry's date as day/abbreviated month of `locale`/four-digit year in parentheses. Empty text
// for a history without an entry.
QString version_text(const QStringList& lines, const QLocale& locale);

// The version-history window: a heading, the current version, a key to the entry letters and
// the history itself, lines separated by CR LF.
QString version_history_window_text(const QStringList& lines, const QLocale& locale);
QString version_history_window_text();
QString version_history_window_title();

// About: "Sentara version " + `version`, then the maker's notice and where to look for updates.
QString about_text(const QString& version);
QString about_title();

// How to reach customer service and technical support.
QString support_text();
QString support_title();

QString application_title();
QString web_site_address();
QString support_email_address();
