// The report page: every label it shows, where, in which type, and the rules
// that frame its blocks. Its load step copies the main window's fields and
// results into the labels once; the page keeps them until it is closed and
// never writes anything back. Geometry is in twips (15 per pixel).
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace kalteron {

class Bal;

enum class Align { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

struct PrintLabel {
  // Value labels carry the name of the field they copy ("ClickRegion",
  // "ClickTeplopritokStenaA"); the label arrays carry their element
  // ("PrintTablicaSteni(2)", "prog(1)"); fixed captions have an empty name.
  std::string name;
  std::string text;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 240;
  double pointSize = 8;
  bool bold = false;
  Align align = Align::Left;
  VAlign valign = VAlign::Center;
  // Breaks the text into lines inside the box.
  bool wrap = false;
};

// A thin straight rule, horizontal or vertical.
struct PrintRule {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

// "dd.mm.yyyy", the short date form of the Russian locale.
std::string shortDate(std::chrono::year_month_day date);

// "#0.00" of a field text: a number by the Russian rules shown with two
// decimals; a text that is not a number comes back unchanged.
std::string formatText00(std::string_view text);

class FormPrint {
 public:
  static constexpr int kWidth = 11415;
  static constexpr int kHeight = 16200;
  static constexpr const char* kCaption = "Печать";

  // The page as designed: every value label shows "0".
  FormPrint();

  // The load step: copies what the main window shows at this moment.
  void Form_Load(const Bal& bal, std::chrono::year_month_day today);

  const std::vector<PrintLabel>& labels() const { return labels_; }
  const std::vector<PrintRule>& rules() const { return rules_; }

  // The label of that name, or nullptr.
  const PrintLabel* find(std::string_view name) const;
  // Its text; "" when there is no such label.
  std::string text(std::string_view name) const;

 private:
  PrintLabel& at(std::string_view name);
  void set(std::string_view name, const std::string& text) { at(name).text = text; }

  std::vector<PrintLabel> labels_;
  std::vector<PrintRule> rules_;
};

}  // namespace kalteron
