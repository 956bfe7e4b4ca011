#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calculation/Numbers.h"
#include "calculation/Raschet.h"

using namespace kalteron;

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

  // Sets a choice without running its handler.
  static void tiho(ListBox& box, const std::string& text) {
    auto h = std::move(box.onClick);
    box.onClick = nullptr;
    box.setText(text);
    box.onClick = std::move(h);
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

TEST(RaschetVse, DefaultsOneAtATimeInTheirOrder) {
  Stend s;
  RaschetVse(s.k);

  std::vector<std::string> expected = {"ClickRegion",        "ClickRejim",      "ClickProduktKategoria",
                                       "ClickDverTipTovara", "ClickDverZavesa", "ClickTaraMaterial"};
  for (const char* prefix : {"ClickSteni", "ClickIzolaicii", "ClickStekloSteni"})
    for (const char* surface : kSurfaceSuffix) expected.push_back(std::string(prefix) + surface);
  EXPECT_EQ(s.sobytia, expected);

  // One default per level; the innermost pass and the floor-glazing level
  // both go through to the components.
  EXPECT_EQ(s.st.vhodov, 25);
  EXPECT_EQ(s.st.maxGlubina, 25);
  EXPECT_EQ(s.st.glubina, 0);
  EXPECT_EQ(s.st.polnyhProhodov, 2);
}

TEST(RaschetVse, EmptyChoicesFillEarliestFirst) {
  struct Case {
    std::vector<std::string> empty;
    std::vector<std::string> order;
    int passes;  // complete passes
  };
  const Case cases[] = {
      {{}, {}, 1},
      {{"ClickStekloSteniPol"}, {"ClickStekloSteniPol"}, 2},
      {{"ClickSteniPotolok", "ClickSteniStenaV"}, {"ClickSteniStenaV", "ClickSteniPotolok"}, 1},
      {{"ClickStekloSteniStenaA", "ClickIzolaiciiPol"}, {"ClickIzolaiciiPol", "ClickStekloSteniStenaA"}, 1},
      {{"ClickSteniStenaA", "ClickTaraMaterial", "ClickDverZavesa"},
       {"ClickDverZavesa", "ClickTaraMaterial", "ClickSteniStenaA"},
       1},
      {{"ClickRejim", "ClickRegion"}, {"ClickRegion", "ClickRejim"}, 1},
      {{"ClickStekloSteniPol", "ClickProduktKategoria"}, {"ClickProduktKategoria", "ClickStekloSteniPol"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.empty.empty() ? "none" : c.empty.front());
    Stend s;
    s.zapolnitVse();
    for (const auto& name : c.empty)
      for (Control* ctl : s.op.controls())
        if (ctl->name() == name) Stend::tiho(*static_cast<ListBox*>(ctl), "");
    s.sbros();
    RaschetVse(s.k);
    EXPECT_EQ(s.sobytia, c.order);
    EXPECT_EQ(s.st.vhodov, static_cast<int>(c.order.size()) + 1);
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

TEST(RaschetVse, ReadsFieldsAndWritesCaptions) {
  Stend s;
  s.zapolnitVse();
  s.op.ClickVlajnostVozduh.setText("54");
  s.op.ClickTemperaturaVozduh.setText("32");
  s.op.ClickKameraDlina.setText("0,5");
  s.op.ClickKameraSirina.setText("0.5");  // not a number: reads as its default 0
  s.op.ClickVlajnostKamera.setText("90");
  s.op.ClickVremiaKamera.setText("0,5");
  s.op.ClickZapasKamera.setText("15");
  RaschetVse(s.k);
  EXPECT_EQ(s.st.gVlajnostVozduh, 54.0f);
  EXPECT_EQ(s.st.gTemperaturaVozduh, 32.0f);
  EXPECT_EQ(s.st.gKameraDlina, 0.5f);
  EXPECT_EQ(s.st.gKameraSirina, 0.0f);
  EXPECT_EQ(s.st.gVlajnostKamera, 90.0f);
  EXPECT_EQ(s.st.gVremiaKamera, 0.5f);
  EXPECT_EQ(s.rez.ClickKameraObiem.text(), "0,00");
  EXPECT_EQ(s.rez.NeobhodRejimText.text(), "Время раб. обор. : 0,5  час.");
  EXPECT_EQ(s.rez.NeobhodKoefZapas.text(), "Коэф. запаса : 15  %");

  // Volume and area are shown even by a pass that ends at the regime default.
  s.op.ClickRejim.onClick = nullptr;  // so the cascade stops there
  Stend::tiho(s.op.ClickRejim, "");
  s.op.ClickKameraDlina.setText("5");
  s.op.ClickKameraSirina.setText("4,5");
  s.op.ClickKameraVisota.setText("3");
  s.sbros();
  RaschetVse(s.k);
  EXPECT_EQ(s.op.ClickRejim.text(), "Хранение");
  EXPECT_EQ(s.st.polnyhProhodov, 0);
  EXPECT_EQ(s.rez.ClickKameraObiem.text(), "67,50");
  EXPECT_EQ(s.rez.ClickKameraPlosad.text(), "22,50");
}
