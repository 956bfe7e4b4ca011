#include "reference/Basa.h"

namespace kalteron {

// The tables are filled builder by builder.
void ZagruzitBasa(Basa& /*basa*/, const AppendItem& /*append*/) {}

}  // namespace kalteron
