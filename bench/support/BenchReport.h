#pragma once

#include <string>

// The figures of a benchmark, one tab-separated line each on stdout:
//   name  value  unit  baseline  ratio
// baseline is the baseline's value in the same unit, measured in the same run,
// and ratio is value / baseline; both are "-" for a figure without baseline.
// Everything else a benchmark says goes to stderr.
namespace BenchReport {

void figure(const std::string& name, double value, const std::string& unit);
void figure(const std::string& name, double value, const std::string& unit, double baseline);
void note(const std::string& text);

}
