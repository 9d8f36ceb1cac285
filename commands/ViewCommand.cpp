#include "ViewCommand.h"

#include <cstdio>

int RunViewCommand(const ViewOptions&) {
    std::fputs("drev: view is not available yet\n", stderr);
    return 2;
}
