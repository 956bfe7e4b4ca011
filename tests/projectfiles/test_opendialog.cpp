#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "projectfiles/clsOpenDialog.h"

using namespace kalteron;
using namespace std::string_literals;

namespace {

TEST(clsOpenDialog, GetFilterItem) {
  struct Case {
    const char* text;
    const char* delimiter;
    int n;
    std::optional<std::string> item;
  };
  const Case cases[] = {
      {"a;b;c", ";", 0, "a"},          {"a;b;c", ";", 1, "b"}, {"a;b;c", ";", 2, "c"},
      {"a;b;c", ";", 3, std::nullopt}, {"a;b;", ";", 2, ""},   {"", ";", 0, ""},
      {"", ";", 1, std::nullopt},      {";", ";", 0, ""},      {";", ";", 1, ""},
      {";", ";", 2, std::nullopt},     {"a::b", "::", 1, "b"}, {"a::b", ":", 1, ""},
      {"a;b", ";", -1, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clsOpenDialog::GetFilterItem(c.text, c.delimiter, c.n), c.item)
        << c.text << " / " << c.delimiter << " / " << c.n;
  }
}

TEST(clsOpenDialog, BuildFilterString) {
  struct Case {
    const char* filter;
    std::string block;
  };
  const Case cases[] = {
      {"Расчеты Kalteron (*.klt);*.klt;Все файлы (*.*);*.*",
       "Расчеты Kalteron (*.klt)\0*.klt\0Все файлы (*.*)\0*.*\0\0"s},
      {"Все файла;*.*", "Все файла\0*.*\0\0"s},
      {"Рисунки;;*.bmp", "Рисунки\0*.*\0\0"s},
      {"  Рисунки  ;  *.bmp ;Ещё", "Рисунки\0*.bmp\0Ещё\0*.*\0\0"s},
      {"", "\0"s},
      {" ; *.bmp", "\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(clsOpenDialog::BuildFilterString(c.filter), c.block) << c.filter;
}

TEST(clsOpenDialog, NameFilters) {
  EXPECT_EQ(nameFilters(clsOpenDialog::BuildFilterString("Расчеты Kalteron (*.klt);*.klt;Все файлы (*.*);*.*")),
            (std::vector<std::string>{"Расчеты Kalteron (*.klt)", "Все файлы (*)"}));
  // A new object's filter.
  EXPECT_EQ(nameFilters(clsOpenDialog::BuildFilterString(clsOpenDialog().strFilter())),
            (std::vector<std::string>{"Все файла (*)"}));
}

struct Answer : FileDialogHost {
  std::string path;
  FileDialogRequest asked;
  std::string show(const FileDialogRequest& r) override {
    asked = r;
    return path;
  }
};

TEST(clsOpenDialog, SplitsTheChosenPath) {
  struct Case {
    std::string chosen;
    const char* path;
    const char* name;
    const char* ext;
  };
  const std::string deep = "/home/u/" + std::string(300, 'x') + "/";
  const Case cases[] = {
      {"/home/u/Проекты/склад.klt", "/home/u/Проекты/", "склад.klt", "klt"},
      {"/home/u/a.klt.bak", "/home/u/", "a.klt.bak", "bak"},
      {"/home/u/без", "/home/u/", "без", ""},
      {deep + "p.klt", deep.c_str(), "p.klt", "klt"},
      {"", "", "", ""},  // cancelled
  };
  for (const Case& c : cases) {
    clsOpenDialog d;
    Answer a;
    a.path = c.chosen;
    EXPECT_EQ(d.OpenDialogFileName(a), c.chosen);
    EXPECT_EQ(d.strFullName(), c.chosen);
    EXPECT_EQ(d.strPath(), c.path);
    EXPECT_EQ(d.strFileName(), c.name);
    EXPECT_EQ(d.strFileExt(), c.ext);
  }
}

}  // namespace
