#include <gtest/gtest.h>

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

  // Every choice filled without running a handler.
  void zapolnitVse() {
    std::vector<std::function<void()>> saved;
    for (Control* c : op.controls())
      if (auto* l = dynamic_cast<ListBox*>(c)) {
        saved.push_back(l->onClick);
        l->onClick = nullptr;
        if (l->text().empty() && !l->items().empty()) l->setText(l->items().front());
      }
    // (The product list stays empty: the driver gives it no default.)
    std::size_t i = 0;
    for (Control* c : op.controls())
      if (auto* l = dynamic_cast<ListBox*>(c)) l->onClick = saved[i++];
  }

  void sbros() {
    sobytia.clear();
    st.vhodov = 0;
    st.maxGlubina = 0;
    st.polnyhProhodov = 0;
  }
};

std::vector<std::string> surfaces(const std::string& prefix) {
  std::vector<std::string> v;
  for (const char* s : kSurfaceSuffix) v.push_back(prefix + s);
  return v;
}

}  // namespace

TEST(RaschetVse, DefaultsOneAtATimeInTheirOrder) {
  Stend s;
  RaschetVse(s.k);

  std::vector<std::string> expected = {"ClickRegion",        "ClickRejim",      "ClickProduktKategoria",
                                       "ClickDverTipTovara", "ClickDverZavesa", "ClickTaraMaterial"};
  for (const char* prefix : {"ClickSteni", "ClickIzolaicii", "ClickStekloSteni"})
    for (const auto& n : surfaces(prefix)) expected.push_back(n);
  EXPECT_EQ(s.sobytia, expected);

  EXPECT_EQ(s.op.ClickRegion.text(), "Самара");
  EXPECT_EQ(s.op.ClickRejim.text(), "Хранение");
  EXPECT_EQ(s.op.ClickProduktKategoria.text(), "Мясные");
  EXPECT_EQ(s.op.ClickDverTipTovara.text(), "Штабели на поддонах");
  EXPECT_EQ(s.op.ClickDverZavesa.text(), "Нет");
  EXPECT_EQ(s.op.ClickTaraMaterial.text(), "Металл");
  for (int i = 0; i < kSurfaces; ++i) {
    const auto u = static_cast<std::size_t>(i);
    EXPECT_EQ(s.op.ClickSteni[u].text(), "Железобетон");
    EXPECT_EQ(s.op.ClickIzolaicii[u].text(), "Пенополиуретан");
    EXPECT_EQ(s.op.ClickStekloSteni[u].text(), "Стекло 10 мм.");
  }
  // One default per level; the innermost pass and the floor-glazing level
  // both go through to the components.
  EXPECT_EQ(s.st.vhodov, 25);
  EXPECT_EQ(s.st.maxGlubina, 25);
  EXPECT_EQ(s.st.glubina, 0);
  EXPECT_EQ(s.st.polnyhProhodov, 2);
}

TEST(RaschetVse, FilledDescriptionGivesOnePass) {
  Stend s;
  s.zapolnitVse();
  s.sbros();
  RaschetVse(s.k);
  EXPECT_TRUE(s.sobytia.empty());
  EXPECT_EQ(s.st.vhodov, 1);
  EXPECT_EQ(s.st.polnyhProhodov, 1);
}

TEST(RaschetVse, EmptyChoicesFillEarliestFirst) {
  struct Case {
    std::vector<std::string> empty;
    std::vector<std::string> order;
    int passes;  // complete passes
  };
  const Case cases[] = {
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
    SCOPED_TRACE(c.empty.front());
    Stend s;
    s.zapolnitVse();
    for (const auto& name : c.empty)
      for (Control* ctl : s.op.controls())
        if (ctl->name() == name) {
          auto* box = static_cast<ListBox*>(ctl);
          auto h = box->onClick;
          box->onClick = nullptr;
          box->setText("");
          box->onClick = h;
        }
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

TEST(RaschetVse, VolumeAndAreaBeforeTheRegimeDefault) {
  Stend s;
  s.zapolnitVse();
  s.op.ClickRejim.onClick = nullptr;  // the regime default then ends the cascade
  s.op.ClickRejim.setText("");
  s.op.ClickKameraDlina.setText("5");
  s.op.ClickKameraSirina.setText("4,5");
  s.op.ClickKameraVisota.setText("3");
  s.sbros();
  RaschetVse(s.k);
  EXPECT_EQ(s.op.ClickRejim.text(), "Хранение");
  EXPECT_EQ(s.st.polnyhProhodov, 0);
  EXPECT_EQ(s.rez.ClickKameraObiem.text(), "67,50");
  EXPECT_EQ(s.rez.ClickKameraPlosad.text(), "22,50");
  EXPECT_EQ(s.st.gKameraObiem, 67.5f);
  EXPECT_EQ(s.st.gKameraPlosad, 22.5f);
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
  s.RejimText4.setText("Время обработки");
  s.op.ClickVremiaKamera.setText("24");
  RaschetVse(s.k);
  EXPECT_EQ(s.rez.NeobhodRejimText.text(), "Время обработки : 24  час.");
}
