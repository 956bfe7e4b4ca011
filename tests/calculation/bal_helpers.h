// Drives a whole headless main window the way the core tests need: start it,
// set fields by name, read what a user sees.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/Bal.h"
#include "mainwindow/Prompter.h"

namespace kalteron::test {

using Nastroiki = std::vector<std::pair<std::string, std::string>>;

inline Nastroiki plus(Nastroiki a, const Nastroiki& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline std::unique_ptr<Bal> zapustit() {
  auto bal = std::make_unique<Bal>();
  bal->Form_Load();
  return bal;
}

// Sets a choice without running its handler, as an inconsistent file could
// leave it.
inline void tiho(ListBox& box, const std::string& text) {
  auto h = std::move(box.onClick);
  box.onClick = nullptr;
  box.setText(text);
  box.onClick = std::move(h);
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

// A field as a user sees it and the project file holds it: its text, "0"/"1"
// for a check box, "True"/"False" for an option ("Option1(1)").
inline std::string tekst(const Bal& bal, const std::string& name) {
  if (name.size() > 3 && name[name.size() - 3] == '(') {
    if (const auto* g = dynamic_cast<const OptionGroup*>(bal.find(name.substr(0, name.size() - 3))))
      return g->value(name[name.size() - 2] - '0') ? "True" : "False";
  }
  const Control* c = bal.find(name);
  if (const auto* t = dynamic_cast<const TextBox*>(c)) return t->text();
  if (const auto* l = dynamic_cast<const ListBox*>(c)) return l->text();
  if (const auto* e = dynamic_cast<const ComboBox*>(c)) return e->text();
  if (const auto* k = dynamic_cast<const CheckBox*>(c)) return std::to_string(k->value());
  ADD_FAILURE() << "no field " << name;
  return {};
}

// Sets the fields, recalculates, returns the window.
inline std::unique_ptr<Bal> poschitat(const Nastroiki& nastroiki) {
  auto bal = zapustit();
  ustanovit(*bal, nastroiki);
  bal->RaschetVse();
  return bal;
}

// Every result text and the air-change rate the calculation writes. The
// condition captions repeat the hours and the margin as typed; they can be
// left out.
inline std::vector<std::string> rezultaty(Bal& bal, bool sPodpisiami = true) {
  std::vector<std::string> v;
  for (Control* c : bal.rez.controls()) {
    if (!sPodpisiami && (c == &bal.rez.NeobhodRejimText || c == &bal.rez.NeobhodKoefZapas)) continue;
    v.push_back(c->name() + "=" + tekst(bal, c->name()));
  }
  v.push_back("ClickVentilasiaKratnost=" + bal.op.ClickVentilasiaKratnost.text());
  return v;
}

// Answers the questions from `answers` in turn, then with `yes`, and keeps
// the questions and the messages.
struct ScriptedPrompter : Prompter {
  std::deque<bool> answers;
  bool yes = false;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  bool askYesNo(const std::string& q) override {
    questions.push_back(q);
    if (answers.empty()) return yes;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void message(const std::string& text) override { messages.push_back(text); }
};

}  // namespace kalteron::test
