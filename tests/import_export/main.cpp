#include "support/fixture.h"

#include <QApplication>
#include <QTest>

#include <memory>

QObject* make_export_tests();
QObject* make_import_tests();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    isolate_user_files();
    int failed = 0;
    for (auto make : {make_export_tests, make_import_tests}) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
