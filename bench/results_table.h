// The figures the benchmarks measured, set against the program's goals and
// printed as one table once every benchmark has run.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentaro::bench {

struct Figure {
    std::string what;      // what was measured, ASCII so the columns line up
    std::string measured;  // the figure with its unit and, where it helps, its parts
    std::string goal;      // the goal, or empty for a figure shown for context
    std::optional<bool> met;
};

void Record(Figure figure);
const std::vector<Figure>& Recorded();

// Prints every recorded figure in the order recorded; returns how many goals were missed.
int PrintTable();

double Median(std::vector<double> samples);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace zentaro::bench
