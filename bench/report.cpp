#include "report.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double median_of(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString Target::text() const {
    switch (kind) {
    case at_most_ms: return QStringLiteral("<= %1 ms").arg(value);
    case times_floor: return QStringLiteral("<= %1x floor").arg(value);
    case times_floor_or_frame: return QStringLiteral("<= %1x or 16 ms").arg(value);
    case at_most_mb: return QStringLiteral("<= %1 MB").arg(value);
    case none: break;
    }
    return QStringLiteral("(info)");
}

double Figure::median() const { return median_of(runs); }

double Figure::max() const { return runs.empty() ? 0 : *std::max_element(runs.begin(), runs.end()); }

double Figure::floor() const { return median_of(floor_runs); }

double Figure::ratio() const {
    if (paired && runs.size() == floor_runs.size() && !runs.empty()) {
        std::vector<double> each;
        for (size_t i = 0; i < runs.size(); ++i)
            if (floor_runs[i] > 0) each.push_back(runs[i] / floor_runs[i]);
        if (each.size() == runs.size()) return median_of(each);
    }
    return floor() > 0 ? median() / floor() : 0;
}

bool Figure::passed() const {
    if (!failure.isEmpty() || runs.empty()) return false;
    switch (target.kind) {
    case Target::at_most_ms:
    case Target::at_most_mb: return median() <= target.value;
    case Target::times_floor: return floor() > 0 && ratio() <= target.value;
    case Target::times_floor_or_frame: return median() <= 16 || (floor() > 0 && ratio() <= target.value);
    case Target::none: break;
    }
    return true;
}

QString Figure::verdict() const {
    if (!not_measured.isEmpty()) return QStringLiteral("n/a");
    if (!failure.isEmpty()) return QStringLiteral("FAIL");
    if (target.kind == Target::none) return QStringLiteral("-");
    return passed() ? QStringLiteral("PASS") : QStringLiteral("MISS");
}

namespace {

QString amount(double v, const QString& unit) {
    if (unit == QLatin1String("MB")) return QStringLiteral("%1 MB").arg(v, 0, 'f', 1);
    if (v >= 10000) return QStringLiteral("%1 s").arg(v / 1000, 0, 'f', 1);
    if (v >= 100) return QStringLiteral("%1 ms").arg(v, 0, 'f', 0);
    if (v >= 10) return QStringLiteral("%1 ms").arg(v, 0, 'f', 1);
    return QStringLiteral("%1 ms").arg(v, 0, 'f', 2);
}

}  // namespace

void print_header() {
    std::printf("%-66s %8s %10s %10s %10s %6s  %-15s %s\n", "figure", "size", "median", "max", "floor", "ratio",
                "target", "result");
    std::printf("%s\n", QString(66 + 8 + 10 * 3 + 6 + 15 + 6 + 9, u'-').toUtf8().constData());
    std::fflush(stdout);
}

void print_line(const Figure& f) {
    const QByteArray name = f.name.toUtf8();
    if (!f.not_measured.isEmpty()) {
        std::printf("%-66s %8s %10s %10s %10s %6s  %-15s %s  (%s)\n", name.constData(), qPrintable(f.size), "-", "-",
                    "-", "-", qPrintable(f.target.text()), "n/a", qPrintable(f.not_measured));
    } else {
        const QString floor = f.floor_runs.empty() ? QStringLiteral("-") : amount(f.floor(), f.unit);
        const QString ratio = f.floor_runs.empty() ? QStringLiteral("-") : QString::number(f.ratio(), 'f', 2);
        std::printf("%-66s %8s %10s %10s %10s %6s  %-15s %s", name.constData(), qPrintable(f.size),
                    qPrintable(amount(f.median(), f.unit)), qPrintable(amount(f.max(), f.unit)), qPrintable(floor),
                    qPrintable(ratio), qPrintable(f.target.text()), qPrintable(f.verdict()));
        if (!f.failure.isEmpty()) std::printf("  (%s)", f.failure.toUtf8().constData());
        else if (!f.note.isEmpty()) std::printf("  (%s)", f.note.toUtf8().constData());
        std::printf("\n");
    }
    std::fflush(stdout);
}

}  // namespace bench
