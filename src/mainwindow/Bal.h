// The main window without pixels: the chamber description, the results, the
// window's own captions and pictures, the catalogue and the calculation
// state, with every handler wired. The Qt window only mirrors it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/OpisanieKamery.h"
#include "calculation/Raschet.h"
#include "calculation/RaschetState.h"
#include "calculation/RezultatyRascheta.h"
#include "mainwindow/Prompter.h"
#include "reference/Basa.h"

namespace kalteron {

class Bal {
 public:
  Bal();
  Bal(const Bal&) = delete;
  Bal& operator=(const Bal&) = delete;

  // The load step: builds the catalogue, fills the lists, recalculates.
  void Form_Load();

  void RaschetVse();

  // Every control by its name ("ClickKameraDlina", "Option1", "DihanieText(1)").
  Control* find(const std::string& name) const;
  // Every control: the description, the results, then the window's own.
  const std::vector<Control*>& controls() const { return controls_; }

  Basa basa;
  OpisanieKamery op;
  RezultatyRascheta rez;
  RaschetState st;

  // Window controls that belong to neither record.
  Widget ImageKamera1{"ImageKamera1", Kind::Image};
  Widget ImageKamera2{"ImageKamera2", Kind::Image};
  Widget ImageKamera3{"ImageKamera3", Kind::Image};
  Widget ImageKamera4{"ImageKamera4", Kind::Image};
  Label SteniNadpis0{"SteniNadpis(0)", "Материал стен"};
  Label SteniNadpis1{"SteniNadpis(1)", "Толщина (мм)"};
  Label ProduktText3{"ProduktText(3)", "Хранимая масса кг."};
  Label ProduktText4{"ProduktText(4)", "Суточный оборот кг."};
  Label TaraText2{"TaraText(2)", "Хранимая масса кг."};
  Label TaraText3{"TaraText(3)", "Суточный оборот, кг."};
  Label RejimText4{"RejimText(4)", "Время обработки"};

  // The last wheel step on the report page, twips; kept for the whole run.
  std::int16_t ScrollStep = 0;

  // The page buttons "Parametr(1)".."Parametr(5)" and the pages
  // "Frame5(1)".."Frame5(5)"; element 0 is page 1.
  std::array<Widget, 5> Parametr{Widget{"Parametr(1)", Kind::Button}, Widget{"Parametr(2)", Kind::Button},
                                 Widget{"Parametr(3)", Kind::Button}, Widget{"Parametr(4)", Kind::Button},
                                 Widget{"Parametr(5)", Kind::Button}};
  std::array<Widget, 5> Frame5{Widget{"Frame5(1)", Kind::Frame}, Widget{"Frame5(2)", Kind::Frame},
                               Widget{"Frame5(3)", Kind::Frame}, Widget{"Frame5(4)", Kind::Frame},
                               Widget{"Frame5(5)", Kind::Frame}};
  // Command buttons: "Всё по первой строке", "Стены по первой строке",
  // "Полная загрузка".
  Widget ClickSteniPoPervoiStroke{"ClickSteniPoPervoiStroke", Kind::Button};
  Widget ClickSteniPoPervoiStroke2{"ClickSteniPoPervoiStroke2", Kind::Button};
  Widget ClickZagruzkaPolnaia{"ClickZagruzkaPolnaia", Kind::Button};

  // The page shown, 1 to 5.
  int TekusiiParametr = 1;
  // The window caption, set by the load step.
  std::string Caption;

  // ---------------------------------------------------------------------
  // What the user does. A view drives the model only through these calls;
  // after each call it refreshes, once, every widget whose control's
  // revision() grew, and moves its own focus to focus().
  //
  // * Focus. When a widget really gets the focus from another control of the
  //   window (not window activation, not a popup closing), call setFocus().
  //   The model runs the leave step of the control that had it (with its
  //   recalculation) and the entry step of the new one ("0" emptied; a text
  //   box then has its whole text selected, an editable choice box only the
  //   caret at the end: apply selectionStart()/selectionLength()). A control that is disabled, hidden, or on a page not
  //   shown cannot take the focus: setFocus() returns false and nothing
  //   happens; the view puts its focus back on focus().
  // * Keys. For every character typed into the focused text field, ask
  //   keyPress(ch) before the widget sees it (an event filter). The answer
  //   says whether the key gets in and what to insert ("." comes back as ","
  //   in decimal fields). Enter is never inserted: where the field has an
  //   Enter target the model has already moved the focus, inside keyPress(),
  //   with the leave and entry steps run. After the widget changed its text
  //   on its own (a key let in, Delete, cut, its context menu, an input
  //   method) report it with textEdited(): what it inserted goes through the
  //   key filter, and where the filter refused something the view shows
  //   text() again, with the caret at selectionStart(). Undo and redo bring
  //   back a text the model held: report them with textRestored(). Report
  //   cursor and selection moves with setSelection(), so the length test and
  //   insertions see what the widget shows. Positions and lengths count
  //   characters (code points), not bytes nor UTF-16 units.
  //   typeKey(ch) does both halves in the model (filter, then insertion at
  //   the model's selection); a view may use it instead of keyPress() and
  //   then copy text() and selection() back into the widget.
  // * Paste. Do not let the widget paste; call paste(text): every character
  //   goes through the key filter as if typed.
  // * Lists. pickItem() when the user picks an entry of a list-only or
  //   editable choice box (its list index).
  // * Clicks. clickCheck(), clickOption(), clickButton() (the command buttons
  //   and the page buttons): each takes the focus first, as a mouse click
  //   does, so the field being edited is left before the click acts.
  // Keys are UTF-8 characters; Enter is "\r", Backspace "\b".
  // ---------------------------------------------------------------------
  static constexpr std::string_view kEnter = "\r";
  static constexpr std::string_view kBackspace = "\b";

  Control* focus() const { return focus_; }
  bool canFocus(const Control& c) const;
  bool setFocus(Control& c);
  bool setFocus(const std::string& name);

  struct KeyAnswer {
    bool accepted = false;
    std::string text;  // what the field receives when accepted
  };
  KeyAnswer keyPress(std::string_view ch);
  // keyPress() and, when accepted, the edit of the focused field's text.
  void typeKey(std::string_view ch);
  // Every character of `text` typed in turn (Enter included).
  void typeText(std::string_view text);
  // Pasted text: each character through the key filter; line breaks and
  // other control characters are dropped.
  void paste(std::string_view text);
  void textEdited(const std::string& text, int cursor);
  // The widget brought back an earlier text of the field (undo, redo): the
  // model held it once and takes it as it is.
  void textRestored(const std::string& text, int cursor);
  void setSelection(int start, int length);
  int selectionStart() const { return selStart_; }
  int selectionLength() const { return selLength_; }
  // The text of the focused field ("" when the focus is not on a text field).
  std::string text() const;

  void pickItem(Control& box, int index);
  void pickItem(const std::string& name, const std::string& item);
  void clickCheck(CheckBox& box);
  void clickOption(OptionGroup& group, int index);
  void clickButton(Widget& button);
  void click(const std::string& name);  // check box, button or "Option1(1)"

  // Questions on closing, and the save command they may run. Without a
  // prompter nothing is asked: the window closes unsaved.
  Prompter* prompter = nullptr;
  std::function<void()> SaveNameFileSave;

  struct Zakrytie {
    bool cancel = false;              // the main window stays open
    std::vector<std::string> zakryt;  // windows to close, in this order
  };
  Zakrytie Form_QueryUnload();
  void Parametr_Click(int index);

  // Handlers.
  void Option1_Click(int index);
  void ClickRegion_Click();
  void ClickRejim_Click();
  void ClickProduktKategoria_Click();
  void ClickProduktProdukt_Click();
  void ClickTaraMaterial_Click();
  void ClickZagruzkaPolnaia_Click();
  void ClickOsvesenieRekomenduemoe_Click();
  void ClickVentilasiaKratnostSamostoiatelno_Click();
  void ClickVOutochnauchiiRaschet_Click();
  void ClickSteniPoPervoiStroke_Click();
  void ClickSteniPoPervoiStroke2_Click();
  void PoPervoiStroke();
  void PoPervoiStroke2();

 private:
  void wire();
  void oformit();
  // The page (1 to 5) a control sits on; 0 for the top area.
  int stranica(const Control& c) const;
  void vhod(Control& c);   // entry step
  void vyhod(Control& c);  // leave step
  void vstavit(const std::string& s);
  // The outdoor temperature field, read, goes into the six surfaces.
  void vozduhNaPoverhnosti();

  Kamera kamera_;
  std::vector<Control*> controls_;
  std::map<std::string, Control*, std::less<>> byName_;
  std::map<const Control*, int> stranicy_;
  Control* focus_ = nullptr;
  int selStart_ = 0;
  int selLength_ = 0;
};

}  // namespace kalteron
