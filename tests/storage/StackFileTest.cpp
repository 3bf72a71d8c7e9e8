#include "storage/StackFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ops/Operations.h"
#if defined(__unix__)
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class StackFileTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orvane-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / kStackFileName;
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string read() const {
        std::stringstream s;
        s << std::ifstream(file_, std::ios::binary).rdbuf();
        return s.str();
    }
    // A calculator holding 7 on the stack, 7 8 as its undo copy and 3 on the entry line.
    static Calculator Holding78() {
        Calculator calc;
        calc.push("7");
        calc.push("8");
        calc.drop();
        calc.setEntry("3");
        return calc;
    }
    fs::path dir_, file_;
};

TEST_F(StackFileTest, SavesTheStateByteForByteAndLoadsItBack) {
    Calculator calc;
    calc.push("2");
    calc.push("3.50");
    calc.setEntry("12");
    ASSERT_TRUE(SaveStack(calc, file_));
    EXPECT_EQ(read(), " 1 \r\n12\r\n 2 \r\n2\r\n3.5\r\n");
    Calculator loaded = Holding78();
    loaded.setAngle(AngleMode::Degrees);
    ASSERT_TRUE(LoadStack(loaded, file_));
    EXPECT_EQ(loaded.angle(), AngleMode::Radians);
    EXPECT_EQ(loaded.entry(), "12");
    EXPECT_EQ(loaded.values(), Texts({"2", "3.5"}));
    EXPECT_EQ(loaded.undoValues(), Texts({"2", "3.5"}));  // Undo gives the loaded stack
    ASSERT_TRUE(SaveStack(Calculator(), file_));
    EXPECT_EQ(read(), " 1 \r\n\r\n 0 \r\n");
}

TEST_F(StackFileTest, ReadsLooseLinesAndBlanks) {
    write("0\n \t1e3 \n2\n  1.50\n-0\n");
    Calculator calc = Holding78();
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.angle(), AngleMode::Degrees);
    EXPECT_EQ(calc.entry(), "1e3");
    EXPECT_EQ(calc.values(), Texts({"1.5", "0"}));
    write(" 1 \r\n\r\n 1 \r\n4\r\n5\r\n");  // lines past the count are ignored
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.values(), Texts({"4"}));
    EXPECT_EQ(calc.entry(), "1e3");  // an empty entry field keeps the entry
}

// A failed load applies what it read before the failure, but never part of the stack.
TEST_F(StackFileTest, AFailedLoadKeepsTheStackAndItsUndoCopy) {
    const std::string big = " 0 \r\n\r\n 6000000 \r\n" + std::string(17'000'000, '1');
    for (const std::string& text : std::vector<std::string>{
             "", " 0 \r\n", " 0 \r\n\r\n-1\r\n", " 0 \r\n\r\n2.5\r\n", " 0 \r\n\r\n2x\r\n",
             " 0 \r\n\r\n+1\r\n1\r\n", " 0 \r\n\r\n 1 1\r\n1\r\n", " 0 \r\n\r\n2\r\n1\r\n",
             " 0 \r\n\r\n1000000000000\r\n1\r\n", " 0 \r\n\r\n2\r\n1\r\nabc\r\n",
             " 0 \r\n\r\n1\r\n\r\n", " 0 \r\n\r\n1\r\n1E+400\r\n",
             " 0 \r\n\r\n1\r\n1.7976931348623157E+308\r\n", big}) {
        write(text);
        Calculator calc = Holding78();
        EXPECT_FALSE(LoadStack(calc, file_)) << text.substr(0, 40);
        EXPECT_EQ(calc.values(), Texts({"7"})) << text.substr(0, 40);
        EXPECT_EQ(calc.undoValues(), Texts({"7", "8"})) << text.substr(0, 40);
        const bool modeRead = text.size() > 3 && text.size() < 100;
        EXPECT_EQ(calc.angle(), modeRead ? AngleMode::Degrees : AngleMode::Radians);
    }
    fs::remove(file_);
    Calculator calc = Holding78();
    EXPECT_FALSE(LoadStack(calc, file_));
    EXPECT_EQ(calc.entry(), "3");
}

// Loaded as a whole, as saved; an operation on it then keeps its operands rather than lose them.
TEST_F(StackFileTest, MoreThan9999ValuesLoadWhole) {
    std::string text = " 1 \r\n\r\n 10001 \r\n";
    for (int i = 0; i < 10001; ++i) text += "1\r\n";
    write(text);
    Calculator calc;
    ASSERT_TRUE(LoadStack(calc, file_));
    ops::Add(calc, "");
    EXPECT_TRUE(calc.takeStackFullWarning());
    EXPECT_EQ(calc.count(), 10001u);
}

TEST_F(StackFileTest, AFailedSaveKeepsThePreviousFile) {
    Calculator calc;
    calc.push("1");
    ASSERT_TRUE(SaveStack(calc, file_));
    const std::string before = read();
    calc.push("2");
    EXPECT_FALSE(SaveStack(calc, dir_));  // a path that is a directory
    EXPECT_FALSE(SaveStack(calc, dir_ / "missing" / kStackFileName));
#if defined(__unix__)
    for (int i = 0; i < 2000; ++i) calc.push("123456.789");
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {  // a file system that refuses to grow a file past 4 KiB
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(SaveStack(calc, file_) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a failed save said it succeeded";
#endif
    EXPECT_EQ(read(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace orvane
