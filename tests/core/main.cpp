#include <QApplication>
#include <QTest>

#include <memory>

QObject* make_core_tests();
QObject* make_startup_tests();
QObject* make_help_tests();
QObject* make_random_quote_tests();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto make : {make_core_tests, make_startup_tests, make_help_tests, make_random_quote_tests}) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
