#include <cstdio>

#include "programs/qortool/commands.h"

namespace qor::tool {

// Placeholder until the command lands.
int catalog_command(const Arguments&) {
    std::fputs("qortool: 'catalog' is not available yet\n", stderr);
    return 2;
}

}  // namespace qor::tool
