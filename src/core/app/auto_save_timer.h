// The timers of automatic saving: an interval timer starts a wait, a
// one-second timer counts quiet seconds, and after enough of them every open
// text document is saved automatically. Input during the wait starts the
// count again. The state machine says what to do with the two timers; the
// frame owns the real ones.
#pragma once

#include "app/settings.h"

namespace quelt {

// Timer ids on the main frame.
constexpr unsigned kAutoSaveIntervalTimer = 5;
constexpr unsigned kAutoSaveWaitTimer = 6;
constexpr unsigned kAutoSaveWaitPeriodMs = 1000;

struct AutoSaveConfig {
  bool on = false;          // "AutoSave"
  int intervalSec = 300;    // "AutoSaveIntervalSec"
  int waitSec = 5;          // "AutoSaveWaitSec"
};

// The timers' part of the settings record.
inline AutoSaveConfig AutoSaveConfigOf(const AppSettings& s) {
  return {s.autoSave != 0, s.autoSaveIntervalSec, s.autoSaveWaitSec};
}

// What the frame does with its timers after a step.
struct AutoSaveActions {
  bool startInterval = false;  // (re)start timer 5 with the interval
  bool stopInterval = false;
  bool startWait = false;      // start timer 6, every second
  bool stopWait = false;
  bool savePass = false;       // save every open text document now
};

class AutoSaveTimer {
 public:
  // At creation of the frame.
  AutoSaveActions Start(const AutoSaveConfig& config);
  // Timer 5.
  AutoSaveActions OnIntervalTick(const AutoSaveConfig& config);
  // Timer 6.
  AutoSaveActions OnWaitTick(const AutoSaveConfig& config);
  // Key or mouse input in an edit window.
  void OnInput() { idleSeconds_ = 0; }
  // New settings from the settings sheet.
  AutoSaveActions Apply(const AutoSaveConfig& before, const AutoSaveConfig& after);

  bool Waiting() const { return waiting_; }
  int IdleSeconds() const { return idleSeconds_; }

 private:
  bool waiting_ = false;
  int idleSeconds_ = 0;
};

}  // namespace quelt
