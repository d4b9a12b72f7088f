#include "command_line.h"

#include "export_command.h"
#include "database/duplicates.h"
#include "formats/import_formats.h"

#include <QCommandLineParser>

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser p;
    p.setApplicationDescription(CommandLine::tr(
        "Sentara keeps a collection of quotations. Without options it opens its main window on the\n"
        "database it used last, or on <file> when one is given; the options below do their work and\n"
        "end without a window."));
    p.addPositionalArgument(QStringLiteral("file"), CommandLine::tr("The database to open the main window on."),
                            QStringLiteral("[file]"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, CommandLine::tr("Shows the version."));
    const QCommandLineOption create(QStringLiteral("create-database"),
                                    CommandLine::tr("Creates a new, empty database at <path> (never over an existing file)."),
                                    CommandLine::tr("path"));
    const QCommandLineOption samples(QStringLiteral("with-samples"),
                                     CommandLine::tr("With --create-database: a few dozen quotations to start with."));
    const QCommandLineOption random(QStringLiteral("random"),
                                    CommandLine::tr("Prints one quotation and its author, the next of the random order, and "
                                                   "moves it to the back: calls go through the whole collection before "
                                                   "any quotation comes again."));
    const QCommandLineOption database(QStringLiteral("database"),
                                      CommandLine::tr("The database to use (default: the one the program used last)."),
                                      CommandLine::tr("path"));
    const QCommandLineOption author(QStringLiteral("author"),
                                    CommandLine::tr("With --random: quotations by this author (a part of the name will do). "
                                                   "With --import: the author of the lines that name none."),
                                    CommandLine::tr("name"));
    const QCommandLineOption subject(QStringLiteral("subject"),
                                     CommandLine::tr("With --random: quotations on this subject. With --import: the subject "
                                                    "of the quotations without one."),
                                     CommandLine::tr("name"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      CommandLine::tr("With --random: quotations in this language. With --import: the "
                                                     "language of the quotations without one."),
                                      CommandLine::tr("code"));
    const QCommandLineOption min_rate(QStringLiteral("min-rate"), CommandLine::tr("With --random: rated at least <n> (1 to 3)."),
                                      CommandLine::tr("n"));
    const QCommandLineOption filter(QStringLiteral("filter"), CommandLine::tr("With --random: quotations whose text holds <text>."),
                                    CommandLine::tr("text"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    CommandLine::tr("With --random: plain (default) or json. With --import: how <file> is "
                                                   "read, text (one a line), fortune, csv or kindle (default: guessed "
                                                   "from the file)."),
                                    CommandLine::tr("format"));
    const QCommandLineOption import(QStringLiteral("import"),
                                    CommandLine::tr("Imports the quotations of <file> (as the import window reads them) "
                                                   "into the database and prints the report."),
                                    CommandLine::tr("file"));
    const QCommandLineOption import_access(QStringLiteral("import-access"),
                                           CommandLine::tr("Makes the new database named with --database from the "
                                                          "collection in the Access file <file> (never over an existing "
                                                          "file) and prints what it holds and the rows that did not fit."),
                                           CommandLine::tr("file"));
    const QCommandLineOption export_option(
        QStringLiteral("export"),
        CommandLine::tr("Writes the quotations (all, or those --author, --subject, --language, --min-rate and --filter "
                       "choose, as with --random) to <file>, whole or not at all: --format csv (the default; every "
                       "field), fortune (text, author, note) or text (the default for a name ending .txt)."),
        CommandLine::tr("file"));
    const QCommandLineOption find_duplicates(
        QStringLiteral("find-duplicates"),
        CommandLine::tr("Prints the groups of quotations kept more than once: the same text but for letter case, "
                       "accents, punctuation, quotation marks and blanks (exact), or nearly the same (near). "
                       "--format plain (default) or json."));
    const QCommandLineOption threshold(QStringLiteral("threshold"),
                                       CommandLine::tr("With --find-duplicates: how alike near duplicates are at least, "
                                                      "in percent (1 to 100, default %1).")
                                           .arg(duplicates::default_threshold),
                                       CommandLine::tr("n"));
    QCommandLineOption quit_when_shown(QStringLiteral("quit-when-shown"));
    quit_when_shown.setFlags(QCommandLineOption::HiddenFromHelp);
    for (const QCommandLineOption& o : {help, version, create, samples, random, database, author, subject, language, min_rate,
                                        filter, format, import, import_access, export_option, find_duplicates, threshold,
                                        quit_when_shown})
        p.addOption(o);

    CommandLine c;
    c.help_text = p.helpText();
    const auto fail = [&](const QString& why) {
        c.action = CommandLine::error;
        c.error_text = why;
        return c;
    };
    if (!p.parse(arguments)) return fail(p.errorText());
    // A file alone opens the windows on it (main() sees to that); beside options it is a mistake.
    if (!p.positionalArguments().isEmpty())
        return fail(CommandLine::tr("unexpected argument '%1'").arg(p.positionalArguments().first()));
    if (p.isSet(help)) {
        c.action = CommandLine::help;
        return c;
    }
    if (p.isSet(version)) {
        c.action = CommandLine::version;
        return c;
    }
    int actions = 0;
    for (const QCommandLineOption* o :
         std::initializer_list<const QCommandLineOption*>{&create, &random, &import, &import_access, &export_option, &find_duplicates, &quit_when_shown})
        actions += p.isSet(*o) ? 1 : 0;
    if (actions == 1 && p.isSet(export_option)) {
        // The same choice as --random's, read by its branch below.
        c.action = CommandLine::export_file;
        c.export_file_path = p.value(export_option);
        c.export_format = p.value(format).toLower();
        if (p.isSet(format) && !export_format_names().contains(c.export_format))
            return fail(CommandLine::tr("--format with --export is %1, not '%2'").arg(export_format_names().join(QStringLiteral(", ")), p.value(format)));
    }
    if (actions > 1) return fail(CommandLine::tr("--create-database, --random, --import, --import-access, --export and --find-duplicates go one at a time"));
    const bool naming = p.isSet(author) || p.isSet(subject) || p.isSet(language);
    const bool choosing = p.isSet(random) || p.isSet(export_option);
    if (naming && !choosing && !p.isSet(import))
        return fail(CommandLine::tr("--author, --subject and --language go with --random, --export or --import"));
    if ((p.isSet(min_rate) || p.isSet(filter)) && !choosing)
        return fail(CommandLine::tr("--min-rate and --filter go with --random or --export"));
    if (p.isSet(threshold) && !p.isSet(find_duplicates)) return fail(CommandLine::tr("--threshold goes with --find-duplicates"));
    if (p.isSet(find_duplicates)) {
        c.action = CommandLine::find_duplicates;
        c.database = p.value(database);
        if (p.isSet(format)) c.format = p.value(format);
        if (c.format != QLatin1String("plain") && c.format != QLatin1String("json"))
            return fail(CommandLine::tr("--format is plain or json, not '%1'").arg(c.format));
        if (p.isSet(threshold)) {
            bool number = false;
            c.threshold = p.value(threshold).toInt(&number);
            if (!number || c.threshold < 1 || c.threshold > 100)
                return fail(CommandLine::tr("--threshold takes a percentage from 1 to 100, not '%1'").arg(p.value(threshold)));
        }
        return c;
    }
    if (p.isSet(format) && !choosing && !p.isSet(import))
        return fail(CommandLine::tr("--format goes with --random, --export or --import"));
    if (p.isSet(samples) && !p.isSet(create)) return fail(CommandLine::tr("--with-samples goes with --create-database"));
    c.database = p.value(database);
    if (p.isSet(create)) {
        if (p.isSet(database)) return fail(CommandLine::tr("--create-database takes its path itself"));
        c.action = CommandLine::create_database;
        c.database = p.value(create);
        c.with_samples = p.isSet(samples);
        return c;
    }
    if (p.isSet(random) || c.action == CommandLine::export_file) {
        if (c.action != CommandLine::export_file) c.action = CommandLine::random;
        c.choice.filter.author = p.value(author);
        c.choice.filter.subject = p.value(subject);
        c.choice.filter.language = p.value(language);
        c.choice.filter.text = p.value(filter);
        if (p.isSet(min_rate)) {
            bool number = false;
            c.choice.min_rate = p.value(min_rate).toInt(&number);
            if (!number || c.choice.min_rate < 1 || c.choice.min_rate > 3)
                return fail(CommandLine::tr("--min-rate takes a rate from 1 to 3, not '%1'").arg(p.value(min_rate)));
        }
        if (c.action == CommandLine::export_file) return c;
        if (p.isSet(format)) c.format = p.value(format);
        if (c.format != QLatin1String("plain") && c.format != QLatin1String("json"))
            return fail(CommandLine::tr("--format is plain or json, not '%1'").arg(c.format));
        return c;
    }
    if (p.isSet(import)) {
        c.action = CommandLine::import;
        c.import_file = p.value(import);
        c.choice.filter.author = p.value(author);
        c.choice.filter.subject = p.value(subject);
        c.choice.filter.language = p.value(language);
        if (p.isSet(format)) {
            import_formats::Format f;
            if (!import_formats::from_name(p.value(format), f))
                return fail(CommandLine::tr("--format with --import is %1, not '%2'")
                                .arg(import_formats::names().join(QStringLiteral(", ")), p.value(format)));
            c.import_format = import_formats::name(f);
        }
        return c;
    }
    if (p.isSet(import_access)) {
        if (!p.isSet(database)) return fail(CommandLine::tr("--import-access needs --database, the new database to make"));
        c.action = CommandLine::import_access;
        c.import_file = p.value(import_access);
        return c;
    }
    if (p.isSet(database)) return fail(CommandLine::tr("--database goes with --random, --export, --import, --import-access or --find-duplicates"));
    c.quit_when_shown = p.isSet(quit_when_shown);
    return c;
}
