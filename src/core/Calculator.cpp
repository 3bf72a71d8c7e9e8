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
    double NextUnit() override {
        // 53 random bits make every double of [0, 1) with that spacing equally likely.
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

  private:
    std::mt19937_64 engine_;
};

std::vector<std::string> Texts(const std::vector<StackText>& stack) {
    std::vector<std::string> out;
    out.reserve(stack.size() - 1);
    for (auto it = stack.begin() + 1; it != stack.end(); ++it) out.emplace_back(it->view());
    return out;
}

}  // namespace

std::unique_ptr<RandomSource> MakeSeededRandom() { return std::make_unique<SeededRandom>(); }

Calculator::Calculator(std::unique_ptr<RandomSource> random) : random_(std::move(random)) {
    InitStack();
    RefreshStack();
}

std::vector<std::string> Calculator::Values() const { return Texts(stack_); }
std::vector<std::string> Calculator::UndoValues() const { return Texts(undo_); }

PushResult Calculator::PushValue(std::string_view text) {
    if (text.empty() && Top().empty()) return PushResult::Ignored;
    if (text == ".") text = "0";
    return PutOnTop(0, ToStackText(text.empty() ? Top() : text));
}

PushResult Calculator::ReplaceOperands(std::size_t k, double result) {
    return PutOnTop(std::min(k, Count()), ToStackText(result));
}

PushResult Calculator::PutOnTop(std::size_t remove, const std::optional<std::string>& normal) {
    if (Count() - remove >= kMaxValues) {
        stackFullWarning_ = true;
        return PushResult::StackFull;
    }
    if (!normal) return PushResult::NotANumber;
    stack_.resize(stack_.size() - remove);
    stack_.push_back(*StackText::From(*normal));
    RefreshStack();
    return PushResult::Pushed;
}

void Calculator::PopOne() {
    if (Count() >= 1) stack_.pop_back();
}

void Calculator::DropLast() {
    if (Count() == 0) return;
    TakeSnapshot();
    PopOne();
    RefreshStack();
}

void Calculator::ExtractLast() {
    if (Count() == 0) return;
    TakeSnapshot();
    entry = std::string(Top());
    PopOne();
    RefreshStack();
}

void Calculator::SwapLast() {
    if (Count() < 2) return;
    std::swap(stack_[Count() - 1], stack_[Count()]);
    RefreshStack();
}

void Calculator::RotateStackPositive() {
    if (Count() < 2) return;
    std::rotate(stack_.begin() + 1, stack_.begin() + 2, stack_.end());
    RefreshStack();
}

void Calculator::RotateStackNegative() {
    if (Count() < 2) return;
    std::rotate(stack_.begin() + 1, stack_.end() - 1, stack_.end());
    RefreshStack();
}

void Calculator::InitStack() {
    stack_.resize(1);
    entry.clear();
    listing_.rows.clear();
    listing_.countLabel = CountLabel(Count());
}

void Calculator::Undo() {
    stack_ = undo_;
    entry.clear();
    RefreshStack();
}

void Calculator::RefreshStack() {
    const std::size_t n = Count();
    listing_.rows.assign(n < kListingRows ? kListingRows - n : 0, std::string());
    const std::size_t first = n >= kListingRows ? n - kListingRows + 1 : 1;
    for (std::size_t i = first; i <= n; ++i) {
        listing_.rows.push_back(std::to_string(n - i + 1) + ":      " + ShownValue(At(i)));
    }
    listing_.countLabel = CountLabel(n);
}

bool Calculator::ReplaceTop(std::string_view text) {
    const auto t = StackText::From(text);
    if (Count() == 0 || !t) return false;
    stack_.back() = *t;
    return true;
}

void Calculator::ReplaceAll(std::vector<StackText> values) {
    stack_.assign(1, StackText{});
    stack_.insert(stack_.end(), values.begin(), values.end());
    undo_ = stack_;
}

bool Calculator::TakeStackFullWarning() { return std::exchange(stackFullWarning_, false); }

}  // namespace orvane
