#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ProjectTestKit.h"
#include "projectfiles/ProjectCommands.h"

using namespace kalteron;
using namespace kalteron::test;
namespace fs = std::filesystem;

namespace {

class Commands : public ProjectTest {
 protected:
  ScriptedDialogs dialogs;
  ScriptedPrompter prompter;
};

// The file read is the one chosen, whatever the letter case of its
// extension; a name that only holds ".klt" loses its last four characters.
TEST_F(Commands, OpenReadsTheFileTheNameStandsFor) {
  struct Case {
    const char* what;
    const char* file;    // the project written
    const char* chosen;  // what the dialog gives
    const char* nameFile;
  };
  const Case cases[] = {
      {"capital extension", "P.KLT", "P.KLT", "P"},
      {"mixed-case extension", "Проект.kLt", "Проект.kLt", "Проект"},
      {"a backup with an extension added", "a.klt.klt", "a.klt.bak", "a.klt"},
      {"mixed case inside the name", "b.Klt.klt", "b.Klt.bak", "b.Klt"},
      {"Cyrillic after .klt", "отчёт.klt.к.klt", "отчёт.klt.копия", "отчёт.klt.к"},
      {"two-byte characters at the end", "a.klt.klt", "a.klt.жжx", "a.klt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bal b;
    b.Form_Load();
    ProjectCommands cmd(b, dialogs, prompter);
    fs::rename(proekt({{1, c.what}}, {}, "new") + ".klt", dir / c.file);
    // The same name with ".klt" in small letters is another file here.
    if (!fs::exists(dir / (std::string(c.nameFile) + ".klt")))
      fs::rename(proekt({{1, "другой файл"}}, {}, "new") + ".klt", dir / (std::string(c.nameFile) + ".klt"));
    dialogs.answers = {imia(c.chosen)};
    dialogs.asked.clear();
    EXPECT_TRUE(cmd.SaveNameFileOpen());
    EXPECT_EQ(cmd.NameFile, imia(c.nameFile));
    EXPECT_EQ(b.op.ClickZakazsik.text(), c.what);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_FALSE(dialogs.asked[0].save);
    EXPECT_EQ(dialogs.asked[0].title, "Открыть");
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(ProjectFileName, CutsCharactersNotBytes) {
  struct Case {
    const char* full;
    const char* file;
    std::optional<std::string> open, save;
  };
  const Case cases[] = {
      {"/d/x.klt.ж", "x.klt.ж", "/d/x.k.klt", "/d/x.k.klt"},
      {"/d/a.klt\x80\x80\x80\x80", "a.klt\x80\x80\x80\x80", "/d/a.klt.klt", "/d/a.klt.klt"},
      {"/d/a.klt.\xF0\x9F\x98\x80", "a.klt.\xF0\x9F\x98\x80", "/d/a.k.klt", "/d/a.k.klt"},
      {"/d.klt/a", "a", std::nullopt, "/d.klt/a.klt"},
      {"/d/ж.KlT", "ж.KlT", "/d/ж.KlT", "/d/ж.KlT"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(failProekta(c.full, c.file, false), c.open) << c.full;
    EXPECT_EQ(failProekta(c.full, c.file, true), c.save) << c.full;
  }
}

TEST_F(Commands, OpenRefusedOrCancelledChangesNothing) {
  ProjectCommands cmd(bal, dialogs, prompter);
  cmd.NameFile = "/earlier/project";
  proekt({{1, "Иванов"}}, {}, "notes");  // notes.klt exists, but "notes.txt" is chosen
  proekt({}, {}, "broken");
  ASSERT_TRUE(writeWholeFile(imia("broken.klt"), "[Other]\r\n1=x\r\n"));
  ASSERT_EQ(::mkfifo(imia("pipe.klt").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir / "zero.klt");
  struct Case {
    std::string chosen;
    bool message;
  };
  const Case cases[] = {{imia("notes.txt"), true}, {imia("gone.klt"), true}, {imia("broken.klt"), true},
                        {imia("pipe.klt"), true},  {imia("zero.klt"), true}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    prompter.messages.clear();
    dialogs.answers = {c.chosen};
    dialogs.asked.clear();
    ASSERT_TRUE(bal.setFocus(bal.op.ClickZakazsik));
    const auto before = sohranennoe(bal);
    cmd.Otkryt();
    EXPECT_EQ(prompter.messages,
              c.message ? std::vector<std::string>{"Файл не может быть открыт !"} : std::vector<std::string>{});
    EXPECT_EQ(cmd.NameFile, "/earlier/project");
    EXPECT_EQ(bal.focus(), &bal.op.ClickRegion);
    EXPECT_EQ(sohranennoe(bal), before);
  }
}

TEST_F(Commands, SaveAddsTheExtension) {
  ProjectCommands cmd(bal, dialogs, prompter);
  bal.op.ClickZakazsik.setText("Иванов");
  struct Case {
    const char* typed;
    const char* written;
  };
  const Case cases[] = {{"a", "a.klt"},         {"b.klt", "b.klt"},
                        {"c.KLT", "c.KLT"},     {"a.klt.жжx", "a.klt.klt"},
                        {"d.txt", "d.txt.klt"}, {"отчёт.klt.копия", "отчёт.klt.к.klt"}};
  std::ptrdiff_t files = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    dialogs.answers = {imia(c.typed)};
    dialogs.asked.clear();
    EXPECT_TRUE(cmd.SaveNameFileSave());
    EXPECT_TRUE(fs::exists(dir / c.written));
    // That file and no other.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), ++files);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].save);
    EXPECT_EQ(dialogs.asked[0].title, "Сохранить");
    EXPECT_EQ(dialogs.asked[0].fileName, "Иванов.klt");
    EXPECT_EQ(ReadIniString(imia(c.written), "Kalteron", "1", ""), "Иванов");
  }
  EXPECT_EQ(cmd.NameFile, imia("отчёт.klt.к"));
  EXPECT_TRUE(prompter.messages.empty());

  // Cancelled: nothing written, the path kept.
  dialogs.answers = {""};
  dialogs.asked.clear();
  EXPECT_FALSE(cmd.SaveNameFileSave());
  EXPECT_EQ(cmd.NameFile, imia("отчёт.klt.к"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), files);

  // Saving over a project chosen with its capital extension rewrites that
  // file, keeping its other lines.
  ASSERT_TRUE(writeWholeFile(imia("Проект.KLT"), "[Other]\r\nq=1\r\n"));
  dialogs.answers = {imia("Проект.KLT")};
  dialogs.asked.clear();
  EXPECT_TRUE(cmd.SaveNameFileSave());
  EXPECT_FALSE(fs::exists(dir / "Проект.klt"));
  EXPECT_EQ(ReadIniString(imia("Проект.KLT"), "Other", "q", ""), "1");
  EXPECT_EQ(ReadIniString(imia("Проект.KLT"), "Kalteron", "1", ""), "Иванов");

  // A save that fails says so, naming the file.
  dialogs.answers = {imia("none/e.klt")};
  dialogs.asked.clear();
  EXPECT_FALSE(cmd.SaveNameFileSave());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{neSohranen(imia("none/e.klt"))});
}

TEST_F(Commands, NewProjectAsksToSaveFirst) {
  struct Case {
    bool yes;
    const char* chosen;
    std::size_t dialogs;
    bool written;
  };
  const Case cases[] = {{false, "", 0, false}, {true, "", 1, false}, {true, "old", 1, true}};
  for (const Case& c : cases) {
    Bal b;
    b.Form_Load();
    ProjectCommands cmd(b, dialogs, prompter);
    b.op.ClickZakazsik.setText("Иванов");
    prompter.yes = c.yes;
    prompter.questions.clear();
    dialogs.answers = {c.chosen[0] ? imia(c.chosen) : ""};
    dialogs.asked.clear();
    cmd.SozdatNovyi();
    EXPECT_EQ(prompter.questions, std::vector<std::string>{"Сохранить расчет ?"});
    EXPECT_EQ(dialogs.asked.size(), c.dialogs);
    EXPECT_EQ(fs::exists(dir / "old.klt"), c.written);
    EXPECT_EQ(b.op.ClickZakazsik.text(), "Частный");
  }
  EXPECT_EQ(ReadIniString(imia("old.klt"), "Kalteron", "1", ""), "Иванов");
}

// The field being edited when the open command is chosen is left before the
// file is read: its leave step must not rewrite the fields just read.
TEST_F(Commands, OpenRestoresTheFileWhateverFieldWasBeingEdited) {
  Bal src;
  src.Form_Load();
  src.op.ClickZagruzkaVisota.setText("7");
  src.op.ClickProduktTemperKones.setText("-18");
  for (auto& t : src.op.ClickTemperatura) t.setText("5");
  ASSERT_TRUE(SaveRaschet(src, imia("p")));
  const auto saved = sohranennoe(src);
  ProjectCommands cmd(bal, dialogs, prompter);
  bal.pickItem("ClickRegion", "Другой");
  for (const char* field : {"ClickKameraVisota", "ClickTemperaturaKamera", "ClickTemperaturaVozduh"}) {
    SCOPED_TRACE(field);
    ASSERT_TRUE(bal.setFocus(field));
    dialogs.answers = {imia("p.klt")};
    dialogs.asked.clear();
    cmd.Otkryt();
    EXPECT_EQ(bal.focus(), &bal.op.ClickRegion);
    EXPECT_EQ(sohranennoe(bal), saved);
    bal.pickItem("ClickRegion", "Другой");
  }
}

}  // namespace
