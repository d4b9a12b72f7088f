#pragma once

#include "core/ui.h"

#include <QStringList>

#include <memory>

class QMessageBox;
class QProgressDialog;

// The user-interface services on Qt Widgets.
class QtUi : public Ui {
public:
    QtUi();
    ~QtUi() override;
    int message(const QString& text, int code = ok_only, const QString& title = QString()) override;
    int ask(const QString& text, const QString& first, const QString& second) override;
    QString input(const QString& prompt, const QString& title, const QString& default_text) override;
    void show_text(const QString& title, const QString& text) override;
    void yield() override;
    void progress(const QString& what, qint64 done, qint64 total) override;
    bool progress_or_stop(const QString& what, qint64 done, qint64 total) override;
    void set_hourglass(bool on) override;
    void end_program() override;

    // "description|patterns|description|patterns" as Qt name filters.
    static QStringList name_filters(const QString& filter);

protected:
    QString choose_file(FileDialog kind, const QString& title, const QString& filter, const QString& folder,
                        const QString& file) override;
    bool launch(const QString& url_or_path) override;

private:
    int hourglass_depth_ = 0;
    void run_box(QMessageBox& box) const;
    void show_progress(const QString& what, qint64 done, qint64 total, bool stoppable);
    std::unique_ptr<QProgressDialog> progress_;
};
