#include "core/Calculator.h"

#include <algorithm>
#include <random>
#include <utility>

#include "core/NumberText.h"

namespace orvane {
namespace {

class SeededRandom final : public RandomSource {
  public:
    SeededRandom() : engine_(std::random_device{}()) {}
    double nextUnit() override {
        // 53 random bits make every double of [0, 1) with that spacing equally likely.
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

  private:
    std::mt19937_64 engine_;
};

std::vector<std::string> Texts(const std::vector<StackText>& stack) {
    std::vector<std::string> out;
    for (auto it = stack.begin() + 1; it != stack.end(); ++it) out.emplace_back(it->view());
    return out;
}

}  // namespace

std::unique_ptr<RandomSource> MakeSeededRandom() { return std::make_unique<SeededRandom>(); }

Calculator::Calculator(std::unique_ptr<RandomSource> random) : random_(std::move(random)) {}

std::vector<std::string> Calculator::values() const { return Texts(stack_); }
std::vector<std::string> Calculator::undoValues() const { return Texts(undo_); }

PushResult Calculator::push(std::string_view text) {
    if (text.empty() && top().empty()) return PushResult::Ignored;
    if (text == ".") text = "0";
    return putOnTop(0, ToStackText(text.empty() ? top() : text));
}

PushResult Calculator::replaceOperands(std::size_t k, double result) {
    return putOnTop(std::min(k, count()), ToStackText(result));
}

PushResult Calculator::putOnTop(std::size_t remove, const std::optional<std::string>& normal) {
    if (count() - remove >= kMaxValues) return PushResult::StackFull;
    if (!normal) return PushResult::NotANumber;
    stack_.resize(stack_.size() - remove);
    stack_.push_back(*StackText::from(*normal));
    return PushResult::Pushed;
}

void Calculator::drop() {
    if (count() > 0) stack_.pop_back();
}

void Calculator::extractTop() {
    if (count() == 0) return;
    entry_ = std::string(top());
    stack_.pop_back();
}

void Calculator::swapTopTwo() {
    if (count() < 2) return;
    std::swap(stack_[count() - 1], stack_[count()]);
}

void Calculator::rotateBottomToTop() {
    if (count() < 2) return;
    std::rotate(stack_.begin() + 1, stack_.begin() + 2, stack_.end());
}

void Calculator::rotateTopToBottom() {
    if (count() < 2) return;
    std::rotate(stack_.begin() + 1, stack_.end() - 1, stack_.end());
}

void Calculator::clearAll() {
    stack_.resize(1);
    entry_.clear();
}

void Calculator::undo() {
    stack_ = undo_;
    entry_.clear();
}

Listing Calculator::listing() const {
    const std::size_t n = count();
    const std::size_t shown = std::min<std::size_t>(n, kListingRows);
    Listing listing{std::vector<std::string>(kListingRows - shown), CountLabel(n)};
    for (std::size_t i = n - shown + 1; i <= n; ++i) {
        listing.rows.push_back(std::to_string(n - i + 1) + ":      " + ShownValue(at(i)));
    }
    return listing;
}

void Calculator::replaceTopText(std::string_view text) {
    const auto t = StackText::from(text);
    if (count() > 0 && t) stack_.back() = *t;
}

void Calculator::replaceAll(std::vector<StackText> values) {
    // The old stack and its copy are freed first and the values moved in, not copied: a load of
    // a million values holds two stacks at a time, not four.
    stack_ = std::vector<StackText>(1);
    undo_ = std::vector<StackText>(1);
    values.insert(values.begin(), StackText{});
    stack_ = std::move(values);
    undo_ = stack_;
}

}  // namespace orvane
