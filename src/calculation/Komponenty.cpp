#include "calculation/Raschet.h"

namespace kalteron {

// The component calculations are added module by module; until then a pass
// ends after its condition captions.
void RaschetKomponenty(Kamera& /*k*/) {}

}  // namespace kalteron
