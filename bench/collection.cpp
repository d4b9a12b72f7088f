#include "collection.h"

#include "database/database.h"
#include "database/grid_keys.h"
#include "database/search_index.h"
#include "engine.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace bench {

namespace {

void copy_file(const QString& from, const QString& to) {
    QFile::remove(to);
    if (!QFile::copy(from, to)) throw std::runtime_error("cannot copy " + from.toStdString() + " to " + to.toStdString());
    QFile f(to);
    f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
}

// What the program's progress text says is left, in seconds; -1 when it says nothing of it.
double seconds_left(const QString& text) {
    static const QRegularExpression left(QStringLiteral(R"(About (\d+) (min|s) left)"));
    const auto m = left.match(text);
    if (!m.hasMatch()) return -1;
    return m.captured(1).toDouble() * (m.captured(2) == QLatin1String("min") ? 60 : 1);
}

// The file as the program leaves it after its first start (the sort keys added, then the
// search index built when the collection is large enough) and after its second (compacted:
// the keys leave the old layout's indexes behind as free pages, which the next start-up's
// compaction gives back). Made once into `keyed`, with what the migration took beside it.
void prepare_keyed(const QString& source, const QString& keyed, CollectionFacts& facts) {
    const QString ini = keyed + QStringLiteral(".ini");
    // A copy keyed by a program that made its keys another way is keyed anew.
    const bool current = QFileInfo::exists(keyed) && QFileInfo::exists(ini) && [&] {
        auto db = Database::open(keyed, Database::Options{true, false});
        return grid_keys::stored(*db);
    }();
    if (!current) {
        const QString part = keyed + QStringLiteral(".part");
        for (const QString& p : {part, part + QStringLiteral("-wal"), part + QStringLiteral("-shm")}) QFile::remove(p);
        copy_file(source, part);
        if (QFileInfo::exists(source + QStringLiteral("-wal"))) copy_file(source + QStringLiteral("-wal"), part + QStringLiteral("-wal"));
        double migration = 0, promised = -1, index = 0;
        QString first_estimate;
        {
            auto db = Database::open(part);  // a small file is keyed as it opens
            QElapsedTimer clock;
            clock.start();
            grid_keys::add(*db, [&](const QString& what, qint64, qint64) {
                if (promised >= 0) return;
                const double left = seconds_left(what);
                if (left < 0) return;
                promised = double(clock.nsecsElapsed()) / 1e9 + left;
                first_estimate = what;
            });
            migration = double(clock.nsecsElapsed()) / 1e9;
            if (!grid_keys::stored(*db)) throw std::runtime_error("the program did not key " + source.toStdString());
            const qint64 quotes = db->scalar(QStringLiteral("SELECT count(*) FROM quotes")).toLongLong();
            if (!search_index::exists(*db) && quotes >= search_index::worth_it_from) {
                clock.start();
                search_index::build(*db);
                index = double(clock.nsecsElapsed()) / 1e9;
            }
        }
        PlainEngine(part).exec(QStringLiteral("VACUUM"));
        QFile::remove(keyed);
        if (!QFile::rename(part, keyed)) throw std::runtime_error("cannot rename " + part.toStdString());
        QSettings s(ini, QSettings::IniFormat);
        s.setValue(QStringLiteral("migration_seconds"), migration);
        s.setValue(QStringLiteral("migration_promised_seconds"), promised);
        s.setValue(QStringLiteral("migration_first_estimate"), first_estimate);
        s.setValue(QStringLiteral("index_seconds"), index);
        s.setValue(QStringLiteral("made"), QDateTime::currentDateTime().toString(Qt::ISODate));
        s.sync();
        facts.prepared_now = true;
    }
    QSettings s(ini, QSettings::IniFormat);
    facts.migration_seconds = s.value(QStringLiteral("migration_seconds")).toDouble();
    facts.migration_promised_seconds = s.value(QStringLiteral("migration_promised_seconds"), -1).toDouble();
    facts.migration_first_estimate = s.value(QStringLiteral("migration_first_estimate")).toString();
    facts.index_seconds = s.value(QStringLiteral("index_seconds")).toDouble();
}

// ---------------------------------------------------------------- words chosen from a sample

struct Target {
    double share;  // of all the rows
    QString label;
};

// Lower-case runs of ASCII letters, four or more: words the engine's LIKE and the program's
// compare alike.
QSet<QString> words_of(const std::string& lower) {
    QSet<QString> out;
    std::size_t i = 0;
    while (i < lower.size()) {
        while (i < lower.size() && !(lower[i] >= 'a' && lower[i] <= 'z')) ++i;
        const std::size_t start = i;
        while (i < lower.size() && lower[i] >= 'a' && lower[i] <= 'z') ++i;
        if (i - start >= 4 && i - start <= 20) out.insert(QString::fromLatin1(lower.data() + start, qsizetype(i - start)));
    }
    return out;
}

// For each target share, the word whose share of the sampled rows (as a substring, as LIKE
// finds it) is nearest to it. `values` are the sampled rows' lower-case texts (empty: none);
// `rows` how many rows were sampled in all.
std::vector<SearchWord> choose_words(const std::vector<std::string>& values, qint64 rows, const QString& column,
                                     const std::vector<Target>& targets) {
    QHash<QString, int> documents;
    for (const std::string& v : values)
        for (const QString& w : words_of(v)) ++documents[w];
    std::vector<SearchWord> out;
    QSet<QString> used;
    const auto distance = [](double a, double b) { return std::abs(std::log(std::max(a, 1e-9)) - std::log(b)); };
    for (const Target& t : targets) {
        std::vector<std::pair<double, QString>> near;
        for (auto it = documents.cbegin(); it != documents.cend(); ++it)
            if (!used.contains(it.key())) near.emplace_back(distance(double(*it) / double(rows), t.share), it.key());
        std::sort(near.begin(), near.end());
        // Words cut short or inside longer ones are found far more often as substrings than as
        // words: many candidates are tried, each given up once it is clearly too frequent.
        if (near.size() > 200) near.resize(200);
        SearchWord best;
        double best_distance = 1e9;
        const qint64 too_many = qint64(t.share * double(rows) * 4) + 20;
        for (const auto& [unused, word] : near) {
            const std::string w = word.toStdString();
            qint64 hits = 0;
            for (const std::string& v : values) {
                hits += v.find(w) != std::string::npos ? 1 : 0;
                if (hits > too_many) break;
            }
            if (hits > too_many) continue;
            const double share = double(hits) / double(rows);
            if (hits > 0 && distance(share, t.share) < best_distance) {
                best_distance = distance(share, t.share);
                best.word = word;
                best.sampled = share;
            }
        }
        if (best.word.isEmpty()) {
            // Every candidate is far more frequent than wanted: the rarest of them.
            for (const auto& [unused, word] : near) {
                const std::string w = word.toStdString();
                qint64 hits = 0;
                for (const std::string& v : values) hits += v.find(w) != std::string::npos ? 1 : 0;
                const double share = double(hits) / double(rows);
                if (hits > 0 && (best.word.isEmpty() || share < best.sampled)) {
                    best.word = word;
                    best.sampled = share;
                }
            }
        }
        if (best.word.isEmpty()) continue;
        best.column = column;
        best.label = t.label;
        used.insert(best.word);
        out.push_back(best);
    }
    return out;
}

std::vector<SearchWord> sampled_words(PlainEngine& engine, qint64 quotes) {
    // A third of a million rows at most, spread over the keys.
    const qint64 step = std::max<qint64>(1, quotes / 300000);
    const QString where = step > 1 ? QStringLiteral(" WHERE key % %1 = 0").arg(step) : QString();
    std::vector<std::string> texts, notes;
    qint64 rows = 0;
    for (const auto& r : engine.rows(QStringLiteral("SELECT text, notes FROM quotes") + where)) {
        ++rows;
        if (!r[0].isNull()) texts.push_back(r[0].toString().toLower().toStdString());
        if (!r[1].isNull() && !r[1].toString().isEmpty()) notes.push_back(r[1].toString().toLower().toStdString());
    }
    if (rows == 0) return {};
    std::vector<SearchWord> out = choose_words(texts, rows, QStringLiteral("text"),
                                               {{0.0001, QStringLiteral("0.01%")}, {0.01, QStringLiteral("1%")}, {0.55, QStringLiteral("55%")}});
    const double noted = double(notes.size()) / double(rows);
    if (!notes.empty())
        for (SearchWord& w : choose_words(notes, rows, QStringLiteral("notes"),
                                          {{0.0001, QStringLiteral("0.01%")}, {0.01, QStringLiteral("1%")},
                                           {0.55 * noted, QStringLiteral("55% of notes")}}))
            out.push_back(w);
    return out;
}

// ---------------------------------------------------------------- facts read from the file

void read_facts(CollectionFacts& f) {
    PlainEngine e(f.path);
    f.quotes = e.first_number(QStringLiteral("SELECT count(*) FROM quotes"));
    f.listed = e.first_number(
        QStringLiteral("SELECT coalesce(sum(k.bearers), 0) FROM quotes q JOIN author_keys k ON k.name_key = q.author_key"));
    f.authors = e.first_number(QStringLiteral("SELECT count(*) FROM authors"));
    const auto top = e.rows(QStringLiteral(
        "SELECT k.name, g.n * k.bearers FROM (SELECT author_key, count(*) AS n FROM quotes GROUP BY author_key) g "
        "JOIN author_keys k ON k.name_key = g.author_key ORDER BY 2 DESC LIMIT 1"));
    if (!top.empty()) {
        f.featured_author = top[0][0].toString();
        f.featured_author_quotes = top[0][1].toLongLong();
    }
    for (const auto& r : e.rows(QStringLiteral("SELECT subject_key, count(*) AS n FROM quotes WHERE subject_key IS NOT NULL "
                                               "GROUP BY subject_key ORDER BY n DESC LIMIT 10"))) {
        const QString subject =
            e.first_value(QStringLiteral("SELECT subject FROM quotes WHERE subject_key = %1 LIMIT 1").arg(sql_blob(r[0].toByteArray())))
                .toString();
        if (subject.trimmed().isEmpty() || subject.trimmed() == QLatin1String("-")) continue;
        f.featured_subject = subject;
        f.featured_subject_quotes = r[1].toLongLong();
        break;
    }
    const auto language = e.rows(QStringLiteral(
        "SELECT language_key, count(*) AS n FROM quotes WHERE language_key IS NOT NULL GROUP BY language_key ORDER BY n DESC LIMIT 1"));
    if (!language.empty()) {
        f.language = e.first_value(QStringLiteral("SELECT language FROM quotes WHERE language_key = %1 LIMIT 1")
                                       .arg(sql_blob(language[0][0].toByteArray())))
                         .toString();
        f.language_quotes = language[0][1].toLongLong();
    }
    QStringList rates;
    for (const auto& r : e.rows(QStringLiteral("SELECT DISTINCT rate FROM quotes WHERE rate IS NOT NULL ORDER BY rate")))
        rates << r[0].toString();
    if (rates.contains(QLatin1String("2")) && rates.contains(QLatin1String("3"))) {
        f.rate_from = QStringLiteral("2");
        f.rate_to = QStringLiteral("3");
    } else if (!rates.isEmpty()) {
        f.rate_from = rates.value(0);
        f.rate_to = rates.value(std::min<qsizetype>(1, rates.size() - 1));
    }
    f.middle_key = e.first_number(QStringLiteral("SELECT key FROM quotes ORDER BY key LIMIT 1 OFFSET (SELECT count(*) FROM quotes) / 2"));
    if (!f.generated) f.words = sampled_words(e, f.quotes);
    f.random_word = QStringLiteral("love");
    if (!f.generated)
        for (const SearchWord& w : f.words)
            if (w.column == QLatin1String("text") && w.label == QLatin1String("1%")) f.random_word = w.word;
}

}  // namespace

CollectionFacts generated(const QString& cache_folder, qint64 quotes) {
    const GeneratedFile g = generated_collection(cache_folder, quotes);
    CollectionFacts f;
    f.name = size_name(quotes);
    f.generated = true;
    f.source = g.path;
    f.words = g.words;
    f.generated_now = g.generated_now;
    f.generate_seconds = g.seconds;
    f.source_bytes = QFileInfo(g.path).size();
    f.path = g.path.chopped(4) + QStringLiteral("-keyed.mdb");
    if (g.generated_now) QFile::remove(f.path + QStringLiteral(".ini"));
    prepare_keyed(g.path, f.path, f);
    read_facts(f);
    return f;
}

CollectionFacts given(const QString& cache_folder, const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile()) throw std::runtime_error("no such file: " + file.toStdString());
    if (!QDir().mkpath(cache_folder)) throw std::runtime_error("cannot create " + cache_folder.toStdString());
    CollectionFacts f;
    f.name = info.completeBaseName();
    f.source = info.absoluteFilePath();
    f.source_bytes = info.size();
    // Named by the file and the moment it was last written: a file changed since is keyed anew.
    f.path = QStringLiteral("%1/given-%2-%3-%4-keyed.mdb")
                 .arg(cache_folder, info.completeBaseName())
                 .arg(info.size())
                 .arg(info.lastModified().toSecsSinceEpoch());
    prepare_keyed(f.source, f.path, f);
    read_facts(f);
    return f;
}

QStringList describe(const CollectionFacts& f) {
    QStringList out;
    out << QStringLiteral("%1: %2 quotations (%3 listed: those whose author has a row), %4 authors; %5 MB as it came in")
               .arg(f.name)
               .arg(f.quotes)
               .arg(f.listed)
               .arg(f.authors)
               .arg(double(f.source_bytes) / 1048576.0, 0, 'f', 0);
    out << QStringLiteral("  author \"%1\" (%2 quotations), subject \"%3\" (%4), language \"%5\" (%6), rates %7 to %8, key %9")
               .arg(f.featured_author)
               .arg(f.featured_author_quotes)
               .arg(f.featured_subject)
               .arg(f.featured_subject_quotes)
               .arg(f.language)
               .arg(f.language_quotes)
               .arg(f.rate_from, f.rate_to)
               .arg(f.middle_key);
    PlainEngine e(f.path);
    for (const SearchWord& w : f.words) {
        const qint64 n = e.first_number(QStringLiteral("SELECT count(*) FROM quotes WHERE %1 LIKE %2")
                                            .arg(w.column, sql_literal(u'%' + w.word + u'%')));
        const double share = f.quotes > 0 ? double(n) / double(f.quotes) : 0;
        const double meant = w.planned > 0 ? w.planned : w.sampled;
        // A share off by a fifth is wrong, where enough rows make it tell.
        const bool wrong = n == 0 || (meant * double(f.quotes) >= 50 && std::abs(share / meant - 1) > 0.2);
        out << QStringLiteral("  %1 word '%2' for %3: %4 rows = %5% (%6 %7%)%8")
                   .arg(w.column, w.word, w.label)
                   .arg(n)
                   .arg(share * 100, 0, 'f', 3)
                   .arg(w.planned > 0 ? QStringLiteral("planted in") : QStringLiteral("sampled at"))
                   .arg(meant * 100, 0, 'f', 3)
                   .arg(wrong ? QStringLiteral("  WRONG SHARE") : QString());
    }
    if (f.generated_now) out << QStringLiteral("  generated now in %1 s").arg(f.generate_seconds, 0, 'f', 1);
    if (f.prepared_now) out << QStringLiteral("  keyed now: migration %1 s, search index %2 s")
                                   .arg(f.migration_seconds, 0, 'f', 1)
                                   .arg(f.index_seconds, 0, 'f', 1);
    return out;
}

}  // namespace bench
