#include <QObject>
QObject* make_help_tests() { return new QObject; }
