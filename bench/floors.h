#pragma once

#include "engine.h"

#include <QString>

#include <functional>

#include <vector>

namespace bench {

// One way to write a floor's work in plain SQL.
struct FloorPlan {
    QString label;
    QString sql;
};

// A floor: the fastest of the plans a competent engineer would try for the same work, on the
// same file, with the indexes it has. The first run tries every plan (each stopped once it is
// slower than the fastest so far) and keeps the fastest; the runs after it run only that one.
// Every plan that ran to its end must give the same rows: the plans are the same question.
class Floor {
public:
    using Rows = std::vector<PlainEngine::Row>;
    // `same` tells whether two plans' rows are the same answer (by default: equal); rows alike
    // in an order may come in any order.
    explicit Floor(std::vector<FloorPlan> plans, std::function<bool(const Rows&, const Rows&)> same = nullptr)
        : plans_(std::move(plans)), same_(std::move(same)) {}

    // One run; returns milliseconds.
    double run(PlainEngine& engine);

    const std::vector<PlainEngine::Row>& rows() const { return rows_; }
    qint64 number() const { return rows_.empty() || rows_.front().empty() ? 0 : rows_.front().front().toLongLong(); }
    const FloorPlan& chosen() const { return plans_[chosen_ < 0 ? 0 : size_t(chosen_)]; }
    // Plans that ran to their end with other rows than the fastest one.
    const QString& disagreement() const { return disagreement_; }

private:
    std::vector<FloorPlan> plans_;
    std::function<bool(const Rows&, const Rows&)> same_;
    int chosen_ = -1;
    std::vector<PlainEngine::Row> rows_;
    QString disagreement_;
};

}  // namespace bench
