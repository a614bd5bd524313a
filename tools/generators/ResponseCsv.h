#pragma once

#include <string>
#include <vector>

namespace QuorvelZenth {

// Writes a response table: the header lines as '#' comments, then one row
// per line, each value with 17 significant digits so it reads back as the
// same double. Throws std::runtime_error when the file cannot be written.
void WriteResponseCsv(const std::string& path, const std::vector<std::string>& header,
                      const std::vector<std::vector<double>>& rows);

}  // namespace QuorvelZenth
