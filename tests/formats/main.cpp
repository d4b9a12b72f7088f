#include "support/fixture.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

QObject* make_export_writer_tests();
QObject* make_import_parser_tests();
QObject* make_reader_tests();
QObject* make_access_tests();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    isolate_user_files();
    int failed = 0;
    for (auto make : {make_export_writer_tests, make_import_parser_tests, make_reader_tests, make_access_tests}) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
