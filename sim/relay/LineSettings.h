#pragma once

#include <string>

namespace relaysim {

// The line settings in force on a terminal, e.g. "speed=9600 data=8 parity=none stop=1".
std::string DescribeLineSettings(int fd);

}  // namespace relaysim
