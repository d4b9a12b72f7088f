#pragma once

#include <QApplication>

class Ui;

// The program's application object. It is the last net under every event handler: an engine
// error that escapes one is reported with the common error report (once, after the event) and
// the program goes on, instead of ending at once. Handlers and models catch their own errors;
// this only stops one that was missed from taking the user's work with it.
//
// It also ends the program properly when the desktop asks it to (SIGTERM, SIGINT, SIGHUP): every
// event loop, a message box's too, returns, and the database is closed as on Exit.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    void set_ui(Ui* ui) { ui_ = ui; }
    bool notify(QObject* receiver, QEvent* event) override;

    // True once the desktop asked the program to end.
    static bool terminating();

private:
    void report_later(const QString& text);

    Ui* ui_ = nullptr;
    bool report_pending_ = false;
};
