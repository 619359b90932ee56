#include "search/regex_dfa.h"

#include <algorithm>

namespace quelt {
namespace {

// The table holds at most this many states, and this many entries.
constexpr std::size_t kMaxStates = 4000;
constexpr std::size_t kMaxEntries = std::size_t{1} << 20;

}  // namespace

void LazyDfa::Init(const Program* program, const CharClasses* classes, const Config& config) {
  program_ = program;
  classes_ = classes;
  config_ = config;
  classCount_ = classes->Count();
  shift_ = 0;
  while ((1 << shift_) < classCount_) ++shift_;
  visited_.assign(program->code.size(), 0);
  stamp_ = 0;
  Reset();
}

void LazyDfa::Reset() {
  leavingKnown_.clear();
  leavingIndex_.clear();
  leaving_.clear();
  states_.clear();
  flags_.clear();
  table_.clear();
  index_.clear();
  // The initial states, in the order of Initial's ids.
  for (int id = 0; id < 4; ++id) {
    building_ = State{};
    building_.ways.clear();
    building_.injecting = id >= 2;
    building_.initial = true;
    if (id & 1) {
      ++stamp_;
      Follow(program_->start, false);
      if (config_.firstWins) building_.origin = static_cast<std::uint16_t>(building_.ways.size());
    }
    Intern(building_);
  }
}

bool LazyDfa::Follow(std::uint16_t pc, bool consumed) {
  stack_.clear();
  stack_.push_back(pc);
  while (!stack_.empty()) {
    const std::uint16_t at = stack_.back();
    stack_.pop_back();
    if (visited_[at] == stamp_) continue;
    visited_[at] = stamp_;
    const Instruction& i = program_->code[at];
    switch (i.op) {
      case Op::kConsume:
        building_.ways.push_back(at);
        break;
      case Op::kSplit:
        stack_.push_back(i.y);
        stack_.push_back(i.x);
        break;
      case Op::kMatch:
        if (!consumed) break;
        if (!config_.firstWins) {
          building_.match = true;
        } else if (config_.conditionalMatch) {
          if (building_.marker < 0) building_.marker = static_cast<std::int16_t>(building_.ways.size());
        } else {
          building_.match = true;
          return true;
        }
        break;
    }
  }
  return false;
}

std::int32_t LazyDfa::Intern(const State& s) {
  key_.clear();
  key_ += static_cast<char>(s.marker & 0xFF);
  key_ += static_cast<char>((s.marker >> 8) & 0xFF);
  key_ += static_cast<char>((s.injecting ? 1 : 0) | (s.match ? 2 : 0) | (s.fromOrigin ? 4 : 0) | (s.initial ? 8 : 0));
  key_ += static_cast<char>(s.origin & 0xFF);
  key_ += static_cast<char>(s.origin >> 8);
  for (std::uint16_t w : s.ways) {
    key_ += static_cast<char>(w & 0xFF);
    key_ += static_cast<char>(w >> 8);
  }
  const auto found = index_.find(key_);
  if (found != index_.end()) return found->second;
  const auto id = static_cast<std::int32_t>(states_.size());
  states_.push_back(s);
  std::uint8_t f = 0;
  if (s.match) f |= kMatch;
  if (s.marker >= 0) f |= kMarker;
  if (s.fromOrigin) f |= kFromOrigin;
  if (s.ways.empty() && s.marker < 0 && !s.injecting) f |= kDead;
  flags_.push_back(f);
  leavingKnown_.push_back(0);
  leavingIndex_.push_back(0);
  table_.resize(table_.size() + (std::size_t{1} << shift_), kUnknown);
  index_.emplace(key_, id);
  return id;
}

std::int32_t LazyDfa::Compute(std::int32_t state, std::uint16_t cls) {
  if (states_.size() >= kMaxStates || table_.size() + (std::size_t{1} << shift_) > kMaxEntries) {
    const State keep = states_[state];
    Reset();
    state = Intern(keep);
  }
  const State& from = states_[state];
  building_.ways.clear();
  building_.marker = -1;
  building_.match = false;
  building_.origin = 0;
  building_.fromOrigin = false;
  building_.initial = false;
  bool injecting = from.injecting;
  std::size_t take = from.ways.size();
  if (from.marker >= 0 && classes_->Passes(CharClasses::kIsCr, cls)) {
    // The conditional match holds: the ways after it are dropped.
    take = static_cast<std::size_t>(from.marker);
    injecting = false;
  }
  ++stamp_;
  bool cut = false;
  const std::size_t origin = from.origin;
  std::size_t k = 0;
  for (; k < take && !cut; ++k) {
    if (k == origin) building_.origin = static_cast<std::uint16_t>(building_.ways.size());
    const Instruction& i = program_->code[states_[state].ways[k]];
    if (!classes_->Passes(i.test, cls)) continue;
    const bool hadMarker = building_.marker >= 0;
    cut = Follow(i.x, true);
    if (k < origin && (cut || (!hadMarker && building_.marker >= 0))) building_.fromOrigin = true;
  }
  if (k <= origin) building_.origin = static_cast<std::uint16_t>(building_.ways.size());
  if (cut) injecting = false;
  const bool stepLeftNothing = building_.ways.empty() && !building_.match && building_.marker < 0;
  if (injecting && (config_.injectTest == kNoTest || classes_->Passes(config_.injectTest, cls))) {
    Follow(program_->start, false);
  }
  building_.injecting = injecting;
  if (!config_.firstWins) std::sort(building_.ways.begin(), building_.ways.end());
  const bool fresh = config_.firstWins && stepLeftNothing && injecting &&
                     (config_.injectTest == kNoTest || classes_->Passes(config_.injectTest, cls));
  // A state with nothing in it that waits for the next start is
  // Initial(false, true) again.
  const bool empty = injecting && building_.ways.empty() && !building_.match && building_.marker < 0;
  const std::int32_t next = fresh ? kLastInitial : empty ? Initial(false, true) : Intern(building_);
  table_[(static_cast<std::size_t>(state) << shift_) + cls] = Special(next) ? -(2 + next) : next << shift_;
  return next;
}

std::int32_t LazyDfa::WithoutInjecting(std::int32_t state) {
  State s = states_[state];
  s.injecting = false;
  if (states_.size() >= kMaxStates || table_.size() + (std::size_t{1} << shift_) > kMaxEntries) Reset();
  return Intern(s);
}

}  // namespace quelt

namespace quelt {

const ByteScanner* LazyDfa::Leaving(std::int32_t state) {
  if (leavingKnown_[state] == 0) {
    // Every step of the state, computed now, unless that could fill the
    // table (which would renumber the states under the caller).
    if (states_.size() + classCount_ + 1 >= kMaxStates ||
        table_.size() + ((std::size_t{classCount_} + 1) << shift_) > kMaxEntries) {
      return nullptr;
    }
    std::vector<bool> leaves(classCount_, false);
    for (std::uint16_t c = 0; c < classCount_; ++c) leaves[c] = Next(state, c) != state;
    std::array<bool, 256> set{};
    const LeadByteTest lead = classes_->Lead();
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<std::uint8_t>(b);
      bool in = leaves[classes_->Single(byte)];
      for (int t = 0; !in && lead(byte) && t < 256; ++t) in = leaves[classes_->Double(byte, static_cast<std::uint8_t>(t))];
      set[b] = in;
    }
    ByteScanner scanner;
    scanner.Build(set);
    leavingKnown_[state] = -1;
    if (scanner.Fast()) {
      leavingKnown_[state] = 1;
      leavingIndex_[state] = static_cast<std::uint32_t>(leaving_.size());
      leaving_.push_back(scanner);
    }
  }
  return leavingKnown_[state] > 0 ? &leaving_[leavingIndex_[state]] : nullptr;
}

}  // namespace quelt
