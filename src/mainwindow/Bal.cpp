#include "mainwindow/Bal.h"

#include "calculation/Numbers.h"
#include "mainwindow/PravilaPolei.h"

namespace kalteron {

Bal::Bal() : kamera_{basa, op, rez, st, RejimText4} {
  ImageKamera2.setVisible(false);
  ImageKamera4.setVisible(false);

  controls_ = op.controls();
  for (Control* c : rez.controls()) controls_.push_back(c);
  for (Control* c : std::initializer_list<Control*>{&ImageKamera1, &ImageKamera2, &ImageKamera3, &ImageKamera4,
                                                    &SteniNadpis0, &SteniNadpis1, &ProduktText3, &ProduktText4,
                                                    &TaraText2, &TaraText3, &RejimText4})
    controls_.push_back(c);
  for (auto& w : Parametr) controls_.push_back(&w);
  for (auto& w : Frame5) controls_.push_back(&w);
  for (Control* c :
       std::initializer_list<Control*>{&ClickSteniPoPervoiStroke, &ClickSteniPoPervoiStroke2, &ClickZagruzkaPolnaia})
    controls_.push_back(c);
  for (Control* c : controls_) byName_.emplace(c->name(), c);
  oformit();
  wire();
}

Control* Bal::find(const std::string& name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

// The designed state of the window's own controls, the empty defaults of the
// typed fields and the page each control sits on.
void Bal::oformit() {
  for (auto& w : Parametr) w.setBackColor(colour::ButtonFace);
  for (std::size_t i = 1; i < Frame5.size(); ++i) Frame5[i].setVisible(false);

  for (const PraviloPolia& p : pravilaPolei()) {
    if (auto* f = dynamic_cast<TextField*>(find(std::string(p.pole)))) f->setEmptyDefault(std::string(p.pusto));
  }

  const auto na = [this](int page, std::initializer_list<Control*> cs) {
    for (Control* c : cs) stranicy_[c] = page;
  };
  for (std::size_t i = 0; i < static_cast<std::size_t>(kSurfaces); ++i)
    na(1, {&op.ClickSteni[i], &op.ClickTolcinaSteni[i], &op.ClickStekloSteni[i], &op.ClickZapolnenSteni[i],
           &op.ClickIzolaicii[i], &op.ClickTolcinaIzolaicii[i], &op.ClickTemperatura[i]});
  na(1, {&ClickSteniPoPervoiStroke, &ClickSteniPoPervoiStroke2});
  na(2, {&op.ClickProduktKategoria, &op.ClickProduktProdukt, &op.ClickProduktHranMassa, &op.ClickProduktSutkiOborot,
         &op.ClickProduktTemperNasalnaia, &op.ClickProduktTemperKones, &op.ClickTaraMaterial, &op.ClickTaraHranMassa,
         &op.ClickTaraSutkiOborot, &op.ClickTaraTemperNasalnaia, &op.ClickTaraTemperKones, &op.ClickZagruzkaVisota,
         &op.ClickZagruzkaPlotnost, &op.ClickZagruzkaOborot, &ClickZagruzkaPolnaia});
  na(3, {&op.ClickDverVisota, &op.ClickDverShirina, &op.ClickDverTipTovara, &op.ClickDverZavesa, &op.ClickDverTip,
         &op.ClickOsvesenieMosnost, &op.ClickOsvesenieVremia, &op.ClickOsvesenieRekomenduemoe, &op.ClickPtsMosnost,
         &op.ClickPtsGruzopodiemnost, &op.ClickPtsVremia, &op.ClickPersonalKolichestvo, &op.ClickPersonalVremia});
  na(4, {&op.ClickVentilasiaKratnost, &op.ClickVentilasiaKratnostSamostoiatelno, &op.ClickLampaMosnost,
         &op.ClickLampaVremia, &op.ClickDvigateliMosnost, &op.ClickDvigateliVremia, &op.ClickProcheeOborudMosnost,
         &op.ClickProcheeOborudVremia});
  na(5, {&op.ClickVOpredvaritelno, &op.ClickVOutochnauchiiRaschet, &op.ClickVOkolichestvoVentilatorov,
         &op.ClickVOmochnostVentilatorov});
}

void Bal::wire() {
  op.Option1.onClick = [this](int i) { Option1_Click(i); };
  op.ClickRegion.onClick = [this] { ClickRegion_Click(); };
  op.ClickRejim.onClick = [this] { ClickRejim_Click(); };
  op.ClickProduktKategoria.onClick = [this] { ClickProduktKategoria_Click(); };
  op.ClickProduktProdukt.onClick = [this] { ClickProduktProdukt_Click(); };
  op.ClickTaraMaterial.onClick = [this] { ClickTaraMaterial_Click(); };
  // The other list-only boxes only recalculate.
  const auto recalc = [this] { RaschetVse(); };
  op.ClickDverTipTovara.onClick = recalc;
  op.ClickDverZavesa.onClick = recalc;
  op.ClickZagruzkaOborot.onClick = [this](int) { RaschetVse(); };
  op.ClickDverTip.onClick = recalc;
  op.ClickOsvesenieRekomenduemoe.onClick = [this] { ClickOsvesenieRekomenduemoe_Click(); };
  op.ClickVentilasiaKratnostSamostoiatelno.onClick = [this] { ClickVentilasiaKratnostSamostoiatelno_Click(); };
  op.ClickVOutochnauchiiRaschet.onClick = [this] { ClickVOutochnauchiiRaschet_Click(); };
  // The nine gain switches: each calculation reads its own.
  for (CheckBox* k :
       {&op.CheckClickTeplopritokCteni, &op.CheckClickTeplopritokProdukt, &op.CheckClickTeplopritokDihanie,
        &op.CheckClickTeplopritokDveri, &op.CheckClickTeplopritokOsvesenie, &op.CheckClickTeplopritokPTS,
        &op.CheckClickTeplopritokPersonal, &op.CheckClickTeplopritokOborudovanie, &op.CheckClickTeplopritokVOiTEN})
    k->onClick = recalc;
  for (int s = 0; s < kSurfaces; ++s) {
    const auto i = static_cast<std::size_t>(s);
    op.ClickSteni[i].onClick = recalc;
    op.ClickStekloSteni[i].onClick = recalc;
    op.ClickIzolaicii[i].onClick = recalc;
  }
}

void Bal::Form_Load() {
  // The catalogue appends to one box after another or to the six boxes of a
  // column in turn, so the search starts at the last box hit.
  struct Spisok {
    const std::string* name;
    ItemList* list;
  };
  std::vector<Spisok> spiski;
  for (Control* c : controls_)
    if (auto* list = dynamic_cast<ItemList*>(c)) spiski.push_back({&c->name(), list});
  std::size_t posledni = 0;
  ZagruzitBasa(basa, [&](std::string_view box, std::string_view item) {
    for (std::size_t n = 0; n < spiski.size(); ++n) {
      const std::size_t i = (posledni + n) % spiski.size();
      const std::string& name = *spiski[i].name;
      if (name.size() != box.size() || name != box) continue;
      spiski[i].list->addItem(std::string(item));
      posledni = i;
      return;
    }
  });
  RaschetVse();
  TekusiiParametr = 1;
  Parametr[0].setBackColor(colour::White);
  Frame5[0].setVisible(true);
  Caption = "   Kalteron";
  // Shown, the window gives the focus to the first control in tab order.
  focus_ = &op.ClickRegion;
}

void Bal::RaschetVse() { kalteron::RaschetVse(kamera_); }

void Bal::Option1_Click(int index) {
  if (index == 0 || index == 1) {
    const bool pavilion = index == 1;
    ImageKamera1.setVisible(!pavilion);
    ImageKamera3.setVisible(!pavilion);
    ImageKamera2.setVisible(pavilion);
    ImageKamera4.setVisible(pavilion);
    SteniNadpis0.setText(pavilion ? "Выбор остекления" : "Материал стен");
    SteniNadpis1.setText(pavilion ? "Заполнение %" : "Толщина (мм)");
    for (int s = 0; s < kSurfaces; ++s) {
      const auto i = static_cast<std::size_t>(s);
      op.ClickStekloSteni[i].setVisible(pavilion);
      op.ClickZapolnenSteni[i].setText("0");
      op.ClickZapolnenSteni[i].setVisible(pavilion);
      op.ClickSteni[i].setVisible(!pavilion);
      op.ClickTolcinaSteni[i].setText("0");
      op.ClickTolcinaSteni[i].setVisible(!pavilion);
    }
  }
  RaschetVse();
}

void Bal::ClickRegion_Click() {
  const RefTable& t = basa.gKlimat;
  const int row = t.find(op.ClickRegion.text(), 1, 100);
  if (row > 0) {
    op.ClickTemperaturaVozduh.setText(intToText(static_cast<long long>(t.number(row, 2))));
    op.ClickVlajnostVozduh.setText(intToText(static_cast<long long>(t.number(row, 3))));
  } else {
    op.ClickTemperaturaVozduh.setText("0");
    op.ClickVlajnostVozduh.setText("0");
  }
  const bool other = op.ClickRegion.text() == "Другой";
  op.ClickTemperaturaVozduh.setEnabled(other);
  op.ClickVlajnostVozduh.setEnabled(other);
  vozduhNaPoverhnosti();
  RaschetVse();
}

void Bal::vozduhNaPoverhnosti() {
  st.gTemperaturaVozduh = chislo(op.ClickTemperaturaVozduh);
  for (auto& f : op.ClickTemperatura) f.setText(singleToText(st.gTemperaturaVozduh));
}

void Bal::ClickRejim_Click() {
  const bool cooling = ohlajdenie(op);
  ProduktText3.setVisible(!cooling);
  op.ClickProduktHranMassa.setVisible(!cooling);
  ProduktText4.setText(cooling ? "Охлаждаемая масса кг." : "Суточный оборот кг.");
  RejimText4.setText(cooling ? "Время обработки" : "Время раб. обор.");
  TaraText2.setVisible(!cooling);
  TaraText3.setText(cooling ? "Охлаждаемая масса кг." : "Суточный оборот кг.");
  op.ClickTaraHranMassa.setVisible(!cooling);
  RaschetVse();
}

void Bal::ClickProduktKategoria_Click() {
  ListBox& list = op.ClickProduktProdukt;
  list.clear();
  const RefTable& t = basa.gProduktTabl;
  const std::string& kategoria = op.ClickProduktKategoria.text();
  for (int r = 1; r <= kStrokProdukt; ++r)
    if (t.equals(r, 1, kategoria)) list.addItem(t.text(r, 2));
  if (!list.items().empty()) list.setText(list.items().front());
  RaschetVse();
}

void Bal::ClickProduktProdukt_Click() { RaschetVse(); }
void Bal::ClickTaraMaterial_Click() { RaschetVse(); }

}  // namespace kalteron
