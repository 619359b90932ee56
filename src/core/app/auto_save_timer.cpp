#include "app/auto_save_timer.h"

namespace quelt {

AutoSaveActions AutoSaveTimer::Start(const AutoSaveConfig& config) {
  AutoSaveActions a;
  a.startInterval = config.on;
  return a;
}

AutoSaveActions AutoSaveTimer::OnIntervalTick(const AutoSaveConfig& config) {
  AutoSaveActions a;
  if (!config.on) {
    a.stopInterval = true;
    return a;
  }
  if (!waiting_) {
    waiting_ = true;
    idleSeconds_ = 0;
    a.startWait = true;
  }
  return a;
}

AutoSaveActions AutoSaveTimer::OnWaitTick(const AutoSaveConfig& config) {
  AutoSaveActions a;
  if (!config.on || !waiting_) {
    // A stray tick after the wait ended or the option went off.
    waiting_ = false;
    a.stopWait = true;
    return a;
  }
  if (++idleSeconds_ >= config.waitSec) {
    a.savePass = true;
    a.stopWait = true;
    waiting_ = false;
    idleSeconds_ = 0;
  }
  return a;
}

AutoSaveActions AutoSaveTimer::Apply(const AutoSaveConfig& before, const AutoSaveConfig& after) {
  AutoSaveActions a;
  if (!after.on) {
    if (before.on || waiting_) {
      a.stopInterval = true;
      a.stopWait = true;
    }
    waiting_ = false;
    return a;
  }
  if (!before.on) {
    a.startInterval = true;
  } else if (before.intervalSec != after.intervalSec) {
    a.startInterval = true;
    if (waiting_) a.stopWait = true;
    waiting_ = false;
  }
  return a;
}

}  // namespace quelt
