#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calculation/Controls.h"

using namespace kalteron;

// Setting from code: L, K and O run their handler before the set returns when
// their value changes, and the handler already sees the new value; T and E run
// nothing.
TEST(Controls, SettingFromCodeRunsHandlersByKind) {
  ListBox l("ClickDverZavesa");
  for (const char* item : {"Нет", "Штора", "Возд.завеса"}) l.addItem(item);
  CheckBox k("CheckClickTeplopritokDveri", 1);
  OptionGroup o("Option1", 0);
  TextBox t("ClickKameraDlina", "0");
  ComboBox e("ClickTemperaturaKamera", "-10");

  std::string seen;
  int calls = 0;
  l.onClick = [&] {
    ++calls;
    seen = l.text();
  };
  k.onClick = [&] {
    ++calls;
    seen = std::to_string(k.value());
  };
  o.onClick = [&](int i) {
    ++calls;
    seen = std::to_string(i) + (o.value(i) ? "+" : "-") + (o.value(1 - i) ? "+" : "-");
  };

  struct Case {
    const char* what;
    std::function<void()> set;
    int calls;
    const char* seen;  // what the handler saw, when it ran
  };
  const Case cases[] = {
      {"L to an item", [&] { l.setText("Штора"); }, 1, "Штора"},
      {"L to the same item", [&] { l.setText("Штора"); }, 0, ""},
      {"L to a text that is no item", [&] { l.setText("штора"); }, 1, ""},
      {"L from empty to empty", [&] { l.setText(""); }, 0, ""},
      {"K cleared", [&] { k.setValue(0); }, 1, "0"},
      {"K cleared again", [&] { k.setValue(0); }, 0, ""},
      {"K greyed", [&] { k.setValue(2); }, 1, "2"},
      {"O other button", [&] { o.setValue(1, true); }, 1, "1+-"},
      {"O same button", [&] { o.setValue(1, true); }, 0, ""},
      {"O cleared", [&] { o.setValue(1, false); }, 0, ""},
      {"O first button", [&] { o.setValue(0, true); }, 1, "0+-"},
      {"T", [&] { t.setText("12,5"); }, 0, ""},
      {"E", [&] { e.setText("-20"); }, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    calls = 0;
    seen.clear();
    c.set();
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(seen, c.seen);
  }
  EXPECT_EQ(l.text(), "");
  EXPECT_EQ(o.selected(), 0);
  EXPECT_EQ(t.text(), "12,5");
  EXPECT_EQ(e.text(), "-20");
}

TEST(Controls, ClearingAListRunsNothing) {
  ListBox l("ClickProduktProdukt");
  l.addItem("Баранина");
  int calls = 0;
  l.onClick = [&] { ++calls; };
  l.setText("Баранина");
  const auto rev = l.revision();
  l.clear();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(l.text(), "");
  EXPECT_TRUE(l.items().empty());
  EXPECT_GT(l.revision(), rev);
  l.setText("Баранина");  // no longer an item
  EXPECT_EQ(calls, 1);
}
