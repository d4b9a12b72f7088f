#include "generator.h"

#include "database/database.h"
#include "database/schema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

namespace bench {

namespace {

// splitmix64: tiny, fast, and the same sequence on every platform and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n).
    std::size_t below(std::size_t n) { return std::size_t(next() % n); }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double p) { return unit() < p; }
    // Skewed towards 0: a few values take most draws, as a few authors write most quotations.
    std::size_t skewed(std::size_t n, double power) { return std::min(n - 1, std::size_t(double(n) * std::pow(unit(), power))); }
    template <class T>
    const T& pick(const std::vector<T>& v) { return v[below(v.size())]; }

private:
    std::uint64_t state_;
};

using Words = std::vector<std::string>;

struct Language {
    const char* code;
    double share;
    Words words;
};

// Word lists per language; the accented letters are there on purpose.
std::vector<Language> languages() {
    return {
        {"EN", 0.40,
         {"the", "a", "of", "and", "to", "in", "is", "that", "it", "not", "we", "you", "life", "time", "man",
          "world", "never", "always", "heart", "mind", "truth", "nothing", "everything", "who", "what", "when",
          "only", "great", "little", "people", "day", "night", "light", "dark", "hope", "fear", "death", "war",
          "peace", "friend", "enemy", "wise", "fool", "money", "work", "dream", "reason", "nature", "art",
          "beauty", "silence", "word", "books", "happiness", "sorrow", "courage", "freedom", "power", "knowledge",
          "youth", "age", "soul", "god", "faith", "doubt", "change", "future", "past", "memory", "virtue",
          "learn", "forget", "remember", "give", "take", "believe", "know", "think", "find", "lose", "become",
          "must", "can", "will", "should", "every", "no", "more", "less", "than", "but", "or", "if", "because",
          "yet", "so", "without", "within", "against", "before", "after", "naïve", "café", "résumé"}},
        {"IT", 0.25,
         {"il", "la", "di", "che", "e", "è", "non", "un", "una", "per", "con", "più", "vita", "tempo", "uomo",
          "mondo", "mai", "sempre", "cuore", "mente", "verità", "niente", "tutto", "chi", "quando", "solo",
          "grande", "piccolo", "gente", "giorno", "notte", "luce", "buio", "speranza", "paura", "morte", "guerra",
          "pace", "amico", "nemico", "saggio", "stolto", "denaro", "lavoro", "sogno", "ragione", "natura", "arte",
          "bellezza", "silenzio", "parola", "libri", "felicità", "dolore", "coraggio", "libertà", "potere",
          "virtù", "perché", "così", "già", "però", "città", "età", "anima", "fede", "dubbio", "futuro", "passato",
          "ricordo", "imparare", "dimenticare", "dare", "prendere", "credere", "sapere", "pensare", "trovare",
          "perdere", "diventare", "ogni", "nessuno", "meno", "ma", "se", "senza", "dentro", "contro", "prima",
          "dopo", "può", "sarà", "cioè", "qualità"}},
        {"FR", 0.15,
         {"le", "la", "les", "de", "des", "et", "à", "est", "que", "qui", "ne", "pas", "un", "une", "pour",
          "avec", "plus", "vie", "temps", "homme", "monde", "jamais", "toujours", "cœur", "esprit", "vérité",
          "rien", "tout", "quand", "seul", "grand", "petit", "gens", "jour", "nuit", "lumière", "espérance",
          "peur", "mort", "guerre", "paix", "ami", "ennemi", "sage", "fou", "argent", "travail", "rêve", "raison",
          "nature", "beauté", "silence", "parole", "livres", "bonheur", "douleur", "courage", "liberté",
          "pouvoir", "âme", "foi", "doute", "avenir", "passé", "mémoire", "apprendre", "oublier", "donner",
          "prendre", "croire", "savoir", "penser", "trouver", "perdre", "devenir", "chaque", "moins", "mais",
          "si", "sans", "dans", "contre", "avant", "après", "être", "où", "déjà", "très", "même", "naître",
          "fenêtre", "forêt", "été", "élan", "œuvre", "garçon", "français"}},
        {"DE", 0.10,
         {"der", "die", "das", "und", "zu", "in", "ist", "nicht", "ein", "eine", "für", "mit", "mehr", "Leben",
          "Zeit", "Mensch", "Welt", "nie", "immer", "Herz", "Geist", "Wahrheit", "nichts", "alles", "wer", "wenn",
          "nur", "groß", "klein", "Leute", "Tag", "Nacht", "Licht", "Hoffnung", "Angst", "Tod", "Krieg", "Frieden",
          "Freund", "Feind", "weise", "Narr", "Geld", "Arbeit", "Traum", "Vernunft", "Natur", "Kunst", "Schönheit",
          "Stille", "Wort", "Bücher", "Glück", "Schmerz", "Mut", "Freiheit", "Macht", "Seele", "Gott", "Glaube",
          "Zweifel", "Zukunft", "Vergangenheit", "Gedächtnis", "lernen", "vergessen", "geben", "nehmen",
          "glauben", "wissen", "denken", "finden", "verlieren", "werden", "jeder", "kein", "weniger", "aber",
          "oder", "ohne", "gegen", "vor", "nach", "über", "müssen", "können", "größer", "Märchen", "Übung",
          "Straße", "süß", "Mädchen", "hören"}},
        {"ES", 0.10,
         {"el", "la", "los", "de", "y", "a", "en", "es", "que", "no", "un", "una", "por", "con", "más", "vida",
          "tiempo", "hombre", "mundo", "nunca", "siempre", "corazón", "mente", "verdad", "nada", "todo", "quién",
          "cuando", "solo", "grande", "pequeño", "gente", "día", "noche", "luz", "esperanza", "miedo", "muerte",
          "guerra", "paz", "amigo", "enemigo", "sabio", "necio", "dinero", "trabajo", "sueño", "razón",
          "naturaleza", "arte", "belleza", "silencio", "palabra", "libros", "felicidad", "dolor", "valor",
          "libertad", "poder", "alma", "fe", "duda", "futuro", "pasado", "memoria", "aprender", "olvidar", "dar",
          "tomar", "creer", "saber", "pensar", "encontrar", "perder", "llegar", "cada", "ninguno", "menos",
          "pero", "si", "sin", "dentro", "contra", "antes", "después", "también", "así", "niño", "año", "señor",
          "acción", "jamás", "cómo", "mañana"}},
    };
}

const Words first_names = {"Gabriele", "Ângela", "José", "François", "Søren", "Zoë", "Björn", "Renée", "Íñigo",
                           "Maria", "John", "Anna", "Paolo", "Chiara", "Jean", "Marie", "Hans", "Greta", "Carlos",
                           "Lucía", "Émile", "Hélène", "Jürgen", "Małgorzata", "Seán", "Siobhán", "Dmitri", "Olga",
                           "Ahmed", "Fatima", "Kenji", "Yuki", "Pedro", "Inês", "Luca", "Giulia", "Pierre", "Claire",
                           "Karl", "Lotte", "Miguel", "Ana", "William", "Emily", "Henry", "Charlotte", "Oscar",
                           "Virginia", "Thomas", "Jane", "Antonio", "Francesca", "André", "Camille", "Otto", "Ilse",
                           "Rafael", "Carmen", "Nils", "Åsa"};
const Words surnames = {"D'Amico", "Müller", "O'Brien", "D'Annunzio", "Gómez", "Lefèvre", "Çelik", "Dvořák",
                        "Rossi", "Bianchi", "Smith", "Brown", "Dupont", "Moreau", "Schmidt", "Weiß", "García",
                        "Martínez", "Russo", "Esposito", "Johnson", "Taylor", "Bernard", "Girard", "Fischer",
                        "Wagner", "López", "Sánchez", "Romano", "Colombo", "Wilson", "Clarke", "Lambert", "Roux",
                        "Becker", "Hoffmann", "Pérez", "Núñez", "Ricci", "Marino", "Walker", "Hughes", "Fontaine",
                        "Chevalier", "Schäfer", "Köhler", "Ruiz", "Jiménez", "Greco", "Bruno", "Evans", "Wright",
                        "Mercier", "Blanc", "Krüger", "Zimmermann", "Díaz", "Moreno", "Gallo", "Conti", "O'Neill",
                        "D'Alessandro", "L'Hermite", "Dell'Acqua", "Ó Súilleabháin", "Ibáñez", "Björklund",
                        "Sørensen", "Ångström", "Nováková"};
const Words topics = {"Love", "Life", "Time", "Friendship", "Wisdom", "Death", "War", "Peace", "Art", "Music",
                      "Nature", "Money", "Work", "Happiness", "Sorrow", "Courage", "Freedom", "Power", "Knowledge",
                      "Youth", "Old age", "Faith", "Doubt", "Change", "Memory", "Virtue", "Politics", "Science",
                      "Books", "Humour", "Amore", "Vita", "Tempo", "Amicizia", "Saggezza", "Libertà", "Felicità",
                      "Bellezza", "Verità", "Destino", "Vérité", "Liberté", "Beauté", "Rêves", "Éducation",
                      "Glück", "Schönheit", "Träume", "Natur", "Mut", "Esperanza", "Corazón", "Razón", "Pasión",
                      "Soledad", "Family", "Travel", "Success", "Failure", "Silence"};
const Words joins = {" and ", " & ", " / ", " e ", " et ", " und ", " y "};
const Words love_words = {"love", "loved", "lovers", "beloved", "lovely"};

// Words planted at fixed shares, so that searches of every selectivity have a word to look
// for: none of them is found inside any other word the generator writes.
struct Planted {
    const char* word;
    const char* column;
    double share;  // of the rows (text), or of the rows that have a note (notes)
    const char* label;
};
const Planted planted_words[] = {
    {"zephyrine", "text", 0.0001, "0.01%"}, {"marmalade", "text", 0.01, "1%"},
    {"ubiquity", "text", 0.55, "55%"},      {"palimpsest", "notes", 0.0004, "0.01%"},
    {"colophon", "notes", 0.04, "1%"},      {"provenance", "notes", 0.55, "55% of notes"},
};
// A note is written for this share of the quotations.
constexpr double note_share = 0.25;

// `word` put between two words of `text`, at a place drawn at random.
void plant(Rng& rng, std::string& text, const char* word) {
    std::vector<std::size_t> spaces;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == ' ') spaces.push_back(i);
    if (spaces.empty()) {
        text += ' ';
        text += word;
        return;
    }
    text.insert(spaces[rng.below(spaces.size())] + 1, std::string(word) + ' ');
}

void plant_words(Rng& rng, std::string& text, const char* column) {
    for (const Planted& p : planted_words)
        if (std::strcmp(p.column, column) == 0 && rng.chance(p.share)) plant(rng, text, p.word);
}

std::string capitalised(const std::string& word) {
    const QString w = QString::fromStdString(word);
    if (w.isEmpty()) return word;
    return (w.left(1).toUpper() + w.mid(1)).toStdString();
}

std::string lower(const std::string& s) { return QString::fromStdString(s).toLower().toStdString(); }

// Number of authors for a collection: one for every forty quotations, as a large real collection has.
std::size_t author_count(qint64 quotes) { return std::size_t(std::max<qint64>(quotes / 40, 2000)); }

// The first names are fixed, so that filters can name them.
const Words featured_authors = {"Anonimo", "Gabriele D'Amico", "Ângela Müller", "Seán O'Brien", "François Lefèvre",
                                "Émile Zola", "Søren Dvořák"};

std::vector<std::string> make_authors(Rng& rng, std::size_t n) {
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    for (const std::string& a : featured_authors) {
        out.push_back(a);
        seen.insert(lower(a));
    }
    while (out.size() < n) {
        std::string name = rng.pick(first_names);
        if (rng.chance(0.35)) {
            name += ' ';
            name += char('A' + rng.below(26));
            name += '.';
        }
        name += ' ';
        name += rng.pick(surnames);
        if (seen.insert(lower(name)).second) out.push_back(std::move(name));
    }
    return out;
}

std::vector<std::string> make_subjects(Rng& rng, std::size_t n) {
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    for (const std::string& t : topics)
        if (seen.insert(lower(t)).second) out.push_back(t);
    while (out.size() < n) {
        std::string s = rng.pick(topics) + rng.pick(joins) + lower(rng.pick(topics));
        if (seen.insert(lower(s)).second) out.push_back(std::move(s));
    }
    return out;
}

struct LanguageWords {
    std::string code;
    double share;
    Words words;
    Words capitals;
};

// A quotation in one language, 40 to 600 characters, most of them short.
void make_text(Rng& rng, const LanguageWords& lang, std::string& out) {
    out.clear();
    const double u = rng.unit();
    const std::size_t target = 40 + std::size_t(560.0 * u * u);
    const bool with_love = lang.code == "EN" ? rng.chance(0.10) : rng.chance(0.005);
    std::size_t love_at = with_love ? rng.below(6) : std::size_t(-1);

    const double mark = rng.unit();
    const char* open = "";
    const char* close = "";
    if (mark < 0.05) { open = "“"; close = "”"; }
    else if (mark < 0.07) { open = lang.code == "FR" ? "« " : "«"; close = lang.code == "FR" ? " »" : "»"; }
    else if (mark < 0.09) { open = "\""; close = "\""; }
    else if (mark < 0.10) { open = "- "; }
    else if (mark < 0.11) { open = "— "; }
    else if (mark < 0.115) { open = "  '"; close = "'"; }
    out += open;

    bool sentence_start = true;
    std::size_t words = 0;
    const std::size_t budget = 600 - std::strlen(close) - 1;
    while (true) {
        const std::size_t i = rng.below(lang.words.size());
        const std::string& w =
            words == love_at ? love_words[rng.below(love_words.size())] : (sentence_start ? lang.capitals[i] : lang.words[i]);
        if (out.size() + w.size() + 2 > budget) break;
        if (words > 0) out += ' ';
        out += w;
        ++words;
        sentence_start = false;
        if (out.size() >= target && words >= 3) break;
        const double p = rng.unit();
        if (p < 0.06) out += ',';
        else if (p < 0.10 && words > 3) {
            out += p < 0.09 ? '.' : (p < 0.095 ? '!' : '?');
            sentence_start = true;
        }
    }
    if (!out.empty() && (out.back() == ',' || out.back() == '.' || out.back() == '!' || out.back() == '?')) out.pop_back();
    out += '.';
    out += close;
    while (out.size() < 40) out += " ...";  // only for the shortest draws with long closing marks
}

class Sql {
public:
    explicit Sql(sqlite3* db) : db_(db) {}
    void exec(const char* sql) {
        char* err = nullptr;
        if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
            const std::string why = err ? err : "unknown error";
            sqlite3_free(err);
            throw std::runtime_error(why);
        }
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db_));
        return st;
    }
    void done(sqlite3_stmt* st) {
        if (sqlite3_step(st) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
        sqlite3_reset(st);
    }

private:
    sqlite3* db_;
};

void bind_text(sqlite3_stmt* st, int i, const std::string& s) { sqlite3_bind_text(st, i, s.data(), int(s.size()), SQLITE_TRANSIENT); }

void generate(const QString& path, qint64 quotes) {
    schema::create_database(path, false);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw std::runtime_error("cannot open the new file");
    }
    Sql sql(db);
    std::vector<sqlite3_stmt*> statements;
    try {
        // The file is thrown away if anything fails: no journal, no waiting for the disk.
        sql.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-262144; BEGIN");
        Rng rng(0x5E17A7A000000000ull ^ std::uint64_t(quotes));

        std::vector<LanguageWords> langs;
        for (const Language& l : languages()) {
            LanguageWords lw{l.code, l.share, l.words, {}};
            for (const std::string& w : l.words) lw.capitals.push_back(capitalised(w));
            langs.push_back(std::move(lw));
        }

        const std::vector<std::string> authors = make_authors(rng, author_count(quotes));
        const std::vector<std::string> subjects = make_subjects(rng, 300);

        sqlite3_stmt* add_author = sql.prepare("INSERT INTO authors VALUES (?, ?, ?, ?)");
        statements.push_back(add_author);
        std::string note, picture;
        for (std::size_t i = 0; i < authors.size(); ++i) {
            bind_text(add_author, 1, authors[i]);
            if (rng.chance(0.15)) {
                note = "Born in " + std::to_string(1500 + rng.below(500)) + "; " + langs[0].words[rng.below(langs[0].words.size())];
                bind_text(add_author, 2, note);
            } else {
                sqlite3_bind_null(add_author, 2);
            }
            if (rng.chance(0.25)) {
                picture = "author_" + std::to_string(i) + (rng.chance(0.8) ? ".jpg" : ".gif");
                bind_text(add_author, 3, picture);
            } else {
                sqlite3_bind_null(add_author, 3);
            }
            sqlite3_bind_double(add_author, 4, rng.chance(0.9) ? 0.001 + rng.unit() * 0.998 : 0.0);
            sql.done(add_author);
        }

        sqlite3_stmt* add_subject = sql.prepare("INSERT INTO subjects VALUES (?, 0)");
        statements.push_back(add_subject);
        for (const std::string& s : subjects) {
            bind_text(add_subject, 1, s);
            sql.done(add_subject);
        }
        sql.exec("INSERT INTO websites VALUES ('Quotations wiki', 'https://example.org/quotes', 'EN', NULL),"
                 " ('Aforismi', 'https://example.org/aforismi', 'IT', 'citazioni'),"
                 " ('Citations', 'https://example.org/citations', 'FR', NULL)");

        sqlite3_stmt* add_quote = sql.prepare(
            "INSERT INTO quotes (text, author, subject, language, notes, rate, random) VALUES (?, ?, ?, ?, ?, ?, ?)");
        statements.push_back(add_quote);
        std::string text, missing_author;
        for (qint64 q = 0; q < quotes; ++q) {
            double l = rng.unit();
            const LanguageWords* lang = &langs.back();
            for (const LanguageWords& candidate : langs) {
                if (l < candidate.share) {
                    lang = &candidate;
                    break;
                }
                l -= candidate.share;
            }
            make_text(rng, *lang, text);
            plant_words(rng, text, "text");
            bind_text(add_quote, 1, text);
            if (rng.chance(0.001)) {  // an author whose row was removed: not in the grid, still counted
                missing_author = "Removed author " + std::to_string(rng.below(50));
                bind_text(add_quote, 2, missing_author);
            } else {
                bind_text(add_quote, 2, authors[rng.skewed(authors.size(), 2.5)]);
            }
            bind_text(add_quote, 3, rng.chance(0.4) ? std::string("-") : subjects[rng.skewed(subjects.size(), 2.0)]);
            sqlite3_bind_text(add_quote, 4, lang->code.c_str(), -1, SQLITE_STATIC);
            if (rng.chance(note_share)) {
                const LanguageWords& en = langs[0];
                switch (rng.below(4)) {
                case 0: note = "From \"" + en.capitals[rng.below(en.words.size())] + " " + en.words[rng.below(en.words.size())] + "\", " + std::to_string(1600 + rng.below(420)); break;
                case 1: note = "Source: letter to " + first_names[rng.below(first_names.size())]; break;
                case 2: note = "Translated by " + authors[rng.below(authors.size())]; break;
                default: note = "Heard on the radio; check the wording"; break;
                }
                plant_words(rng, note, "notes");
                bind_text(add_quote, 5, note);
            } else {
                sqlite3_bind_null(add_quote, 5);
            }
            if (rng.chance(0.3)) sqlite3_bind_null(add_quote, 6);
            else sqlite3_bind_int(add_quote, 6, 1 + int(rng.below(3)));
            // Most quotations have a fresh number; some were shown already and moved back.
            double r = 0.0;
            while (r == 0.0) r = double(float(rng.unit()));
            if (rng.chance(0.02)) r += double(1 + rng.below(4));
            sqlite3_bind_double(add_quote, 7, r);
            sql.done(add_quote);
        }
        for (sqlite3_stmt* st : statements) sqlite3_finalize(st);
        statements.clear();
        sql.exec("COMMIT");
    } catch (...) {
        for (sqlite3_stmt* st : statements) sqlite3_finalize(st);
        sqlite3_close_v2(db);
        QFile::remove(path);
        throw;
    }
    sqlite3_close_v2(db);
    // Opened once by the program, as every collection it starts on has been: it gathers its
    // statistics then.
    Database::open(path);
}

qint64 max_key(const QString& path) {
    sqlite3* db = nullptr;
    qint64 n = -1;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT max(key) FROM quotes", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close_v2(db);
    return n;
}

}  // namespace

qint64 parse_size(const QString& text) {
    QString t = text.trimmed().toLower();
    qint64 factor = 1;
    if (t.endsWith(u'k')) factor = 1000;
    else if (t.endsWith(u'm')) factor = 1000000;
    if (factor != 1) t.chop(1);
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || v <= 0) return 0;
    return qint64(std::llround(v * double(factor)));
}

QString size_name(qint64 quotes) {
    if (quotes % 1000000 == 0) return QString::number(quotes / 1000000) + u'M';
    if (quotes % 1000 == 0) return QString::number(quotes / 1000) + u'k';
    return QString::number(quotes);
}

QString default_cache_folder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/sentara-bench");
}

std::vector<SearchWord> planted_search_words() {
    std::vector<SearchWord> out;
    for (const Planted& p : planted_words) {
        SearchWord w;
        w.word = QString::fromLatin1(p.word);
        w.column = QString::fromLatin1(p.column);
        w.planned = QLatin1String(p.column) == QLatin1String("notes") ? p.share * note_share : p.share;
        w.label = QString::fromLatin1(p.label);
        out.push_back(w);
    }
    return out;
}

GeneratedFile generated_collection(const QString& cache_folder, qint64 quotes) {
    GeneratedFile g;
    g.path = cache_folder + u'/' + QStringLiteral("quotes-%1-g%2.mdb").arg(size_name(quotes)).arg(generator_version);
    g.words = planted_search_words();
    if (QFileInfo::exists(g.path) && max_key(g.path) == quotes) return g;

    if (!QDir().mkpath(cache_folder)) throw std::runtime_error("cannot create " + cache_folder.toStdString());
    // Files of other generator versions for this size are out of date, and what was made of them.
    const QDir dir(cache_folder);
    for (const QString& old : dir.entryList({QStringLiteral("quotes-%1-g*").arg(size_name(quotes))}, QDir::Files))
        QFile::remove(dir.filePath(old));
    const QString part = g.path + QStringLiteral(".part");
    QFile::remove(part);
    QElapsedTimer timer;
    timer.start();
    generate(part, quotes);
    if (!QFile::rename(part, g.path)) throw std::runtime_error("cannot rename " + part.toStdString());
    g.generated_now = true;
    g.seconds = double(timer.nsecsElapsed()) / 1e9;
    return g;
}

}  // namespace bench
