// Questions and messages as message boxes.
#pragma once

#include "mainwindow/Prompter.h"

class QWidget;

namespace kalteron::qt {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}
  bool askYesNo(const std::string& question) override;
  void message(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace kalteron::qt
