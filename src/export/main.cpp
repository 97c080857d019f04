// zel-export: writes a player file as JSON (or its days as CSV) on standard output.
#include "export/export.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    return zel::RunExport(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
