#include "support/BenchReport.h"

#include <cmath>
#include <cstdio>

namespace BenchReport {

namespace {

// Large figures (bytes) as whole numbers, others with six significant digits.
std::string number(double value)
{
    char text[64];
    if (std::fabs(value) >= 1e6)
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

void line(const std::string& name, double value, const std::string& unit, const std::string& baseline,
          const std::string& ratio)
{
    std::printf("%s\t%s\t%s\t%s\t%s\n", name.c_str(), number(value).c_str(), unit.c_str(), baseline.c_str(),
                ratio.c_str());
    std::fflush(stdout);
}

}

void figure(const std::string& name, double value, const std::string& unit)
{
    line(name, value, unit, "-", "-");
}

void figure(const std::string& name, double value, const std::string& unit, double baseline)
{
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.3f", value / baseline);
    line(name, value, unit, number(baseline), ratio);
}

void note(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
}

}
