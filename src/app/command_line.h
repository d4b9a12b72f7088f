#pragma once

#include "core/random_quote.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks for. Without options the program opens its windows; every option
// does its work and ends without opening one.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Action { windows, help, version, create_database, random, import, import_access, export_file, find_duplicates, error } action = windows;
    QString error_text;
    QString help_text;  // the text of --help, filled by parse
    QString database;   // --database, or the path of --create-database
    bool with_samples = false;
    RandomChoice choice;           // --author, --subject, --language, --filter, --min-rate (the first three for --import too)
    QString format = QStringLiteral("plain");
    QString import_file;           // --import, or the Access file of --import-access
    QString import_format;         // --format with --import: a name of import_formats; empty: guessed
    QString export_file_path;      // --export
    QString export_format;         // --format with --export: text, fortune or csv; empty: by the file's name
    int threshold = 0;             // --threshold with --find-duplicates: percent; 0: the default
    bool quit_when_shown = false;  // for the benchmark: end once the first page is painted
};

// Needs a QCoreApplication for the help text. `arguments` starts with the program's name.
CommandLine parse_command_line(const QStringList& arguments);
