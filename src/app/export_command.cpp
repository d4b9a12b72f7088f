#include "export_command.h"

#include "command_line.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/database.h"
#include "formats/fortune_format.h"
#include "formats/quote_export.h"

#include <QFileInfo>
#include <QTextStream>

QStringList export_format_names() { return {QStringLiteral("text"), QStringLiteral("fortune"), QStringLiteral("csv")}; }

int export_command(const ExportOptions& o, QTextStream& out, QTextStream& err) {
    const auto fail = [&err](const QString& why) {
        err << "sentara: " << why << '\n';
        return 1;
    };
    QString path = o.database;
    if (path.isEmpty()) path = get_setting(QStringLiteral("last_db_file"));
    if (path.isEmpty()) path = default_database_path(o.program_folder);
    if (!QFileInfo::exists(path)) return fail(CommandLine::tr("there is no database at %1 (give one with --database).").arg(path));

    QString name = o.format.toLower();
    if (name.isEmpty()) name = QFileInfo(o.file).suffix().toLower() == QLatin1String("txt") ? QStringLiteral("text") : QStringLiteral("csv");
    quote_export::Options options;
    options.format = name == QLatin1String("text")      ? quote_export::Format::text
                     : name == QLatin1String("fortune") ? quote_export::Format::fortune
                                                        : quote_export::Format::csv;
    // Every field the format has room for: what is exported can be imported back.
    options.author = options.subject = options.note = options.rate = options.language = true;
    try {
        // Only read: safe beside a running program.
        auto db = Database::open(path);
        GridQuery chosen;
        chosen.filter = o.choice.filter.filter(*db);
        if (o.choice.min_rate > 0) chosen.filter.min_rate = o.choice.min_rate;
        const QString condition = chosen.condition();
        QString sql = QStringLiteral("SELECT key, text, author, subject, language, notes, rate FROM quotes");
        if (!condition.isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
        sql += QStringLiteral(" ORDER BY key");
        const quote_export::Writer writer = quote_export::export_quotes(*db, sql, options);
        if (writer.count() == 0) return fail(CommandLine::tr("no quotation meets the choice; '%1' was not written.").arg(o.file));
        if (!writer.losses().isEmpty())
            return fail(quote_export::losses_message(writer) +
                        CommandLine::tr("\nNothing was written: --format csv carries them whole."));
        const QString failed = quote_export::save(writer, o.file);
        if (!failed.isEmpty()) return fail(failed);
        out << CommandLine::tr("%1 quotes exported to '%2' as %3.").arg(writer.count()).arg(o.file, name) << '\n';
        if (options.format == quote_export::Format::fortune && !fortune_format::strfile_program().isEmpty()) {
            const QString index_failed = fortune_format::make_index(o.file);
            if (index_failed.isEmpty()) out << CommandLine::tr("The index fortune reads is '%1.dat'.").arg(o.file) << '\n';
            else err << "sentara: " << CommandLine::tr("the index fortune reads could not be written: %1").arg(index_failed) << '\n';
        }
    } catch (const DbError& e) {
        return fail(CommandLine::tr("the database '%1': error %2 - %3").arg(path).arg(e.number()).arg(e.description()));
    }
    return 0;
}
