#pragma once

#include <QString>

#include <vector>

namespace bench {

// What a figure is held to.
struct Target {
    enum Kind { none, at_most_ms, times_floor, times_floor_or_frame, at_most_mb } kind = none;
    double value = 0;

    static Target ms(double v) { return {at_most_ms, v}; }
    static Target ratio(double v) { return {times_floor, v}; }
    // Within `v` times the floor, or done within one frame (16 ms): a window's own fixed work
    // (its counters, its edit area, its painting) is no slower than the eye can tell, however
    // small the engine's part is.
    static Target ratio_or_frame(double v) { return {times_floor_or_frame, v}; }
    static Target mb(double v) { return {at_most_mb, v}; }
    QString text() const;
};

// One line of the table: the program's runs and, beside them, the engine's on the same file.
struct Figure {
    QString name;
    QString size;
    QString unit = QStringLiteral("ms");   // "ms" or "MB"
    std::vector<double> runs;              // the program
    std::vector<double> floor_runs;        // the engine alone
    Target target;
    QString failure;                       // a reason the figure fails whatever the numbers
    QString not_measured;                  // why there is no number yet
    QString note;
    // Each run has the engine's run right after it: the ratio is the median of the runs' own
    // ratios, so that a machine busier for some seconds weighs on both sides of each.
    bool paired = false;

    double median() const;
    double max() const;
    double floor() const;  // median of the engine's runs; 0 when there are none
    double ratio() const;  // median / floor (paired: median of run / its floor run); 0 without a floor
    bool passed() const;
    // PASS, MISS (the target missed), FAIL (the figure's rows or work were wrong), "-" (no
    // target) or "n/a".
    QString verdict() const;
};

double median_of(std::vector<double> v);

void print_header();
void print_line(const Figure& f);

}  // namespace bench
