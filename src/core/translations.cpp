#include "translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

QString translations_folder(const QString& program_folder) { return program_folder + QStringLiteral("/translations"); }

bool install_translations(QCoreApplication& app, const QString& program_folder, const QLocale& locale) {
    // The translators belong to the application and live as long as it does.
    auto* qt_own = new QTranslator(&app);
    if (qt_own->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt_own);
    else
        delete qt_own;
    auto* own = new QTranslator(&app);
    if (own->load(locale, QStringLiteral("sentara"), QStringLiteral("_"), translations_folder(program_folder))) {
        QCoreApplication::installTranslator(own);
        return true;
    }
    delete own;
    return false;
}

QString readme_file(const QString& program_folder, const QLocale& locale) {
    for (const QString& language : locale.uiLanguages()) {
        const QString translated =
            program_folder + QStringLiteral("/readme.") + language.section(u'-', 0, 0).toLower() + QStringLiteral(".txt");
        if (QFileInfo::exists(translated)) return translated;
    }
    return program_folder + QStringLiteral("/readme.txt");
}
