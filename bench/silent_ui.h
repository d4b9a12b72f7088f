#pragma once

#include "core/ui.h"

#include <QStringList>

// The user-interface services for measured runs: nothing waits for a person. Every box is
// answered OK (an empty file name for the file dialog) and remembered, because a run that shows
// anything did not go the way a normal start does.
class SilentUi : public Ui {
public:
    int message(const QString& text, int, const QString&) override {
        shown << text;
        return ok;
    }
    QString input(const QString& prompt, const QString&, const QString&) override {
        shown << prompt;
        return QString();
    }
    void yield() override {}
    void progress(const QString&, qint64, qint64) override {}
    void set_hourglass(bool) override {}
    void end_program() override {}

    QStringList shown;

protected:
    QString choose_file(FileDialog, const QString& title, const QString&, const QString&, const QString&) override {
        shown << title;
        return QString();
    }
    bool launch(const QString& target) override {
        shown << target;
        return true;
    }
};
