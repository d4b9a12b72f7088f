#include "floors.h"

#include <QElapsedTimer>

namespace bench {

double Floor::run(PlainEngine& engine) {
    QElapsedTimer timer;
    if (chosen_ >= 0) {
        timer.start();
        rows_ = engine.rows(plans_[size_t(chosen_)].sql);
        return double(timer.nsecsElapsed()) / 1e6;
    }
    double best = 0;
    std::vector<std::vector<PlainEngine::Row>> finished(plans_.size());
    std::vector<bool> ended(plans_.size(), false);
    for (size_t i = 0; i < plans_.size(); ++i) {
        bool interrupted = false;
        timer.start();
        auto rows = engine.rows(plans_[i].sql, chosen_ < 0 ? 0 : best * 1.05 + 1, &interrupted);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (interrupted) continue;
        ended[i] = true;
        finished[i] = std::move(rows);
        if (chosen_ < 0 || ms < best) {
            best = ms;
            chosen_ = int(i);
        }
    }
    rows_ = finished[size_t(chosen_)];
    for (size_t i = 0; i < plans_.size(); ++i)
        if (ended[i] && !(same_ ? same_(finished[i], rows_) : finished[i] == rows_) && disagreement_.isEmpty())
            disagreement_ = QStringLiteral("the floor's plans \"%1\" and \"%2\" disagree").arg(plans_[i].label, chosen().label);
    return best;
}

}  // namespace bench
