#include "support/fixture.h"

#include <QApplication>
#include <QTest>

#include <memory>

QObject* make_filtering_tests();
QObject* make_editing_tests();
QObject* make_data_safety_tests();
QObject* make_window_tests();
QObject* make_bulk_tests();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    isolate_user_files();
    int failed = 0;
    for (auto make : {make_filtering_tests, make_editing_tests, make_data_safety_tests, make_window_tests,
                      make_bulk_tests}) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
