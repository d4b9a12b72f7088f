#include "support/fixture.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

QObject* make_export_writer_tests();
QObject* make_import_parser_tests();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    isolate_user_files();
    int failed = 0;
    for (auto make : {make_export_writer_tests, make_import_parser_tests}) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
