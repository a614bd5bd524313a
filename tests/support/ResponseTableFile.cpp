#include "ResponseTableFile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace QuorvelZenth {

namespace {

double ParseNumber(const std::string& field, const std::string& where) {
    const char* begin = field.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || errno != 0 || !std::isfinite(value)) {
        throw std::runtime_error(where + ": '" + field + "' is not a number");
    }
    return value;
}

}  // namespace

std::vector<std::vector<double>> ReadResponseTable(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<std::vector<double>> rows;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line[0] == '#') {
            continue;
        }
        std::vector<double> row;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) {
            row.push_back(ParseNumber(field, path + ":" + std::to_string(number)));
        }
        rows.push_back(row);
    }
    return rows;
}

RowExtreme Largest(const std::vector<double>& row) {
    RowExtreme largest{row.at(0), 0};
    for (int k = 1; k < static_cast<int>(row.size()); ++k) {
        if (row[k] > largest.value) {
            largest = {row[k], k};
        }
    }
    return largest;
}

RowExtreme Deepest(const std::vector<double>& row) {
    std::vector<double> negated;
    for (double value : row) {
        negated.push_back(-value);
    }
    const RowExtreme largest = Largest(negated);
    return {-largest.value, largest.index};
}

double Area(const std::vector<double>& row, double step) {
    double sum = 0.0;
    for (double value : row) {
        sum += value;
    }
    return sum * step;
}

RowExtreme LargestRunningArea(const std::vector<double>& row, double step) {
    std::vector<double> running;
    double sum = 0.0;
    for (double value : row) {
        sum += value;
        running.push_back(sum * step);
    }
    return Largest(running);
}

int DirectionChanges(const std::vector<double>& row) {
    int changes = 0;
    int direction = 0;
    for (std::size_t k = 1; k < row.size(); ++k) {
        const int step = (row[k] > row[k - 1]) - (row[k] < row[k - 1]);
        if (step != 0) {
            changes += direction != 0 && step != direction;
            direction = step;
        }
    }
    return changes;
}

bool Near(double actual, double expected, double fraction, double floor) {
    return std::fabs(actual - expected) <= std::fmax(fraction * std::fabs(expected), floor);
}

}  // namespace QuorvelZenth
