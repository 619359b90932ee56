#include "search/regex_program.h"

namespace quelt {
namespace {

class Emitter {
 public:
  explicit Emitter(Program& p) : p_(p) {}

  std::uint16_t Emit(const Instruction& i) {
    p_.code.push_back(i);
    return static_cast<std::uint16_t>(p_.code.size() - 1);
  }

  // The tests in order, each consumed once, then next.
  std::uint16_t Sequence(const std::vector<CharTest>& tests, std::uint16_t next) {
    for (std::size_t k = tests.size(); k-- > 0;) next = Emit(Instruction{Op::kConsume, tests[k], next, 0});
    return next;
  }

  void Patch(std::uint16_t split, std::uint16_t preferred) { p_.code[split].x = preferred; }

 private:
  Program& p_;
};

}  // namespace

Program CompilePattern(const ParsedPattern& pattern, const CharClasses& classes, bool reversed) {
  Program program;
  Emitter emit(program);
  // Built from the last element backwards, each knowing what follows it.
  std::uint16_t next = emit.Emit(Instruction{Op::kMatch});
  const std::size_t n = pattern.elements.size();
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t index = reversed ? k : n - 1 - k;
    const PatternElement& e = pattern.elements[index];
    std::vector<CharTest> tests;
    if (e.kind == ElementKind::kCrLf) {
      tests = reversed ? std::vector<CharTest>{CharClasses::kIsLf, CharClasses::kIsCr}
                       : std::vector<CharTest>{CharClasses::kIsCr, CharClasses::kIsLf};
    } else {
      tests = {classes.TestOf(index)};
    }
    switch (e.repeat) {
      case Repeat::kOne:
        next = emit.Sequence(tests, next);
        break;
      case Repeat::kStar: {
        const std::uint16_t loop = emit.Emit(Instruction{Op::kSplit, 0, 0, next});
        emit.Patch(loop, emit.Sequence(tests, loop));
        next = loop;
        break;
      }
      case Repeat::kPlus: {
        const std::uint16_t again = emit.Emit(Instruction{Op::kSplit, 0, 0, next});
        const std::uint16_t body = emit.Sequence(tests, again);
        emit.Patch(again, body);
        next = body;
        break;
      }
    }
  }
  program.start = next;
  return program;
}

}  // namespace quelt
