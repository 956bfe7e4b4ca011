#include "report/Mause.h"

namespace kalteron {

std::int16_t shagKolesa(std::int16_t lastStep, int delta, unsigned keyState) {
  if (keyState != 0) return lastStep;
  switch (delta) {
    case -120:
    case -240:
    case -360:
      return -kScrollTwips;
    case 120:
    case 240:
    case 360:
      return kScrollTwips;
    default:
      return lastStep;
  }
}

}  // namespace kalteron
