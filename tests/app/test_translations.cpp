// The program in the user's language: under each locale it ships, its help in the terminal and
// the main window and the windows translated so far show no English left over, and no text of the sources is
// missing from a translation.
#include "core/help.h"
#include "core/translations.h"
#include "import_export/f_export.h"
#include "import_export/f_import.h"
#include "main_window/f_main.h"
#include "reference/f_authors.h"
#include "reference/f_languages.h"
#include "reference/f_subjects.h"
#include "reference/f_trash.h"
#include "reference/f_websites.h"
#include "slide_show/f_slide_show.h"
#include "slide_show/f_slide_show_help.h"
#include "support/fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTranslator>

namespace {

const QStringList languages{QStringLiteral("it"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

// Texts that stay as they are in every language: the program's name, and words the languages
// share with English.
const QStringList same_everywhere{QStringLiteral("Sentara"), QStringLiteral("OK")};
const QMap<QString, QStringList> same_in{
    {QStringLiteral("de"), {QStringLiteral("Text"), QStringLiteral("Format"), QStringLiteral("Sentara - Export"), QStringLiteral("Sentara - Import"), QStringLiteral("Import"),
                            QStringLiteral("Name"), QStringLiteral("Filter")}},
    {QStringLiteral("fr"), {QStringLiteral("Format"), QStringLiteral("Notes"), QStringLiteral("Code"), QStringLiteral("Description")}}};

// The words of a text, without option names and placeholders, in one line.
QString words_of(QString text) {
    text.remove(QRegularExpression(QStringLiteral("--?[a-z][a-z-]*|<[^>]*>|%\\d")));
    text.replace(QRegularExpression(QStringLiteral("[^\\w']+")), QStringLiteral(" "));
    return text.simplified();
}

// A caption as it is seen: its access key's marker dropped ("&&" is an ampersand).
QString seen(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

// Every visible text of `window` (its title, labels, buttons, menu entries, tips), by object name.
QMap<QString, QString> texts_of(QWidget* window) {
    QMap<QString, QString> texts;
    texts.insert(QStringLiteral("title"), window->windowTitle());
    texts.insert(QStringLiteral("accessible name"), window->accessibleName());
    texts.insert(QStringLiteral("accessible description"), window->accessibleDescription());
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->toolTip().isEmpty()) texts.insert(w->objectName() + QStringLiteral(" tip"), w->toolTip());
    for (QLabel* l : window->findChildren<QLabel*>()) texts.insert(l->objectName(), seen(l->text()));
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) texts.insert(b->objectName(), seen(b->text()));
    for (QAction* a : window->findChildren<QAction*>()) texts.insert(a->objectName(), seen(a->text()));
    for (QGroupBox* g : window->findChildren<QGroupBox*>()) texts.insert(g->objectName(), seen(g->title()));
    return texts;
}

// The texts of the windows and boxes translated so far, made under the translation installed now.
QMap<QString, QString> window_texts(AppContext& ctx) {
    QMap<QString, QString> texts;
    f_slide_show_help help(ctx, 2500, nullptr);
    for (const auto& [name, text] : texts_of(&help).asKeyValueRange()) texts.insert(QStringLiteral("help ") + name, text);
    auto* show = new f_slide_show(ctx, QGuiApplication::primaryScreen());
    for (const auto& [name, text] : texts_of(show).asKeyValueRange()) texts.insert(QStringLiteral("show ") + name, text);
    delete show;
    auto* import = new f_import(ctx);
    for (const auto& [name, text] : texts_of(import).asKeyValueRange()) texts.insert(QStringLiteral("import ") + name, text);
    delete import;
    auto* export_window = new f_export(ctx, {});
    for (const auto& [name, text] : texts_of(export_window).asKeyValueRange()) texts.insert(QStringLiteral("export ") + name, text);
    delete export_window;
    // The main window, on the fixture's collection: its menus, labels, buttons and tips.
    auto* main_window = new f_main(ctx);
    for (const auto& [name, text] : texts_of(main_window).asKeyValueRange()) texts.insert(QStringLiteral("main ") + name, text);
    delete main_window;
    // The reference windows.
    for (QWidget* window : std::initializer_list<QWidget*>{new f_authors(ctx), new f_subjects(ctx), new f_languages(ctx),
                                                            new f_websites(ctx), new f_trash(ctx)}) {
        for (const auto& [name, text] : texts_of(window).asKeyValueRange())
            texts.insert(window->objectName() + u' ' + name, text);
        delete window;
    }
    // The help menu's boxes.
    texts.insert(QStringLiteral("about title"), about_title());
    texts.insert(QStringLiteral("about text"), about_text(QStringLiteral("1.18")));
    texts.insert(QStringLiteral("support title"), support_title());
    texts.insert(QStringLiteral("support text"), support_text());
    texts.insert(QStringLiteral("history title"), version_history_window_title());
    return texts;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void help_is_translated_in_every_language() {
        QTemporaryDir home;
        const QString english = run_program(SENTARA_EXE, {QStringLiteral("--help")}, home.path()).out;
        QVERIFY(english.contains(QStringLiteral("Shows this help.")));
        for (const QString& lang : languages) {
            QProcess p;
            QProcessEnvironment env = program_environment(home.path());
            env.insert(QStringLiteral("LANG"), lang + u'_' + lang.toUpper() + QStringLiteral(".UTF-8"));
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(SENTARA_EXE), {QStringLiteral("--help")});
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 0);
            const QString translated = words_of(QString::fromUtf8(p.readAllStandardOutput()));
            // No line of the English help is left in it (a name alone is no sentence).
            for (const QString& line : english.split(u'\n')) {
                const QString w = words_of(line);
                if (w.count(u' ') < 1 || same_everywhere.contains(w)) continue;
                QVERIFY2(!translated.contains(w), qPrintable(lang + QStringLiteral(": \"") + w + QStringLiteral("\" is not translated")));
            }
        }
    }

    void windows_are_translated_in_every_language() {
        Fixture f;
        const QMap<QString, QString> english = window_texts(*f.ctx);
        QVERIFY(english.value(QStringLiteral("help c_dont_show_anymore")).startsWith(QStringLiteral("Don't show")));
        for (const QString& lang : languages) {
            QVERIFY2(install_translations(*qApp, QStringLiteral(SENTARA_PROGRAM_FOLDER), QLocale(lang)),
                     qPrintable(lang + QStringLiteral(": no translation in ") +
                                translations_folder(QStringLiteral(SENTARA_PROGRAM_FOLDER))));
            const QMap<QString, QString> translated = window_texts(*f.ctx);
            QStringList left;
            for (const auto& [name, text] : english.asKeyValueRange()) {
                if (words_of(text).isEmpty() || same_everywhere.contains(text) || same_in.value(lang).contains(text)) continue;
                // The main window's title: the program's name and its file's.
                if (text.startsWith(QStringLiteral("Sentara - ")) && text.endsWith(QStringLiteral(".mdb"))) continue;
                if (translated.value(name) == text) left << name + QStringLiteral(": \"") + text + u'"';
            }
            QVERIFY2(left.isEmpty(), qPrintable(lang + QStringLiteral(", not translated: ") + left.join(QStringLiteral("; "))));
            for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
                QCoreApplication::removeTranslator(t);
                delete t;
            }
        }
    }

    // lupdate run on the sources as they are now finds no text a translation lacks.
    void no_text_is_missing_from_a_translation() {
        QTemporaryDir work;
        for (const QString& lang : languages) {
            const QString ts = QStringLiteral(SENTARA_TRANSLATIONS) + QStringLiteral("/sentara_") + lang + QStringLiteral(".ts");
            const QString copy = work.filePath(QFileInfo(ts).fileName());
            QVERIFY(QFile::copy(ts, copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(SENTARA_LUPDATE),
                          {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                           QStringLiteral("-no-obsolete"), QStringLiteral(SENTARA_SOURCES), QStringLiteral("-ts"), copy});
            QVERIFY(lupdate.waitForFinished(120000));
            QCOMPARE(lupdate.exitCode(), 0);
            QFile updated(copy);
            QVERIFY(updated.open(QIODevice::ReadOnly));
            const QString xml = QString::fromUtf8(updated.readAll());
            // Each text lupdate found without a translation, with the one before it for context.
            QStringList missing;
            const QRegularExpression unfinished(QStringLiteral("<source>([^<]*)</source>\\s*<translation type=\"unfinished\""));
            for (const auto& m : unfinished.globalMatch(xml)) missing << m.captured(1);
            QVERIFY2(missing.isEmpty(), qPrintable(lang + QStringLiteral(": ") + missing.join(QStringLiteral(" | "))));
        }
    }
};

SENTARA_TESTS(TestTranslations)
#include "test_translations.moc"
