#include "InputFile.h"

namespace vanui {

bool OpenInputFile(std::ifstream& in, const std::string& fileName, std::ios::openmode mode) {
    in.open(fileName, mode | std::ios::in);
    in.peek();
    return in.is_open() && !in.bad();
}

} // namespace vanui
