#include "f_main.h"

#include "core/app_context.h"

#include <QMenuBar>

f_main::f_main(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("f_main"));
    setWindowTitle(QStringLiteral("Sentara"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("m_file"));
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("m_exit"));
    connect(exit, &QAction::triggered, this, &f_main::uscita);
    ctx_.main_window_open = true;
    resize(800, 600);
}

f_main::~f_main() { ctx_.main_window_open = false; }

void f_main::uscita() {
    ctx_.main_window_open = false;
    close();
    ctx_.ui.end_program();
}
