// Starts the headless main window, opens the project file given on the
// command line as the "Открыть" command does (exit code 1 when it cannot be
// opened), and prints every field as Name=text, one a line, UTF-8.
#include <iostream>

#include "calculation/Numbers.h"
#include "mainwindow/Bal.h"
#include "projectfiles/ProjectCommands.h"

using namespace kalteron;

namespace {

void print(const Control& c) {
  if (const auto* t = dynamic_cast<const TextField*>(&c)) {
    std::cout << c.name() << '=' << t->text() << '\n';
  } else if (const auto* l = dynamic_cast<const ListBox*>(&c)) {
    std::cout << c.name() << '=' << l->text() << '\n';
  } else if (const auto* k = dynamic_cast<const CheckBox*>(&c)) {
    std::cout << c.name() << '=' << k->value() << '\n';
  } else if (const auto* o = dynamic_cast<const OptionGroup*>(&c)) {
    for (int i = 0; i < 2; ++i) std::cout << o->buttonName(i) << '=' << (o->value(i) ? "True" : "False") << '\n';
  }
}

// The open dialog answered with the path given on the command line.
struct GivenPath : FileDialogHost {
  std::string path;
  std::string show(const FileDialogRequest&) override { return path; }
};

// Messages go to the error stream; questions are answered No.
struct ToStderr : Prompter {
  bool askYesNo(const std::string&) override { return false; }
  void message(const std::string& text) override { std::cerr << text << '\n'; }
};

}  // namespace

int main(int argc, char** argv) {
  Bal bal;
  bal.Form_Load();
  if (argc > 1) {
    // Opened the way the "Открыть" command opens a project.
    GivenPath dialog;
    dialog.path = argv[1];
    ToStderr prompter;
    ProjectCommands commands(bal, dialog, prompter);
    if (!commands.SaveNameFileOpen()) return 1;
  }
  for (Control* c : bal.op.controls()) print(*c);
  for (Control* c : bal.rez.controls()) print(*c);
  std::cout << "gTeplopritokProdukt=" << format00(bal.st.gTeplopritokProdukt) << '\n';
  std::cout << "gTeplopritokTara=" << format00(bal.st.gTeplopritokTara) << '\n';
  return 0;
}
