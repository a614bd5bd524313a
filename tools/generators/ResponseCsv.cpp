#include "ResponseCsv.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace QuorvelZenth {

void WriteResponseCsv(const std::string& path, const std::vector<std::string>& header,
                      const std::vector<std::vector<double>>& rows) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : header) {
        file << "# " << line << '\n';
    }
    for (const std::vector<double>& row : rows) {
        const char* separator = "";
        for (double value : row) {
            char text[32];
            std::snprintf(text, sizeof text, "%.17g", value);
            file << separator << text;
            separator = ",";
        }
        file << '\n';
    }
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace QuorvelZenth
