// Writes the benchmark UI tree to <prefix>.ui and <prefix>.json, for a reader who wants to
// look at the input the benchmarks time. Usage: bench_generate_ui <prefix> [windows children]
#include "LargeUiFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), text.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s <prefix> [windows children-per-window]\n", argv[0]);
        return 2;
    }
    LargeUiShape shape;
    if (argc == 4) {
        shape.windows = std::atoi(argv[2]);
        shape.childrenPerWindow = std::atoi(argv[3]);
        if (shape.windows < 0 || shape.childrenPerWindow < 0) {
            std::fprintf(stderr, "counts must not be negative\n");
            return 2;
        }
    }
    const std::string prefix = argv[1];
    const bool written = WriteFile(prefix + ".ui", MakeLargeUiText(shape)) &&
                         WriteFile(prefix + ".json", MakeLargeUiJson(shape));
    return written ? 0 : 1;
}
