#include <gtest/gtest.h>

#include "ProjectTestKit.h"

using namespace kalteron;
using namespace kalteron::test;

namespace {

const std::string kFixture = std::string(KALTERON_TEST_DATA) + "/pavilion_cooling";

// A project written on Windows by the profile functions: a pavilion cooling
// potatoes, which respire.
TEST_F(ProjectTest, AWindowsProjectOpens) {
  ASSERT_TRUE(OpenRaschet(bal, kFixture));
  const std::pair<const char*, const char*> expect[] = {
      {"ClickZakazsik", "ООО \"Сад-Огород\""},
      {"ClickKontakt", "г. Самара, ул. Полевая 5, тел. 33-44-55"},
      {"ClickRegion", "Москва"},
      {"ClickVlajnostVozduh", "64"},
      {"ClickTemperaturaVozduh", "28"},
      {"ClickRejim", "Охлаждение"},
      {"ClickTemperaturaKamera", "2"},
      {"ClickKameraVisota", "3,5"},
      {"Option1(1)", "True"},
      {"ClickSteniStenaV", "Кирпич"},
      {"ClickIzolaiciiStenaV", "Панель ISO"},
      {"ClickTemperaturaStenaV", "20"},
      {"ClickTemperaturaPol", "10"},
      {"ClickProduktKategoria", "Овощи"},
      {"ClickProduktProdukt", "Картофель"},
      {"ClickTaraMaterial", "Дерево"},
      {"ClickZagruzkaOborot(1)", "True"},
      {"ClickDverTip", "0"},
      {"ClickDverZavesa", "Штора"},
      {"ClickOsvesenieMosnost", "8"},
      {"ClickVOutochnauchiiRaschet", "1"},
      {"ClickVOmochnostVentilatorov", "0,25"},
      {"ClickStekloSteniStenaA", "Ст/пак 24 мм.(4-4)"},
      {"ClickStekloSteniPol", "Стекло 10 мм."},
      {"ClickZapolnenSteniStenaB", "40"},
      {"ClickPtsVremia", "8"},
      {"ClickPersonalVremia", "9"},
      // Computed on loading.
      {"ClickKameraObiem", "168,00"},
      {"ClickKameraPlosad", "48,00"},
      {"ClickVentilasiaKratnost", "5,4"},  // 70 / sqrt(168)
      {"DihanieText(1)", "Присутствует"},
      // 5000 kg a day cooled from 20 to 4 °C: (143 + 81,4) / 2 kJ/(t h).
      {"ClickTeplopritokDihanie", "0,16"},
      // 8 W/m2 over 48 m2 for 10 of 24 hours.
      {"ClickTeplopritokOsvesenie", "0,16"},
      {"NeobhodRejimText", "Время обработки : 12  час."},
      {"NeobhodKoefZapas", "Коэф. запаса : 10  %"},
  };
  for (const auto& [name, value] : expect) EXPECT_EQ(tekst(bal, name), value) << name;
  EXPECT_FALSE(bal.op.ClickProduktHranMassa.visible());
  EXPECT_TRUE(bal.op.ClickStekloSteni[0].visible());
  EXPECT_FALSE(bal.op.ClickTolcinaSteni[0].visible());
}

// What was opened is saved back byte for byte as Windows wrote it.
TEST_F(ProjectTest, AWindowsProjectSavesBackUnchanged) {
  ASSERT_TRUE(OpenRaschet(bal, kFixture));
  ASSERT_TRUE(SaveRaschet(bal, imia("copy")));
  EXPECT_EQ(readWholeFile(imia("copy.klt")), readWholeFile(kFixture + ".klt"));
}

TEST_F(ProjectTest, ForeignSectionsAndKeysSurviveASave) {
  const std::string foreign =
      "; заметки\r\n[Другое]\r\n1=чужое\r\n\r\n[Kalteron]\r\nВерсия=3\r\n1=Старый\r\n  2 = контакт  \r\n\r\n"
      "[Хвост]\r\nx=y\r\n";
  ASSERT_TRUE(writeWholeFile(imia("f.klt"), utf8ToCp1251(foreign)));
  ASSERT_TRUE(OpenRaschet(bal, imia("f")));
  EXPECT_EQ(bal.op.ClickKontakt.text(), "контакт");
  bal.op.ClickZakazsik.setText("Новый");
  ASSERT_TRUE(SaveRaschet(bal, imia("f")));

  const auto f = ProfileFile::parse(*readWholeFile(imia("f.klt")));
  const auto& l = f.lines();
  ASSERT_EQ(l.size(), 11u + 104u);
  // Where each line goes is the profile file's business (ProfileFile tests).
  EXPECT_EQ(cp1251ToUtf8(l[0]), "; заметки");
  EXPECT_EQ(cp1251ToUtf8(l[6]), "1=Новый");
  EXPECT_EQ(cp1251ToUtf8(l[113]), "[Хвост]");
  EXPECT_EQ(f.get("Другое", "1"), "чужое");
  EXPECT_EQ(f.get("Kalteron", "Версия"), "3");
}

}  // namespace
