// The engine object: the whole state of one calculator (value stack and its undo copy,
// entry line, angle mode) and the stack procedures every other part builds on. The stack
// procedures never take the undo snapshot: the keypad table says which keys do.
// A test makes a fresh calculator with `Calculator calc;`.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Listing.h"
#include "core/StackText.h"

namespace orvane {

enum class AngleMode { Radians, Degrees };

enum class PushResult {
    Pushed,
    Ignored,     // empty text on an empty stack
    StackFull,   // 9999 values already: the "Stack is full." warning is due
    NotANumber,  // conversion failure: nothing stored
};

// A box the window is to show after a command.
enum class Notice {
    None,
    StackFull,  // "Stack is full."
    Saved,      // the stack file was saved
    About,      // the About box
};

// What a command leaves for the window to do besides redrawing.
struct Outcome {
    Notice notice = Notice::None;
    bool stackFull() const { return notice == Notice::StackFull; }
};

// Where ops::RandomIntoEntry's numbers come from; tests pass a fixed one.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double nextUnit() = 0;  // uniform on [0, 1)
};

// A generator seeded once from a nondeterministic source, so two runs differ.
std::unique_ptr<RandomSource> MakeSeededRandom();

class Calculator {
  public:
    static constexpr std::size_t kMaxValues = 9999;

    explicit Calculator(std::unique_ptr<RandomSource> random = MakeSeededRandom());

    // The entry line's text: the number being composed.
    const std::string& entry() const { return entry_; }
    void setEntry(std::string text) { entry_ = std::move(text); }
    AngleMode angle() const { return angle_; }
    void setAngle(AngleMode mode) { angle_ = mode; }

    std::size_t count() const { return stack_.size() - 1; }
    // Element i, 1 = bottom, count() = top; element 0 is the empty sentinel.
    std::string_view at(std::size_t element) const { return stack_[element].view(); }
    std::string_view top() const { return stack_.back().view(); }
    std::vector<std::string> values() const;  // bottom first
    std::vector<std::string> undoValues() const;

    PushResult push(std::string_view text);
    void drop();
    void extractTop();
    void swapTopTwo();
    void rotateBottomToTop();
    void rotateTopToBottom();
    void clearAll();
    void takeSnapshot() { undo_ = stack_; }
    void undo();

    // For the operations: the top k values replaced by a result. Refused, with nothing
    // changed, when the result has no stack text or the stack would still hold 9999 or more
    // (possible after loading a larger file), so operands are never lost.
    PushResult replaceOperands(std::size_t k, double result);
    // For the sign key: the top's text replaced as text, not recomputed.
    void replaceTopText(std::string_view text);
    // For the stack file: the whole stack and its undo copy become `values`.
    void replaceAll(std::vector<StackText> values);

    // Derived from the stack at each read, so it can never be stale.
    Listing listing() const;
    double nextRandom() { return random_->nextUnit(); }

  private:
    // Below the limit, the top `remove` values give way to `normal`; nothing changes otherwise.
    PushResult putOnTop(std::size_t remove, const std::optional<std::string>& normal);

    std::string entry_;
    AngleMode angle_ = AngleMode::Radians;
    std::vector<StackText> stack_{StackText{}};
    std::vector<StackText> undo_{StackText{}};
    std::unique_ptr<RandomSource> random_;
};

}  // namespace orvane
