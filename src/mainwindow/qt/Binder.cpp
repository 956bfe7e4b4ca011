#include "mainwindow/qt/Binder.h"

namespace kalteron::qt {

void Binder::add(const Control& c, std::function<void()> apply) {
  byControl_[&c].push_back(entries_.size());
  entries_.push_back({&c, 0, std::move(apply)});
}

int Binder::refresh() {
  int touched = 0;
  for (Entry& e : entries_) {
    const std::uint64_t r = e.control->revision();
    if (r == e.seen) continue;
    e.seen = r;
    e.apply();
    ++touched;
  }
  return touched;
}

void Binder::apply(const Control& c) {
  const auto it = byControl_.find(&c);
  if (it == byControl_.end()) return;
  for (std::size_t i : it->second) {
    Entry& e = entries_[i];
    e.seen = e.control->revision();
    e.apply();
  }
}

}  // namespace kalteron::qt
