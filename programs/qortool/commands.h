#pragma once
// The commands of qortool, each given the arguments after its name.

#include <string>
#include <vector>

namespace qor::tool {

using Arguments = std::vector<std::string>;

int show_command(const Arguments& arguments);
int plot_command(const Arguments& arguments);
int set_command(const Arguments& arguments);
int catalog_command(const Arguments& arguments);
int map_command(const Arguments& arguments);

}  // namespace qor::tool
