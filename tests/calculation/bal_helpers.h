// Drives a whole headless main window the way the tests of the calculation
// need: start it, set fields by name, read what a user sees.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/Bal.h"

namespace kalteron::test {

using Nastroiki = std::vector<std::pair<std::string, std::string>>;

inline std::unique_ptr<Bal> zapustit() {
  auto bal = std::make_unique<Bal>();
  bal->Form_Load();
  return bal;
}

// Sets one field by its name as code does: a text box or an editable box
// takes the text without a handler; a list box, a check box ("0", "1") or an
// option button ("Option1(1)" = "True") runs its handler when it changes.
inline void ustanovit(Bal& bal, const std::string& name, const std::string& text) {
  if (name.size() > 3 && name.back() == ')') {
    auto* o = dynamic_cast<OptionGroup*>(bal.find(name.substr(0, name.size() - 3)));
    ASSERT_NE(o, nullptr) << name;
    o->setValue(name[name.size() - 2] - '0', text == "True");
    return;
  }
  Control* c = bal.find(name);
  ASSERT_NE(c, nullptr) << name;
  if (auto* t = dynamic_cast<TextBox*>(c)) {
    t->setText(text);
  } else if (auto* l = dynamic_cast<ListBox*>(c)) {
    l->setText(text);
    ASSERT_EQ(l->text(), text) << name << " has no such item";
  } else if (auto* e = dynamic_cast<ComboBox*>(c)) {
    e->setText(text);
  } else if (auto* k = dynamic_cast<CheckBox*>(c)) {
    k->setValue(std::stoi(text));
  } else {
    FAIL() << name << " cannot be set";
  }
}

inline void ustanovit(Bal& bal, const Nastroiki& nastroiki) {
  for (const auto& [name, text] : nastroiki) ustanovit(bal, name, text);
}

// The text a user sees in a field.
inline std::string tekst(const Bal& bal, const std::string& name) {
  const Control* c = bal.find(name);
  if (const auto* t = dynamic_cast<const TextBox*>(c)) return t->text();
  if (const auto* l = dynamic_cast<const ListBox*>(c)) return l->text();
  if (const auto* e = dynamic_cast<const ComboBox*>(c)) return e->text();
  ADD_FAILURE() << name << " is no text field";
  return {};
}

// Sets the fields, recalculates, returns the window.
inline std::unique_ptr<Bal> poschitat(const Nastroiki& nastroiki) {
  auto bal = zapustit();
  ustanovit(*bal, nastroiki);
  bal->RaschetVse();
  return bal;
}

}  // namespace kalteron::test
