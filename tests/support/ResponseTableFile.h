#pragma once

#include <string>
#include <vector>

namespace QuorvelZenth {

// A response table as its CSV file holds it: '#' lines are comments, every
// other line is one row of comma-separated numbers. Throws
// std::runtime_error naming the file and line when it cannot be read or a
// field is not a number.
std::vector<std::vector<double>> ReadResponseTable(const std::string& path);

// What the table tests measure on a row of values in 1/s taken `step`
// seconds apart.
struct RowExtreme {
    double value;
    int index;
};
RowExtreme Largest(const std::vector<double>& row);
RowExtreme Deepest(const std::vector<double>& row);
double Area(const std::vector<double>& row, double step);
RowExtreme LargestRunningArea(const std::vector<double>& row, double step);

// How often the row turns between rising and falling; steps without change
// neither rise nor fall.
int DirectionChanges(const std::vector<double>& row);

// Whether `actual` is within `fraction` of `expected`, or within `floor`.
bool Near(double actual, double expected, double fraction, double floor = 0.0);

}  // namespace QuorvelZenth
