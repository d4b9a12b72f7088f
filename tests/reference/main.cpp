#include "support/fixture.h"

#include <QApplication>
#include <QTest>

#include <memory>

QObject* make_authors_tests();
QObject* make_authors_window_tests();
QObject* make_subjects_tests();
QObject* make_subjects_window_tests();
QObject* make_languages_tests();
QObject* make_websites_tests();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    isolate_user_files();
    int failed = 0;
    for (auto make : {make_authors_tests, make_authors_window_tests, make_subjects_tests, make_subjects_window_tests,
                      make_languages_tests, make_websites_tests}) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
