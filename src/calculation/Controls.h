// The controls of the main window without pixels. Each keeps its value as the
// window shows it, its items, enabled, visible and back colour, and a revision
// that grows with every change so a view knows what to refresh.
//
// Setting from code follows the rules of the kind: a list-only box, a check box
// or an option button whose value changes runs its handler before the set
// returns; a text box, an editable box or a label runs nothing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalteron {

enum class Kind { T, L, E, K, O, Label, Image, Button, Frame };

// Back colours as 0xRRGGBB.
namespace colour {
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint32_t ButtonFace = 0xF0F0F0;
}  // namespace colour

class Control {
 public:
  Control(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  Kind kind() const { return kind_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool on) { change(enabled_, on); }
  bool visible() const { return visible_; }
  void setVisible(bool on) { change(visible_, on); }
  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t c) { change(backColor_, c); }

  // Grows with every change of anything the control shows.
  std::uint64_t revision() const { return revision_; }

 protected:
  template <typename T>
  bool change(T& member, const T& value) {
    if (member == value) return false;
    member = value;
    ++revision_;
    return true;
  }
  void touch() { ++revision_; }

 private:
  std::string name_;
  Kind kind_;
  bool enabled_ = true;
  bool visible_ = true;
  std::uint32_t backColor_ = colour::White;
  std::uint64_t revision_ = 1;
};

// A control whose value is a typed text: a text box or an editable choice box.
class TextField : public Control {
 public:
  TextField(std::string name, Kind kind, std::string text) : Control(std::move(name), kind), text_(std::move(text)) {}
  const std::string& text() const { return text_; }
  void setText(const std::string& t) { change(text_, t); }

  // The text the leave step puts into the field when it is left empty; the
  // calculation reads a text that is not a number as this value.
  const std::string& emptyDefault() const { return emptyDefault_; }
  void setEmptyDefault(std::string d) { emptyDefault_ = std::move(d); }

 private:
  std::string text_;
  std::string emptyDefault_ = "0";
};

// A text box (T) or, as `Label`, a caption without input.
class TextBox : public TextField {
 public:
  TextBox(std::string name, std::string text, Kind kind = Kind::T)
      : TextField(std::move(name), kind, std::move(text)) {}
};

class Label : public TextBox {
 public:
  Label(std::string name, std::string text) : TextBox(std::move(name), std::move(text), Kind::Label) {}
};

// A picture or a button: only shown, hidden, enabled and coloured.
class Widget : public Control {
 public:
  Widget(std::string name, Kind kind) : Control(std::move(name), kind) {}
};

// Item list shared by both choice boxes.
class ItemList {
 public:
  virtual ~ItemList() = default;
  const std::vector<std::string>& items() const { return items_; }
  int indexOf(const std::string& t) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i] == t) return static_cast<int>(i);
    return -1;
  }
  void addItem(const std::string& item) {
    items_.push_back(item);
    itemsChanged();
  }

 protected:
  // The box counts the change of its list as a change it shows.
  virtual void itemsChanged() = 0;

  std::vector<std::string> items_;
};

// A list-only choice box (L): its text is "" or one of its items.
class ListBox : public Control, public ItemList {
 public:
  ListBox(std::string name, std::string text = {}) : Control(std::move(name), Kind::L), text_(std::move(text)) {}

  const std::string& text() const { return text_; }
  int listIndex() const { return indexOf(text_); }

  // Selects the item equal to `t`; a text that is no item clears the choice.
  // A change of the choice runs the handler before returning.
  void setText(const std::string& t) {
    const std::string next = indexOf(t) >= 0 ? t : std::string();
    if (change(text_, next) && onClick) onClick();
  }
  // Empties the list and the choice, without running the handler.
  void clear() {
    items_.clear();
    text_.clear();
    touch();
  }

  std::function<void()> onClick;

 private:
  void itemsChanged() override { touch(); }

  std::string text_;
};

// An editable choice box (E): any text; its list offers usual values.
class ComboBox : public TextField, public ItemList {
 public:
  ComboBox(std::string name, std::string text) : TextField(std::move(name), Kind::E, std::move(text)) {}

 private:
  void itemsChanged() override { touch(); }
};

// A check box (K): 0 clear, 1 checked, 2 greyed (counts as not 0).
class CheckBox : public Control {
 public:
  CheckBox(std::string name, int value) : Control(std::move(name), Kind::K), value_(value) {}
  int value() const { return value_; }
  bool checked() const { return value_ != 0; }
  void setValue(int v) {
    if (change(value_, v) && onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  int value_;
};

// A group of two option buttons, `Name(0)` and `Name(1)`. Selecting one clears
// the other and runs the handler with its index; clearing runs nothing.
class OptionGroup : public Control {
 public:
  OptionGroup(std::string name, int selected) : Control(std::move(name), Kind::O) {
    values_[static_cast<std::size_t>(selected)] = true;
  }
  bool value(int index) const { return values_.at(static_cast<std::size_t>(index)); }
  // The index of the selected button, or -1 when none is.
  int selected() const { return values_[0] ? 0 : (values_[1] ? 1 : -1); }
  void setValue(int index, bool on) {
    auto& v = values_.at(static_cast<std::size_t>(index));
    if (v == on) return;
    if (on) {
      values_ = {false, false};
      values_[static_cast<std::size_t>(index)] = true;
      touch();
      if (onClick) onClick(index);
    } else {
      v = false;
      touch();
    }
  }
  // "Name(0)" or "Name(1)".
  std::string buttonName(int index) const { return name() + "(" + std::to_string(index) + ")"; }

  std::function<void(int)> onClick;

 private:
  std::array<bool, 2> values_{false, false};
};

// The six enclosing surfaces, in their fixed order.
constexpr int kSurfaces = 6;
constexpr std::array<const char*, kSurfaces> kSurfaceSuffix = {"StenaA", "StenaB",  "StenaV",
                                                               "StenaG", "Potolok", "Pol"};
constexpr std::array<const char*, kSurfaces> kSurfaceCaption = {"Стена А", "Стена Б", "Стена В",
                                                                "Стена Г", "Потолок", "Пол"};

// The name of a surface's control: prefix + suffix ("ClickSteniStenaA").
inline std::string surfaceName(std::string_view prefix, int s) {
  return std::string(prefix) + kSurfaceSuffix[static_cast<std::size_t>(s)];
}

// One control per surface, named by surfaceName().
template <typename C, typename... Args>
std::array<C, kSurfaces> perSurface(const std::string& prefix, const Args&... args) {
  return {C(surfaceName(prefix, 0), args...), C(surfaceName(prefix, 1), args...), C(surfaceName(prefix, 2), args...),
          C(surfaceName(prefix, 3), args...), C(surfaceName(prefix, 4), args...), C(surfaceName(prefix, 5), args...)};
}

}  // namespace kalteron
