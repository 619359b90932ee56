// Window marks: up to ten marked windows that Next and Previous cycle
// through. A marked window's title carries the prefix "* ".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelt {

// At most this many windows are marked at once.
constexpr std::size_t kMaxWindowMarks = 10;
// A title longer than this cannot take the prefix.
constexpr std::size_t kMaxMarkedTitle = 258;
constexpr const char* kWindowMarkPrefix = "* ";

enum class MarkResult : int {
  kDone = 0,
  kBeep = 1,  // refused: the list is full, the title too long, or nothing marked
};

// Windows are named by an opaque id the front end chooses.
using WindowId = std::uintptr_t;

class WindowMarks {
 public:
  // Marks the window (current from now on) or, when it is marked, unmarks
  // it. title is updated: the prefix added unless present, or removed.
  MarkResult Toggle(WindowId window, std::string& title);
  // The next (forward) or previous marked window; windows for which isOpen
  // is false are dropped on the way with one beep each (counted in beeps).
  // False (a beep) when nothing is marked.
  template <typename IsOpen>
  bool Step(bool forward, IsOpen isOpen, WindowId& window, int& beeps);
  // Unmarks every window; prefixless titles count a beep each. Returns the
  // marked windows so the front end can fix their titles.
  std::vector<WindowId> Clear();
  // Forgets a window that closed.
  void Remove(WindowId window);

  bool IsMarked(WindowId window) const;
  std::size_t Count() const { return marks_.size(); }
  int Current() const { return current_; }

 private:
  std::vector<WindowId> marks_;
  int current_ = -1;
};

// The title with the prefix removed (unchanged when it has none).
std::string TitleWithoutMark(const std::string& title);
bool HasMarkPrefix(const std::string& title);

template <typename IsOpen>
bool WindowMarks::Step(bool forward, IsOpen isOpen, WindowId& window, int& beeps) {
  beeps = 0;
  while (!marks_.empty()) {
    const int n = static_cast<int>(marks_.size());
    current_ = forward ? (current_ + 1) % n : (current_ <= 0 ? n - 1 : current_ - 1);
    const WindowId w = marks_[static_cast<std::size_t>(current_)];
    if (isOpen(w)) {
      window = w;
      return true;
    }
    // A marked window whose document has closed is skipped with a beep. The
    // later marks move up into its place: going forward the next step must
    // land on that place (or wrap to the first), going backward on the one
    // before it.
    ++beeps;
    marks_.erase(marks_.begin() + current_);
    if (forward) --current_;
  }
  current_ = -1;
  return false;
}

}  // namespace quelt
