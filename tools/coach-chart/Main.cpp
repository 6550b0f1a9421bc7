// Writes the help document with the table of best plays filled in.
// Usage: coach-chart TEMPLATE OUTPUT
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>

#include "tools/coach-chart/BestPlays.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: coach-chart TEMPLATE OUTPUT\n");
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "coach-chart: cannot read %s\n", argv[1]);
            return 1;
        }
        std::ostringstream document;
        document << in.rdbuf();
        const std::string filled =
            coachchart::FillIn(document.str(), coachchart::BestPlaysTable(game::rules::Rules{}));
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << filled;
        out.close();
        if (!out) {
            std::fprintf(stderr, "coach-chart: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "coach-chart: %s\n", error.what());
        return 1;
    }
    return 0;
}
