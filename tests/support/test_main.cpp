// The main of every test program: runs each test class registered with SENTARA_TESTS in turn.
#include "fixture.h"

#include "core/long_work.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <vector>

namespace {
std::vector<QObject* (*)()>& registered() {
    static std::vector<QObject* (*)()> all;
    return all;
}
}  // namespace

bool register_tests(QObject* (*make)()) {
    registered().push_back(make);
    return true;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    isolate_user_files();
    // Long work is stopped at the report a test names, whatever the machine's speed.
    long_work::set_lockstep(true);
    int failed = 0;
    for (auto make : registered()) {
        std::unique_ptr<QObject> tests(make());
        failed += QTest::qExec(tests.get(), argc, argv);
    }
    return failed;
}
