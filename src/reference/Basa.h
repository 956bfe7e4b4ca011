// The reference catalogue: every built-in table, built once at start-up.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "reference/RefTable.h"

namespace kalteron {

// Appends one item to the list of the named choice box ("ClickRegion").
using AppendItem = std::function<void(std::string_view box, std::string_view item)>;

struct Basa {
  RefTable gKlimat;
  RefTable gSteniTabl;
  RefTable gStekloTabl;
  RefTable gIzolaiciiTabl;
  RefTable gProduktTabl;
  RefTable gTaraTabl;
  RefTable gZavesaTabl;
  RefTable gTipTovaraTabl;
  RefTable gEntalpiaTabl;
  RefTable gEntalpiaVlajn;
  RefTable gEntalpia;
  RefTable gKoeffPlotnostiTabl;
  RefTable gPersonalTabl;
};

// Builds every table in its fixed order and appends the items of every
// choice box the catalogue fills.
void ZagruzitBasa(Basa& basa, const AppendItem& append);

}  // namespace kalteron
