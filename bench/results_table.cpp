#include "results_table.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace zentaro::bench {
namespace {

std::vector<Figure>& Figures() {
    static std::vector<Figure> figures;
    return figures;
}

}  // namespace

void Record(Figure figure) { Figures().push_back(std::move(figure)); }

const std::vector<Figure>& Recorded() { return Figures(); }

int PrintTable() {
    std::size_t whatWidth = 6, measuredWidth = 8, goalWidth = 4;
    for (const Figure& f : Figures()) {
        whatWidth = std::max(whatWidth, f.what.size());
        measuredWidth = std::max(measuredWidth, f.measured.size());
        goalWidth = std::max(goalWidth, f.goal.size());
    }
    const auto line = [&](const std::string& what, const std::string& measured, const std::string& goal,
                          const std::string& verdict) {
        std::printf("%-*s  %-*s  %-*s  %s\n", static_cast<int>(whatWidth), what.c_str(),
                    static_cast<int>(measuredWidth), measured.c_str(), static_cast<int>(goalWidth), goal.c_str(),
                    verdict.c_str());
    };
    int missed = 0;
    std::printf("\n");
    line("Figure", "Measured", "Goal", "Result");
    line(std::string(whatWidth, '-'), std::string(measuredWidth, '-'), std::string(goalWidth, '-'), "------");
    for (const Figure& f : Figures()) {
        if (f.met && !*f.met) ++missed;
        line(f.what, f.measured, f.goal, !f.met ? "" : *f.met ? "met" : "MISSED");
    }
    std::fflush(stdout);
    return missed;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 == 1) return *middle;
    const double upper = *middle;
    const double lower = *std::max_element(samples.begin(), middle);
    return (lower + upper) / 2;
}

std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

}  // namespace zentaro::bench
