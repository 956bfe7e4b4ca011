// A loaded main window driven the way a user drives it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "../calculation/bal_helpers.h"
#include "calculation/Numbers.h"

namespace kalteron::test {

class BalTest : public ::testing::Test {
 protected:
  void SetUp() override { bal.Form_Load(); }

  std::string tekst(const std::string& name) const { return test::tekst(bal, name); }
  double chislo(const std::string& name) const { return parseDouble(tekst(name)).value_or(-1e9); }

  Control& control(const std::string& name) {
    Control* c = bal.find(name);
    EXPECT_NE(c, nullptr) << name;
    return *c;
  }

  // Shows the page that holds the control, as the user would, and focuses it.
  void fokus(const std::string& name) {
    Control& c = control(name);
    for (int page = 1; page <= 5 && !bal.canFocus(c); ++page) bal.click("Parametr(" + std::to_string(page) + ")");
    ASSERT_TRUE(bal.setFocus(c)) << name;
  }

  // Leaves the focused field for the region box of the top area.
  void pokinut() { ASSERT_TRUE(bal.setFocus("ClickRegion")); }

  // Enters a field, types over its text and leaves it.
  void vvesti(const std::string& name, const std::string& typed) {
    fokus(name);
    bal.setSelection(0, 1000);
    bal.typeKey(Bal::kBackspace);
    bal.typeText(typed);
    pokinut();
  }

  Bal bal;
};

}  // namespace kalteron::test
