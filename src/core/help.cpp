#include "help.h"

#include <QCoreApplication>
#include <QDate>

namespace {

const QString crlf = QStringLiteral("\r\n");

// Contacts the project does not have are written out instead of a number.
QString not_available() { return QCoreApplication::translate("help", "not available"); }

}  // namespace

QString application_title() { return QStringLiteral("Sentara"); }

QString web_site_address() { return QStringLiteral("https://sentara.example.org"); }

QString support_email_address() { return QStringLiteral("support@sentara.example.org"); }

const QStringList& history_lines() {
    // Newest first: a new entry goes at the top.
    static const QStringList lines{
        QStringLiteral("19^261208.1) I: Large collections: sorts and filters read through indexes, long work shows "
                       "its progress and can be stopped, the database can be changed without leaving"),
        QStringLiteral("18^090120.1) I: Quote database can now be placed in any folder"),
        QStringLiteral("17^090119.1) F: Database now placed in C:\\Sentara_db instead of application folder "
                       "(for Visata compatibility)"),
        QStringLiteral("16^080616.1) F: Main window placed in wrong position"),
        QStringLiteral("15^080217.1) F: Application name was not set in some cases"),
        QStringLiteral("14^080203.1) I: Import of quotes - parenthesis may contain text other than the author\u00ecs name"),
        QStringLiteral("13^070925.1) F: Program now adapted to work with vertical start bar"),
        QStringLiteral("12^070704.2) F: Correction of small layout errors under Windows Vista"),
        QStringLiteral("11^070704.1) F: Error 3075 on saving first quote after deleting all quotes"),
        QStringLiteral("10^070329.1) F: It was not possible to add a paragraph to a quote."),
        QStringLiteral("09^060101.9) I: 'Replace' function added in subject management window."),
        QStringLiteral("08^060101.8) F: Slide show continuously repeated the same quote in some cases."),
        QStringLiteral("07^060101.7) I: Rate filter now handles rate range (from-to)."),
        QStringLiteral("06^060101.6) I: Minor improvements."),
        QStringLiteral("05^060101.5) F: Minor bugs corrected."),
        QStringLiteral("04^060101.4) F: Minor bugs corrected."),
        QStringLiteral("03^060101.3) F: Minor bugs corrected."),
        QStringLiteral("02^060101.2) I: Function 'Web Sites management' included."),
        QStringLiteral("01^060101.1) I: First relase"),
        QStringLiteral("------------------------- VERSION 1.0 -----------------------------"),
        QStringLiteral("[end of version history]"),
    };
    return lines;
}

QString history_text(const QStringList& lines) { return lines.join(crlf); }

QString version_text(const QStringList& lines, const QLocale& locale) {
    const QString text = history_text(lines);
    const qsizetype caret = text.indexOf(u'^');
    if (caret < 2) return QString();
    const QString version = QStringLiteral("1.") + text.mid(caret - 2, 2);
    const QString yy = text.mid(caret + 1, 2), mm = text.mid(caret + 3, 2), dd = text.mid(caret + 5, 2);
    const QDate date(2000 + yy.toInt(), mm.toInt(), dd.toInt());
    // An entry with a mistyped date still shows its digits rather than nothing.
    const QString shown = date.isValid() ? locale.toString(date, QStringLiteral("dd/MMM/yyyy"))
                                         : QStringLiteral("20") + yy + u'/' + mm + u'/' + dd;
    return version + QStringLiteral(" (") + shown + u')';
}

QString version_history(bool version_only) {
    return version_only ? version_text(history_lines(), QLocale()) : history_text(history_lines());
}

QString current_version() { return version_history(true); }

QString version_history_window_text(const QStringList& lines, const QLocale& locale) {
    // The ruler gets a line of its own so that the newest entry starts at the left margin.
    return QCoreApplication::translate("help", "SENTARA VERSION HISTORY ") + crlf + crlf +
           QCoreApplication::translate("help", "Current version is %1").arg(version_text(lines, locale)) + crlf + crlf +
           QCoreApplication::translate("help", "It includes the following changes (F = bug fixed, I = improvement, N = new function)") +
           crlf + QStringLiteral("------------------------------------------------------------------------------------") +
           crlf + history_text(lines);
}

QString version_history_window_text() { return version_history_window_text(history_lines(), QLocale()); }

QString version_history_window_title() {
    return QCoreApplication::translate("help", "%1 - Version history").arg(application_title());
}

QString about_text(const QString& version) {
    return QCoreApplication::translate("help", "%1 version %2").arg(application_title(), version) + QStringLiteral("\n\n") +
           QCoreApplication::translate("help", "Sentara is made by the Sentara project.") + QStringLiteral("\n\n") +
           QCoreApplication::translate("help", "Look for updates on the Sentara web site: %1").arg(web_site_address());
}

QString about_title() { return QCoreApplication::translate("help", "About %1").arg(application_title()); }

QString support_text() {
    const QString title = application_title();
    return QCoreApplication::translate("help", "You can get customer service and technical support for %1 in one of the "
                                               "following ways:").arg(title) + QStringLiteral("\n\n") +
           QCoreApplication::translate("help", "- Send e-mail to %1 with your questions or problem reports")
               .arg(support_email_address()) + u'\n' +
           QCoreApplication::translate("help", "- Call telephone # %1").arg(not_available()) + QStringLiteral("\n\n") +
           QCoreApplication::translate("help", "You are kindly invited to contact us for any problems, inquiries or comments. "
                                               "We appreciate being informed of your experience with %1 and are willing to "
                                               "improve this program according to your comments and suggestions.")
               .arg(title);
}

QString support_title() { return QCoreApplication::translate("help", "Customer service and technical support"); }
