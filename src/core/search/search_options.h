// What a search is asked for and what it answers.
#pragma once

#include <cstdint>
#include <functional>

#include "base/sjis.h"
#include "base/types.h"

namespace quelt {

// Search and replacement texts are cut to 80 bytes (at a character boundary).
constexpr std::uint32_t kMaxSearchText = 80;
// How many positions a search walks between two questions to its cancel poll.
constexpr std::uint32_t kCancelPollInterval = 2000;

struct SearchOptions {
  bool matchCase = false;
  bool wholeWord = false;        // plain search only
  bool regex = false;            // the text is a regular expression
  bool distinguishWidth = true;  // false folds full-width characters to one-byte ones
  bool multiText = false;        // the plain search takes several alternatives
  bool escapes = false;          // a regular expression knows \t and \n
  LeadByteTest lead;             // from the document
};

// The reach of a pattern with a repetition: no bound.
constexpr std::uint32_t kUnboundedReach = 0xFFFFFFFFu;

struct SearchHit {
  bool found = false;
  TextOffset start = 0;
  std::uint32_t length = 0;
};

// Asked every kCancelPollInterval positions; true stops the search (no hit).
using CancelPoll = std::function<bool()>;

}  // namespace quelt
