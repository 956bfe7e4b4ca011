#include "projectfiles/OpenSave.h"

#include <new>
#include <optional>
#include <utility>

#include "calculation/Numbers.h"
#include "mainwindow/Bal.h"
#include "projectfiles/Cp1251.h"
#include "projectfiles/ProfileFile.h"

namespace kalteron {
namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string klyuch(int key) { return std::to_string(key); }

// While a project is read the recalculations leave the chamber and outdoor
// temperatures as the file has them; only the final one corrects them.
class BezKorrekcii {
 public:
  explicit BezKorrekcii(RaschetState& st) : st_(st), was_(st.bezKorrekciiTemperatur) {
    st_.bezKorrekciiTemperatur = true;
  }
  ~BezKorrekcii() { st_.bezKorrekciiTemperatur = was_; }
  BezKorrekcii(const BezKorrekcii&) = delete;
  BezKorrekcii& operator=(const BezKorrekcii&) = delete;

 private:
  RaschetState& st_;
  bool was_;
};

// Sets an option group's button from a truth value.
void ustanovitOpciu(OptionGroup& g, int index, std::string_view text) { g.setValue(index, chitatIstinu(text)); }

}  // namespace

bool chitatIstinu(std::string_view text) {
  const std::string_view t = trimBlanks(text);
  const std::string lower = asciiLower(t);
  if (lower == "true") return true;
  if (lower == "false") return false;
  if (const auto v = parseDouble(t)) return *v != 0.0;
  return false;
}

int chitatFlazhok(std::string_view text) {
  const auto v = parseDouble(text);
  if (v && (*v == 0.0 || *v == 1.0 || *v == 2.0)) return static_cast<int>(*v);
  return 0;
}

std::array<PoleProekta, kKluchei> polyaProekta(OpisanieKamery& op) {
  std::array<PoleProekta, kKluchei> p{};
  int key = 0;
  const auto add = [&](Control& c, int option = 0) {
    p[static_cast<std::size_t>(key)] = {key + 1, &c, option};
    ++key;
  };
  const auto addSurfaces = [&](auto& arr) {
    for (auto& c : arr) add(c);
  };
  add(op.ClickZakazsik);
  add(op.ClickKontakt);
  add(op.ClickVedusii);
  add(op.ClickRegion);
  add(op.ClickVlajnostVozduh);
  add(op.ClickTemperaturaVozduh);
  add(op.ClickRejim);
  add(op.ClickTemperaturaKamera);
  add(op.ClickVlajnostKamera);
  add(op.ClickVremiaKamera);
  add(op.ClickZapasKamera);
  add(op.ClickKameraSirina);
  add(op.ClickKameraDlina);
  add(op.ClickKameraVisota);
  addSurfaces(op.ClickSteni);             // 15-20
  addSurfaces(op.ClickTolcinaSteni);      // 21-26
  addSurfaces(op.ClickIzolaicii);         // 27-32
  addSurfaces(op.ClickTolcinaIzolaicii);  // 33-38
  addSurfaces(op.ClickTemperatura);       // 39-44
  add(op.ClickProduktKategoria);
  add(op.ClickProduktProdukt);
  add(op.ClickProduktHranMassa);
  add(op.ClickProduktSutkiOborot);
  add(op.ClickProduktTemperNasalnaia);
  add(op.ClickProduktTemperKones);
  add(op.ClickTaraMaterial);
  add(op.ClickTaraHranMassa);
  add(op.ClickTaraSutkiOborot);
  add(op.ClickTaraTemperNasalnaia);
  add(op.ClickTaraTemperKones);
  add(op.ClickZagruzkaVisota);
  add(op.ClickZagruzkaPlotnost);
  add(op.ClickZagruzkaOborot, 0);  // 58
  add(op.ClickDverTip);
  add(op.ClickDverVisota);
  add(op.ClickDverShirina);
  add(op.ClickDverTipTovara);
  add(op.ClickDverZavesa);
  add(op.ClickOsvesenieRekomenduemoe);
  add(op.ClickOsvesenieVremia);
  add(op.ClickOsvesenieMosnost);
  add(op.ClickPtsMosnost);
  add(op.ClickPtsGruzopodiemnost);
  add(op.ClickPersonalKolichestvo);
  add(op.ClickVentilasiaKratnost);
  add(op.ClickLampaMosnost);
  add(op.ClickLampaVremia);
  add(op.ClickDvigateliMosnost);
  add(op.ClickDvigateliVremia);
  add(op.ClickProcheeOborudMosnost);
  add(op.ClickProcheeOborudVremia);
  add(op.ClickVOpredvaritelno);
  add(op.ClickVOutochnauchiiRaschet);
  add(op.ClickVOkolichestvoVentilatorov);
  add(op.ClickVOmochnostVentilatorov);
  add(op.CheckClickTeplopritokCteni);  // 81
  add(op.CheckClickTeplopritokProdukt);
  add(op.CheckClickTeplopritokDveri);
  add(op.CheckClickTeplopritokOsvesenie);
  add(op.CheckClickTeplopritokPTS);
  add(op.CheckClickTeplopritokPersonal);
  add(op.CheckClickTeplopritokOborudovanie);
  add(op.CheckClickTeplopritokVOiTEN);
  add(op.CheckClickTeplopritokDihanie);  // 89
  add(op.ClickVentilasiaKratnostSamostoiatelno);
  add(op.Option1, 0);                  // 91
  add(op.Option1, 1);                  // 92
  addSurfaces(op.ClickStekloSteni);    // 93-98
  addSurfaces(op.ClickZapolnenSteni);  // 99-104
  add(op.ClickPtsVremia);
  add(op.ClickPersonalVremia);
  return p;
}

std::string tekstPolia(const PoleProekta& pole) {
  Control* c = pole.control;
  switch (c->kind()) {
    case Kind::L:
      return static_cast<ListBox*>(c)->text();
    case Kind::K:
      return intToText(static_cast<CheckBox*>(c)->value());
    case Kind::O:
      return static_cast<OptionGroup*>(c)->value(pole.option) ? "True" : "False";
    default:
      return static_cast<TextField*>(c)->text();
  }
}

void ustanovitPole(const PoleProekta& pole, std::string_view text) {
  Control* c = pole.control;
  const std::string t(text);
  switch (c->kind()) {
    case Kind::L: {
      auto* box = static_cast<ListBox*>(c);
      // The product box keeps the first product of its category.
      if (box->indexOf(t) < 0 && box->name() == "ClickProduktProdukt") return;
      box->setText(t);
      return;
    }
    case Kind::K:
      static_cast<CheckBox*>(c)->setValue(chitatFlazhok(text));
      return;
    case Kind::O:
      ustanovitOpciu(*static_cast<OptionGroup*>(c), pole.option, text);
      return;
    default:
      static_cast<TextField*>(c)->setText(t);
      return;
  }
}

void zapisatProekt(Bal& bal, ProfileFile& file) {
  for (const PoleProekta& p : polyaProekta(bal.op)) file.set(kSekciaProekta, klyuch(p.key), tekstPolia(p));
}

void prochitatProekt(Bal& bal, const ProfileFile& file) {
  // Every value is taken from the file before the window changes, so that a
  // file there is no memory for leaves the window as it was.
  std::array<std::optional<std::string>, kKluchei> values;
  for (int key = 1; key <= kKluchei; ++key)
    values[static_cast<std::size_t>(key - 1)] = file.get(kSekciaProekta, klyuch(key));
  const auto polya = polyaProekta(bal.op);
  const auto read = [&](int key, std::string_view deflt = "0") {
    const auto& v = values[static_cast<std::size_t>(key - 1)];
    return v ? *v : std::string(deflt);
  };
  const auto load = [&](int first, int last) {
    for (int key = first; key <= last; ++key) ustanovitPole(polya[static_cast<std::size_t>(key - 1)], read(key));
  };
  {
    BezKorrekcii guard(bal.st);
    load(1, 14);
    // The chamber type before the wall table: its handler clears the wall
    // thicknesses and glazed shares that the file then gives.
    OptionGroup& tip = bal.op.Option1;
    ustanovitOpciu(tip, 0, read(91));
    ustanovitOpciu(tip, 1, read(92));
    if (tip.selected() < 0) tip.setValue(0, true);
    load(15, 57);
    bal.op.ClickZagruzkaOborot.setValue(chitatIstinu(read(58)) ? 0 : 1, true);
    load(59, 90);
    // The recalculations of keys 71 to 89 ran while the rate was still
    // automatic and overwrote key 70; a rate entered by hand is the file's.
    if (bal.op.ClickVentilasiaKratnostSamostoiatelno.value() != 0) ustanovitPole(polya[69], read(70));
    if (tip.value(1)) load(93, 104);
    const std::string svet = bal.op.ClickOsvesenieVremia.text();
    ustanovitPole(polya[104], read(105, svet));
    ustanovitPole(polya[105], read(106, svet));
  }
  bal.RaschetVse();
}

bool SaveRaschetFile(Bal& bal, const std::string& path) {
  return rewriteProfile(path, [&](ProfileFile& file) { zapisatProekt(bal, file); });
}

bool OpenRaschetFile(Bal& bal, const std::string& path) {
  try {
    auto bytes = readWholeFile(path);
    if (!bytes) return false;
    const ProfileFile file = ProfileFile::parse(std::move(*bytes));
    if (!file.hasSection(kSekciaProekta)) return false;
    prochitatProekt(bal, file);
    return true;
  } catch (const std::bad_alloc&) {
    // Too large for the memory left: refused like a file that cannot be read.
    return false;
  }
}

bool SaveRaschet(Bal& bal, const std::string& nameFile) {
  return SaveRaschetFile(bal, nameFile + std::string(kRasshirenieProekta));
}

bool OpenRaschet(Bal& bal, const std::string& nameFile) {
  return OpenRaschetFile(bal, nameFile + std::string(kRasshirenieProekta));
}

void NewRaschet(Bal& bal) {
  // Keys first to last take the value; keys 91 and 92, 105 and 106 keep
  // what the window shows.
  struct Znachenie {
    int first, last;
    const char* text;
  };
  static const Znachenie kNovyi[] = {
      {1, 1, "Частный"},
      {2, 3, "0"},
      {4, 4, "Самара"},
      {5, 5, "54"},
      {6, 6, "32"},
      {7, 7, "Хранение"},
      {8, 8, "-10"},
      {9, 9, "85"},
      {10, 10, "18"},
      {11, 11, "5"},
      {12, 14, "0"},
      {15, 20, "Железобетон"},
      {21, 26, "0"},
      {27, 32, "Пенополиуретан"},
      {33, 38, "0"},
      {39, 44, "32"},
      {45, 45, "Мясные"},
      {46, 46, "Баранина"},
      {47, 49, "0"},
      {50, 50, "-10"},
      {51, 51, "Металл"},
      {52, 54, "0"},
      {55, 55, "-10"},
      {56, 56, "0"},
      {57, 57, "300"},
      {58, 58, "True"},
      {59, 59, "1"},
      {60, 61, "0"},
      {62, 62, "Штабели на поддонах"},
      {63, 63, "Нет"},
      {64, 64, "1"},
      {65, 65, "0"},
      {66, 66, "5"},
      {67, 67, "0"},
      {68, 68, "3000"},
      {69, 76, "0"},
      {77, 77, "10"},
      {78, 80, "0"},
      {81, 89, "1"},
      {90, 90, "0"},
      {93, 98, "Стекло 10 мм."},
      {99, 104, "0"},
  };
  const auto polya = polyaProekta(bal.op);
  for (const Znachenie& z : kNovyi)
    for (int key = z.first; key <= z.last; ++key) ustanovitPole(polya[static_cast<std::size_t>(key - 1)], z.text);
  bal.RaschetVse();
}

}  // namespace kalteron
