#include "LineSettings.h"

#include <termios.h>

namespace relaysim {
namespace {

long BaudOf(speed_t speed) {
  switch (speed) {
    case B0: return 0;
    case B300: return 300;
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return -1;
  }
}

int DataBitsOf(tcflag_t cflag) {
  switch (cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
  }
}

}  // namespace

std::string DescribeLineSettings(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return "speed=? data=? parity=? stop=?";
  const char* parity = !(tio.c_cflag & PARENB) ? "none" : (tio.c_cflag & PARODD) ? "odd" : "even";
  return "speed=" + std::to_string(BaudOf(cfgetospeed(&tio))) +
         " data=" + std::to_string(DataBitsOf(tio.c_cflag)) + " parity=" + parity +
         " stop=" + ((tio.c_cflag & CSTOPB) ? "2" : "1");
}

}  // namespace relaysim
