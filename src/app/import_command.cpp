#include "import_command.h"

#include "command_line.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/database.h"
#include "database/recordset.h"
#include "formats/access_import.h"
#include "formats/import_formats.h"
#include "formats/quote_import.h"

#include <QFileInfo>
#include <QLockFile>
#include <QTextStream>

namespace {

// The report's CR LF as the terminal's line ends.
QString terminal_lines(QString text) { return text.replace(quote_import::line_break, QStringLiteral("\n")); }

QString database_path(const ImportOptions& o) {
    if (!o.database.isEmpty()) return o.database;
    const QString last = get_setting(QStringLiteral("last_db_file"));
    return last.isEmpty() ? default_database_path(o.program_folder) : last;
}

// The code of the language marked as the default one; empty when none is.
QString default_language(Database& db) {
    const auto rs = db.open_recordset(QStringLiteral("Select * from languages"));
    for (; !rs->eof(); rs->move_next())
        if (rs->text(QStringLiteral("def")).compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
            return rs->text(QStringLiteral("code"));
    return QString();
}

}  // namespace

int import_command(const ImportOptions& o, QTextStream& out, QTextStream& err) {
    const auto fail = [&err](const QString& why) {
        err << "sentara: " << why << '\n';
        return 1;
    };
    const QString path = database_path(o);
    if (!QFileInfo::exists(path)) return fail(why_no_file(path));
    if (!Database::can_write(path))
        return fail(CommandLine::tr("the database '%1' can only be read: this user may not change the file or its "
                                    "folder, so nothing can be imported into it.")
                        .arg(path));
    const quote_import::FileText file = quote_import::read_text_file(o.file);
    if (!file.error.isEmpty()) return fail(file.error);
    if (file.text.trimmed().isEmpty()) return fail(import_formats::empty_message(o.file));
    import_formats::Format format = import_formats::guess(o.file, file.text);
    if (!o.format.isEmpty() && !import_formats::from_name(o.format, format))
        return fail(CommandLine::tr("the format '%1' is none of %2.").arg(o.format, import_formats::names().join(QStringLiteral(", "))));

    // A running program holds the file: it is left to it.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);  // a lock left by a program that died is taken over
    if (!lock.tryLock(0))
        return fail(lock.error() == QLockFile::LockFailedError
                        ? CommandLine::tr("the database '%1' is open in a running Sentara; close it, then import again.").arg(path)
                        : CommandLine::tr("the database '%1' cannot be locked: its folder is not writable.").arg(path));
    try {
        auto db = Database::open(path);
        quote_import::Catalogue stored(*db);
        out << CommandLine::tr("Read as %1 (%2).\n")
                   .arg(import_formats::caption(format),
                        o.format.isEmpty() ? CommandLine::tr("guessed from the file; --format chooses another")
                                           : CommandLine::tr("as --format asks"));
        quote_import::Result found = import_formats::process(format, file.text, o.file, o.author, stored);
        if (!found.error.isEmpty()) return fail(found.error);
        found.notes.insert(found.notes.begin(), file.notes.begin(), file.notes.end());
        out << terminal_lines(found.report());
        for (const QString& counter :
             {found.duplicated_in_input_caption(), found.duplicated_in_database_caption(), found.new_quotes_caption()})
            if (!counter.isEmpty()) out << counter << '\n';

        const quote_import::Missing missing = quote_import::count_missing(found.quotes);
        QString language = o.language.trimmed();
        if (!language.isEmpty()) {
            if (stored.language(language).isEmpty())
                return fail(CommandLine::tr("the language '%1' is not in the database.").arg(language));
            language = stored.language(language);
        } else if (missing.without_language > 0) {
            language = default_language(*db);
        }
        if (missing.without_author > 0 && o.author.trimmed().isEmpty())
            return fail(QCoreApplication::translate("quote_import", qPrintable(quote_import::author_missing_message)) +
                        CommandLine::tr(" (give one with --author)."));
        if (missing.without_language > 0 && language.isEmpty())
            return fail(QCoreApplication::translate("quote_import", qPrintable(quote_import::language_missing_message)) +
                        CommandLine::tr(" (give one with --language)."));
        if (missing.with_language > 0 && !language.isEmpty())
            out << quote_import::default_language_notice(language) << '\n';

        const quote_import::Outcome done =
            quote_import::import_quotes(*db, stored, found.quotes, {o.author, o.subject, language});
        out << quote_import::added_message(done.added) << '\n' << terminal_lines(done.report());
        db->close();  // says so when the file cannot take the changes in (a full disk)
    } catch (const DbError& e) {
        return fail(CommandLine::tr("the database '%1': error %2 - %3").arg(path).arg(e.number()).arg(e.description()));
    }
    return 0;
}

int import_access_command(const QString& access_file, const QString& new_database, QTextStream& out, QTextStream& err) {
    const access_import::Outcome made = access_import::import_file(access_file, new_database);
    if (!made.error.isEmpty()) {
        err << "sentara: " << made.error << '\n';
        return 1;
    }
    out << CommandLine::tr("The database '%1' was made from '%2': %3.").arg(new_database, access_file, made.counts_text()) << '\n';
    const QString report = made.report();
    if (!report.isEmpty()) out << '\n' << terminal_lines(report);
    return 0;
}
