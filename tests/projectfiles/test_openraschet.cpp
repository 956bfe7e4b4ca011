#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "ProjectTestKit.h"
#include "projectfiles/WholeFile.h"

using namespace kalteron;
using namespace kalteron::test;

namespace {

void pavilion(Bal& b) { b.op.Option1.setValue(1, true); }

TEST_F(ProjectTest, LoadsEveryKeyWithItsHandlers) {
  struct Case {
    const char* what;
    std::map<int, std::string> zamena;
    std::set<int> bez;
    std::vector<std::pair<std::string, std::string>> expect;
    std::function<void(Bal&)> before = nullptr;
  };
  // Values that a saved project always holds in a consistent way are checked
  // by the round trip; these are the ones it cannot make.
  const Case cases[] = {
      {"both type keys true", {{91, "True"}, {92, "True"}}, {}, {{"Option1(0)", "False"}, {"Option1(1)", "True"}}},
      {"both type keys false", {{91, "False"}, {92, "False"}}, {}, {{"Option1(0)", "True"}, {"Option1(1)", "False"}}},
      {"both type keys missing", {}, {91, 92}, {{"Option1(0)", "True"}, {"Option1(1)", "False"}}, pavilion},
      {"truth words in any case and numbers", {{91, "fAlSe"}, {92, "-1"}}, {}, {{"Option1(1)", "True"}}},
      {"key 58 missing", {}, {58}, {{"ClickZagruzkaOborot(1)", "True"}}},
      {"hours default to the lighting hours",
       {{65, "7"}},
       {105, 106},
       {{"ClickPtsVremia", "7"}, {"ClickPersonalVremia", "7"}}},
      {"hours and lighting hours missing",
       {},
       {65, 105, 106},
       {{"ClickOsvesenieVremia", "0"}, {"ClickPtsVremia", "0"}, {"ClickPersonalVremia", "0"}}},
      {"automatic air-change rate is computed",
       {{90, "0"},
        {70, "3,5"},
        {12, "4"},
        {13, "5"},
        {14, "3"},
        {45, "Овощи"},
        {46, "Картофель"},
        {47, "1000"},
        {50, "4"}},
       {},
       {{"ClickVentilasiaKratnost", "9,04"}},
       [](Bal& b) { b.op.ClickVentilasiaKratnostSamostoiatelno.setValue(1); }},
      {"a present empty value", {{1, ""}, {2, ""}}, {}, {{"ClickZakazsik", ""}, {"ClickKontakt", ""}}},
      {"a missing text key reads 0", {}, {1, 47}, {{"ClickZakazsik", "0"}, {"ClickProduktHranMassa", "0"}}},
      {"check-box values",
       {{59, "5"}, {81, "2"}, {82, "abc"}, {83, "1,0"}, {84, ""}},
       {},
       {{"ClickDverTip", "0"},
        {"CheckClickTeplopritokCteni", "2"},
        {"CheckClickTeplopritokProdukt", "0"},
        {"CheckClickTeplopritokDveri", "1"},
        {"CheckClickTeplopritokOsvesenie", "0"}}},
      {"an option value that means nothing",
       {{58, "maybe"}, {91, "yes"}},
       {},
       {{"ClickZagruzkaOborot(1)", "True"}, {"Option1(0)", "True"}}},
      {"list values that are no items get their defaults",
       {{15, "Картон"}, {51, "Фанера"}, {63, "0"}, {7, "Заморозка"}, {4, "Атлантида"}},
       {},
       {{"ClickSteniStenaA", "Железобетон"},
        {"ClickTaraMaterial", "Металл"},
        {"ClickDverZavesa", "Нет"},
        {"ClickRejim", "Хранение"},
        {"ClickRegion", "Самара"}}},
      {"a product that is no item keeps the category's first",
       {{45, "Фрукты"}, {46, "Картофель"}},
       {},
       {{"ClickProduktKategoria", "Фрукты"}, {"ClickProduktProdukt", "Абрикосы"}}},
      {"a store file while a pavilion is shown keeps its thicknesses",
       {{21, "250"}, {26, "400"}, {93, "Стекло 4 мм."}},
       {},
       {{"Option1(0)", "True"},
        {"ClickTolcinaSteniStenaA", "250"},
        {"ClickTolcinaSteniPol", "400"},
        {"ClickStekloSteniStenaA", "Стекло 8 мм."},
        {"ClickZapolnenSteniStenaA", "0"}},
       [](Bal& b) {
         pavilion(b);
         b.op.ClickStekloSteni[0].setText("Стекло 8 мм.");
         b.op.ClickZapolnenSteni[0].setText("30");
       }},
      // The regime's handler recalculates between the outdoor and the chamber
      // temperatures: with the correction there the outdoor value would be lost.
      {"no temperature correction while reading",
       {{7, "Охлаждение"}, {6, "-5"}, {8, "-20"}},
       {},
       {{"ClickTemperaturaVozduh", "-5"}, {"ClickTemperaturaKamera", "-20"}},
       [](Bal& b) {
         b.op.ClickTemperaturaKamera.setText("5");
         b.op.ClickTemperaturaVozduh.setText("30");
       }},
      {"the final recalculation corrects",
       {{6, "5"}, {8, "10"}},
       {},
       {{"ClickTemperaturaVozduh", "0"}, {"ClickTemperaturaKamera", "-10"}}},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bal b;
    b.Form_Load();
    if (c.before) c.before(b);
    ASSERT_TRUE(OpenRaschet(b, proekt(c.zamena, c.bez, "case" + std::to_string(n++))));
    for (const auto& [name, value] : c.expect) EXPECT_EQ(tekst(b, name), value) << name;
    EXPECT_FALSE(b.st.bezKorrekciiTemperatur);
  }
}

TEST_F(ProjectTest, AFileThatCannotBeOpenedChangesNothing) {
  std::filesystem::create_directories(dir / "folder.klt");
  ASSERT_TRUE(writeWholeFile(imia("other.klt"), "[Other]\r\n1=Иванов\r\n"));
  ASSERT_TRUE(writeWholeFile(imia("empty.klt"), ""));
  bal.op.ClickZakazsik.setText("Петров");
  const auto before = revisii(bal);
  const int recalcs = bal.st.vhodov;
  for (const char* name : {"missing", "folder", "other", "empty"}) {
    EXPECT_FALSE(OpenRaschet(bal, imia(name))) << name;
    EXPECT_EQ(revisii(bal), before) << name;
  }
  EXPECT_EQ(bal.st.vhodov, recalcs);
}

TEST_F(ProjectTest, ANewFileHoldsTheSectionAndTheKeysInOrder) {
  bal.op.ClickZakazsik.setText("ООО \"Север\"\r\nсклад №2");
  const auto before = revisii(bal);
  const int recalcs = bal.st.vhodov;
  ASSERT_TRUE(SaveRaschet(bal, imia("new")));
  // Saving changes nothing on screen and recalculates nothing.
  EXPECT_EQ(revisii(bal), before);
  EXPECT_EQ(bal.st.vhodov, recalcs);

  const auto bytes = readWholeFile(imia("new.klt"));
  ASSERT_TRUE(bytes);
  const auto lines = ProfileFile::parse(*bytes).lines();
  ASSERT_EQ(lines.size(), 107u);
  EXPECT_EQ(lines[0], "[Kalteron]");
  for (int k = 1; k <= 106; ++k) EXPECT_EQ(lines[k].substr(0, lines[k].find('=')), std::to_string(k));
  EXPECT_EQ(lines[1], utf8ToCp1251("1=ООО \"Север\"  склад №2"));
  EXPECT_EQ(lines[58], "58=True");
  EXPECT_EQ(lines[59], "59=1");
  EXPECT_EQ(lines[91], "91=True");
  EXPECT_EQ(lines[92], "92=False");
  EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
}

TEST_F(ProjectTest, NewProject) {
  Bal& b = bal;
  pavilion(b);
  b.op.ClickStekloSteni[2].setText("Стекло 4 мм.");
  b.op.ClickZapolnenSteni[2].setText("50");
  b.op.ClickPtsVremia.setText("6");
  b.op.ClickPersonalVremia.setText("9");
  b.op.ClickKameraDlina.setText("12");
  b.op.ClickZakazsik.setText("Иванов");
  b.op.ClickRegion.setText("Москва");
  b.op.ClickRejim.setText("Охлаждение");
  b.op.ClickZagruzkaOborot.setValue(1, true);
  NewRaschet(b);
  const std::pair<const char*, const char*> expect[] = {
      {"Option1(1)", "True"},
      {"ClickStekloSteniStenaV", "Стекло 10 мм."},
      {"ClickZapolnenSteniStenaV", "0"},
      {"ClickTolcinaSteniStenaA", "0"},
      {"ClickPtsVremia", "6"},
      {"ClickPersonalVremia", "9"},
      {"ClickZakazsik", "Частный"},
      {"ClickKontakt", "0"},
      {"ClickVedusii", "0"},
      {"ClickRegion", "Самара"},
      {"ClickTemperaturaVozduh", "32"},
      {"ClickVlajnostVozduh", "54"},
      {"ClickRejim", "Хранение"},
      {"ClickProduktProdukt", "Баранина"},
      {"ClickZagruzkaOborot(0)", "True"},
      {"ClickKameraObiem", "0,00"},
      {"ClickKameraPlosad", "0,00"},
      {"ClickTemperaturaKamera", "-10"},
  };
  for (const auto& [name, value] : expect) EXPECT_EQ(tekst(b, name), value) << name;
  EXPECT_TRUE(b.ProduktText3.visible());
  EXPECT_FALSE(b.op.ClickTemperaturaVozduh.enabled());
}

// Limits the address space of the process to what it uses now and `room`
// more bytes.
bool limitMemory(std::size_t room) {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  if (!(statm >> pages)) return false;
  rlimit r{};
  r.rlim_cur = r.rlim_max = pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + room;
  return ::setrlimit(RLIMIT_AS, &r) == 0;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The largest file read, a project behind blank lines, opens and saves with
// little more memory than its bytes; with less it is refused and stays as it
// was, and the program goes on.
TEST_F(ProjectTest, ALargeFileNeedsLittleMoreMemoryThanItsBytes) {
  if (kSanitized) GTEST_SKIP() << "the sanitizers reserve address space of their own";
  const std::string path = proekt({{1, "Иванов"}}, {}, "big") + ".klt";
  ASSERT_TRUE(OpenRaschetFile(bal, path));
  const std::string project = *readWholeFile(path);
  std::string big;
  for (std::size_t n = (kMaxFileBytes - project.size()) / 2; n > 0; --n) big += "\r\n";
  big += project;
  ASSERT_TRUE(writeWholeFile(path, big));

  constexpr std::size_t MiB = std::size_t{1} << 20;
  struct Case {
    const char* what;
    bool save;
    std::size_t room;
    bool done;
  };
  const Case cases[] = {
      {"opened", false, 64 * MiB, true},
      {"refused", false, 4 * MiB, false},
      {"saved", true, 96 * MiB, true},
      {"not saved", true, 4 * MiB, false},
  };
  for (const Case& c : cases) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (!limitMemory(c.room)) ::_exit(2);
      try {
        const bool done =
            c.save ? SaveRaschetFile(bal, path) : OpenRaschetFile(bal, path) && bal.op.ClickZakazsik.text() == "Иванов";
        ::_exit(done ? 1 : 0);
      } catch (...) {
        ::_exit(3);  // what would have ended the program
      }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << c.what << ": ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), c.done ? 1 : 0) << c.what << " (2: no limit set, 3: an exception escaped)";
    EXPECT_TRUE(readWholeFile(path) == big) << c.what;
  }
}

}  // namespace
