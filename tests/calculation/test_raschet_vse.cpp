#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bal_helpers.h"
#include "calculation/Numbers.h"
#include "calculation/Raschet.h"

using namespace kalteron;
using kalteron::test::tiho;

namespace {

// The driver on its own: the catalogue fills the lists, and every list-only
// box gets a handler that notes its name and the nesting, then recalculates.
struct Stend {
  Basa basa;
  OpisanieKamery op;
  RezultatyRascheta rez;
  RaschetState st;
  Label RejimText4{"RejimText(4)", "Время раб. обор."};
  Kamera k{basa, op, rez, st, RejimText4};
  std::vector<std::string> sobytia;  // the boxes whose handler ran, in order

  Stend() {
    ZagruzitBasa(basa, [this](std::string_view box, std::string_view item) {
      for (Control* c : op.controls()) {
        if (c->name() != box) continue;
        if (auto* l = dynamic_cast<ListBox*>(c)) l->addItem(std::string(item));
        if (auto* e = dynamic_cast<ComboBox*>(c)) e->addItem(std::string(item));
      }
    });
    for (Control* c : op.controls())
      if (auto* l = dynamic_cast<ListBox*>(c))
        l->onClick = [this, l] {
          sobytia.push_back(l->name());
          RaschetVse(k);
        };
  }

  // Every choice filled with its first item, quietly; the product list stays
  // empty (the driver gives it no default).
  void zapolnitVse() {
    for (Control* c : op.controls())
      if (auto* l = dynamic_cast<ListBox*>(c); l && !l->items().empty()) tiho(*l, l->items().front());
  }

  void sbros() {
    sobytia.clear();
    st.vhodov = 0;
    st.maxGlubina = 0;
    st.polnyhProhodov = 0;
  }
};

}  // namespace

// One default per pass, in a fixed order, each followed by its handler's
// nested pass; the pass that sets the floor glazing goes on to the components.
TEST(RaschetVse, EmptyChoicesFillOneAtATimeInOrder) {
  std::vector<std::string> all = {"ClickRegion",        "ClickRejim",      "ClickProduktKategoria",
                                  "ClickDverTipTovara", "ClickDverZavesa", "ClickTaraMaterial"};
  for (const char* prefix : {"ClickSteni", "ClickIzolaicii", "ClickStekloSteni"})
    for (const char* surface : kSurfaceSuffix) all.push_back(std::string(prefix) + surface);
  struct Case {
    std::vector<std::string> empty;
    std::vector<std::string> order;
    int passes;  // complete passes
  };
  const Case cases[] = {
      {all, all, 2},
      {{}, {}, 1},
      {{"ClickStekloSteniPol"}, {"ClickStekloSteniPol"}, 2},
      {{"ClickSteniPotolok", "ClickSteniStenaV"}, {"ClickSteniStenaV", "ClickSteniPotolok"}, 1},
      {{"ClickStekloSteniStenaA", "ClickIzolaiciiPol"}, {"ClickIzolaiciiPol", "ClickStekloSteniStenaA"}, 1},
      {{"ClickSteniStenaA", "ClickTaraMaterial", "ClickDverZavesa"},
       {"ClickDverZavesa", "ClickTaraMaterial", "ClickSteniStenaA"},
       1},
      {{"ClickStekloSteniPol", "ClickProduktKategoria"}, {"ClickProduktKategoria", "ClickStekloSteniPol"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.empty.size()) + " empty");
    Stend s;
    s.zapolnitVse();
    for (const auto& name : c.empty)
      for (Control* ctl : s.op.controls())
        if (ctl->name() == name) tiho(*static_cast<ListBox*>(ctl), "");
    s.sbros();
    RaschetVse(s.k);
    EXPECT_EQ(s.sobytia, c.order);
    EXPECT_EQ(s.st.vhodov, static_cast<int>(c.order.size()) + 1);
    EXPECT_EQ(s.st.maxGlubina, static_cast<int>(c.order.size()) + 1);
    EXPECT_EQ(s.st.glubina, 0);
    EXPECT_EQ(s.st.polnyhProhodov, c.passes);
  }
}

TEST(RaschetVse, ChamberNotColderThanOutside) {
  struct Case {
    const char* chamber;
    const char* outdoor;
    const char* chamberAfter;
    const char* outdoorAfter;
  };
  const Case cases[] = {
      {"20", "20", "-10", "0"},
      {"25", "20", "-10", "0"},
      {"-18", "32", "-18", "32"},
      {"19,5", "20", "19,5", "20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.chamber) + " / " + c.outdoor);
    Stend s;
    s.zapolnitVse();
    s.op.ClickTemperaturaKamera.setText(c.chamber);
    s.op.ClickTemperaturaVozduh.setText(c.outdoor);
    RaschetVse(s.k);
    EXPECT_EQ(s.op.ClickTemperaturaKamera.text(), c.chamberAfter);
    EXPECT_EQ(s.op.ClickTemperaturaVozduh.text(), c.outdoorAfter);
    // This pass keeps the values read at its start; the next reads the
    // corrected texts.
    EXPECT_EQ(s.st.gTemperaturaKamera, *parseSingle(c.chamber));
    EXPECT_EQ(s.st.gTemperaturaVozduh, *parseSingle(c.outdoor));
    EXPECT_EQ(s.st.polnyhProhodov, 1);
    RaschetVse(s.k);
    EXPECT_EQ(s.st.gTemperaturaKamera, *parseSingle(c.chamberAfter));
    EXPECT_EQ(s.st.gTemperaturaVozduh, *parseSingle(c.outdoorAfter));
  }
}
