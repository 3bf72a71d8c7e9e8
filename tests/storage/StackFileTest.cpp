#include "storage/StackFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "input/EntryLine.h"
#include "ops/Operations.h"
#include "support/Calculators.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class StackFileTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orvane-stackfile-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / kStackFileName;
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    void write(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_, file_;
};

Calculator With(const Texts& values, AngleMode mode = AngleMode::Radians, std::string entry = "") {
    Calculator calc = testing_support::CalculatorWith(values);
    calc.setAngle(mode);
    calc.setEntry(std::move(entry));
    return calc;
}

TEST_F(StackFileTest, TheTwoExampleFilesByteForByte) {
    ASSERT_TRUE(SaveStack(With({"2", "3.5"}, AngleMode::Radians, "12"), file_));
    EXPECT_EQ(read(), " 1 \r\n12\r\n 2 \r\n2\r\n3.5\r\n");
    ASSERT_TRUE(SaveStack(With({}, AngleMode::Degrees), file_));
    EXPECT_EQ(read(), " 0 \r\n\r\n 0 \r\n");
}

TEST_F(StackFileTest, SaveResetLoadBringsEverythingBack) {
    Calculator calc = With({"2", "3.5"}, AngleMode::Radians, "12");
    ASSERT_TRUE(SaveStack(calc, file_));
    ResetStack(calc);
    calc.setAngle(AngleMode::Degrees);
    calc.setEntry("7");
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.angle(), AngleMode::Radians);
    EXPECT_EQ(calc.entry(), "12");
    EXPECT_EQ(calc.values(), Texts({"2", "3.5"}));
    EXPECT_EQ(calc.undoValues(), Texts({"2", "3.5"}));  // Undo gives the loaded stack
}

TEST_F(StackFileTest, RoundTrips) {
    Calculator negativeZero = With({"0"});
    ToggleSign(negativeZero);
    const std::string longEntry(40, '9');
    Calculator full;
    for (int i = 0; i < 9999; ++i) full.push(std::to_string(i * 7) + ".25");
    struct Trip {
        Calculator* calc;
        Texts expected;
    };
    Calculator longOne = With({"1"}, AngleMode::Degrees, longEntry);
    Calculator empty = With({});
    for (auto& [calc, expected] : std::vector<Trip>{
             {&negativeZero, {"0"}}, {&longOne, {"1"}}, {&empty, {}}, {&full, full.values()}}) {
        ASSERT_TRUE(SaveStack(*calc, file_));
        if (calc == &negativeZero) {
            EXPECT_EQ(read(), " 1 \r\n\r\n 1 \r\n-0\r\n");
        }
        Calculator loaded;
        loaded.setEntry("5");
        ASSERT_TRUE(LoadStack(loaded, file_));
        EXPECT_EQ(loaded.values(), expected);
        EXPECT_EQ(loaded.angle(), calc->angle());
        EXPECT_EQ(loaded.entry(), calc->entry().empty() ? "5" : calc->entry());
    }
}

TEST_F(StackFileTest, ReadsLooseLinesAndBlanks) {
    write("0\n \t1e3 \n2\n  1.50\n-0\n");
    Calculator calc;
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.angle(), AngleMode::Degrees);
    EXPECT_EQ(calc.entry(), "1e3");
    EXPECT_EQ(calc.values(), Texts({"1.5", "0"}));
    write(" 1 \r\n\r\n 1 \r\n4\r\n5\r\n6\r\n");  // more lines than the count: ignored
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.values(), Texts({"4"}));
    EXPECT_EQ(calc.entry(), "1e3");  // an empty entry field keeps the entry
}

TEST_F(StackFileTest, MoreThan9999ValuesLoadWhole) {
    std::string text = " 1 \r\n\r\n 10001 \r\n";
    for (int i = 0; i < 10001; ++i) text += "1\r\n";
    write(text);
    Calculator calc;
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.count(), 10001u);
    EXPECT_EQ(calc.push("1"), PushResult::StackFull);
    // An operation on such a stack never drops its operands without a result in their place.
    ops::Add(calc, "");
    EXPECT_TRUE(calc.takeStackFullWarning());
    EXPECT_EQ(calc.count(), 10001u);
    for (int i = 0; i < 2; ++i) calc.drop();
    ops::Add(calc, "");  // 9999 values: 9998 after the operands go, then the result
    EXPECT_EQ(calc.count(), 9998u);
    EXPECT_EQ(calc.top(), "2");
}

TEST_F(StackFileTest, AFailedLoadKeepsStackAndUndoCopy) {
    const Texts failures[] = {
        {"x", "abc", "-1"},                         // negative count
        {"0", "", "2.5"},                           // count not whole
        {"0", "", "two"},                           // count not a number
        {"0", "", "2", "1"},                        // ends early
        {"0", "", "1000000000000", "1", "2"},       // a claim the file cannot back
        {"0", "", "2", "1", "abc"},                 // a value that is no number
        {"0", "", "1", "1E+400"},                   // beyond the double range
        {"0", "", "1", "1.7976931348623157E+308"},  // would not convert back
        {"0", "", "1", ""},                         // empty value
    };
    for (const Texts& lines : failures) {
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        write(text);
        Calculator calc = With({"7", "8"}, AngleMode::Radians, "3");
        calc.drop();  // undo copy: 7, 8
        EXPECT_FALSE(LoadStack(calc, file_)) << text;
        EXPECT_EQ(calc.values(), Texts({"7"})) << text;
        EXPECT_EQ(calc.undoValues(), Texts({"7", "8"})) << text;
        // What was read before the failure stays applied.
        EXPECT_EQ(calc.angle(), lines[0] == "0" ? AngleMode::Degrees : AngleMode::Radians);
    }
}

TEST_F(StackFileTest, AFileFarLargerThanAnyStateIsNotRead) {
    std::string text = " 0 \r\n\r\n 6000000 \r\n";
    text.reserve(18'000'000);
    while (text.size() < 17'000'000) text += "1\r\n";
    write(text);
    Calculator calc = With({"7"});
    EXPECT_FALSE(LoadStack(calc, file_));
    EXPECT_EQ(calc.values(), Texts({"7"}));
    EXPECT_EQ(calc.angle(), AngleMode::Radians);
}

TEST_F(StackFileTest, EarlyFailuresApplyOnlyWhatWasRead) {
    Calculator calc = With({"1"}, AngleMode::Radians, "3");
    EXPECT_FALSE(LoadStack(calc, file_));  // no file
    write("");
    EXPECT_FALSE(LoadStack(calc, file_));
    write(" 0 \r\n");
    EXPECT_FALSE(LoadStack(calc, file_));
    EXPECT_EQ(calc.angle(), AngleMode::Degrees);
    write(" 1 \r\n42\r\n");
    EXPECT_FALSE(LoadStack(calc, file_));
    EXPECT_EQ(calc.angle(), AngleMode::Radians);
    EXPECT_EQ(calc.entry(), "42");
    EXPECT_EQ(calc.values(), Texts({"1"}));
}

TEST_F(StackFileTest, AFailedSaveKeepsThePreviousFile) {
    ASSERT_TRUE(SaveStack(With({"1"}), file_));
    const std::string before = read();
    // A path that is a directory.
    EXPECT_FALSE(SaveStack(With({"2"}), dir_));
    // A directory that cannot be written (root may write anyway: then nothing to show).
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    const bool blocked = !std::ofstream(dir_ / "probe");
    if (blocked) {
        EXPECT_FALSE(SaveStack(With({"2"}), file_));
    }
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(read(), before);
    // A missing directory.
    EXPECT_FALSE(SaveStack(With({"2"}), dir_ / "missing" / kStackFileName));
    EXPECT_EQ(read(), before);
    EXPECT_FALSE(fs::exists(dir_ / (std::string(kStackFileName) + ".new")));
}

}  // namespace
}  // namespace orvane
