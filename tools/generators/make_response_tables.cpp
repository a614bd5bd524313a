// Writes the receiver's equaliser and the transmitter's de-emphasis response
// tables, the data the model libraries are built from:
//
//   make_response_tables <equalizer_response.csv> <de_response.csv>
//
// The output depends on nothing but this program, so re-running it must
// reproduce the committed files byte for byte.

#include <exception>
#include <iostream>

#include "DeEmphasisFamily.h"
#include "EqualizerFamily.h"
#include "ResponseCsv.h"

using namespace QuorvelZenth;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <equalizer_response.csv> <de_response.csv>\n";
        return 2;
    }
    try {
        WriteResponseCsv(
            argv[1],
            {"EqualizerResponse: impulse responses in 1/s at k x 8 ps, k = 0..79;",
             "rows: set 0 levels 0..15, then set 1 levels 0..15.",
             "Made by tools/generators/make_response_tables: regenerate, do not edit."},
            MakeEqualizerResponse());
        WriteResponseCsv(
            argv[2],
            {"DeResponse: impulse responses in 1/s at k x 4 ps, k = 0..79;",
             "rows: DE levels 0..7.",
             "Made by tools/generators/make_response_tables: regenerate, do not edit."},
            MakeDeEmphasisResponse());
    } catch (const std::exception& error) {
        std::cerr << "make_response_tables: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
