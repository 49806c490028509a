#include <string>
#include <vector>

#include "skintool/run.h"

int main(int argc, char** argv) {
    return pixlin::skintool::Run(std::vector<std::string>(argv + 1, argv + argc));
}
