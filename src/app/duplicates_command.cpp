#include "duplicates_command.h"

#include "command_line.h"
#include "database/duplicates.h"
#include "core/settings.h"
#include "core/startup.h"
#include "database/database.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

struct Row {
    QString text, author, subject, notes;
    QVariant rate;
};

// The first line of a text, cut to `width` characters, for a line of the plain listing.
QString line_of(const QString& text, int width) {
    QString line = text.simplified();
    if (line.size() > width) line = line.left(width - 1) + QChar(0x2026);
    return line;
}

}  // namespace

int duplicates_command(const DuplicatesOptions& o, QTextStream& out, QTextStream& err) {
    const auto fail = [&err](const QString& why) {
        err << "sentara: " << why << '\n';
        return 1;
    };
    QString path = o.database;
    if (path.isEmpty()) path = get_setting(QStringLiteral("last_db_file"));
    if (path.isEmpty()) path = default_database_path(o.program_folder);
    if (!QFileInfo::exists(path)) return fail(CommandLine::tr("there is no database at %1 (give one with --database).").arg(path));
    try {
        auto db = Database::open(path);
        duplicates::Options options;
        if (o.threshold > 0) options.threshold = o.threshold;
        const std::vector<duplicates::Group> groups = duplicates::find(*db, options);
        Statement read = db->prepare_plain(
            QStringLiteral("SELECT text, author, subject, notes, rate FROM quotes WHERE key = ?"));
        const auto row = [&](qint64 key) {
            read.bind(1, key);
            Row r;
            if (read.step())
                r = {read.column_text(0), read.column_text(1), read.column_text(2), read.column_text(3), read.column(4)};
            read.reset();
            return r;
        };
        const bool json = o.format == QLatin1String("json");
        QJsonArray listed;
        qint64 quotations = 0;
        for (const duplicates::Group& g : groups) {
            quotations += qint64(g.keys.size());
            const QString kind = g.exact ? QStringLiteral("exact") : QStringLiteral("near");
            if (json) {
                QJsonArray members;
                for (const qint64 key : g.keys) {
                    const Row r = row(key);
                    QJsonObject m;
                    m.insert(QStringLiteral("key"), key);
                    m.insert(QStringLiteral("text"), r.text);
                    m.insert(QStringLiteral("author"), r.author);
                    m.insert(QStringLiteral("subject"), r.subject);
                    m.insert(QStringLiteral("rate"), r.rate.isNull() ? QJsonValue() : QJsonValue(r.rate.toLongLong()));
                    m.insert(QStringLiteral("note"), r.notes.isEmpty() ? QJsonValue() : QJsonValue(r.notes));
                    members.append(m);
                }
                listed.append(QJsonObject{{QStringLiteral("kind"), kind}, {QStringLiteral("quotations"), members}});
                continue;
            }
            // One line per group ("exact 12 45"), then one per quotation, indented by a tab.
            out << kind;
            for (const qint64 key : g.keys) out << ' ' << key;
            out << '\n';
            for (const qint64 key : g.keys) {
                const Row r = row(key);
                out << '\t' << key << '\t' << r.author << '\t' << line_of(r.text, 100) << '\n';
            }
        }
        if (json) {
            out << QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("groups"), listed}}).toJson(QJsonDocument::Indented));
        } else if (groups.empty()) {
            out << CommandLine::tr("No duplicates found.") << '\n';
        } else {
            out << CommandLine::tr("Groups of duplicates: %1; quotations in them: %2.").arg(groups.size()).arg(quotations) << '\n';
        }
    } catch (const DbError& e) {
        return fail(CommandLine::tr("the database '%1': error %2 - %3").arg(path).arg(e.number()).arg(e.description()));
    }
    return 0;
}
