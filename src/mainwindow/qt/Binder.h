// Keeps widgets in step with the controls of the model. Each widget registers
// how it shows its control; refresh() touches only the widgets whose control's
// revision grew since they were last shown.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "calculation/Controls.h"

namespace kalteron::qt {

class Binder {
 public:
  void add(const Control& c, std::function<void()> apply);
  // Shows every control that changed. Returns how many widgets were touched.
  int refresh();
  // Shows `c` again whatever its revision (a widget that changed itself
  // although the model refused the change).
  void apply(const Control& c);

 private:
  struct Entry {
    const Control* control;
    std::uint64_t seen = 0;
    std::function<void()> apply;
  };
  std::vector<Entry> entries_;
  std::unordered_map<const Control*, std::vector<std::size_t>> byControl_;
};

}  // namespace kalteron::qt
