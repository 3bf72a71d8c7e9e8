// Saves that meet each other or fail, in a folder whose name is not ASCII.
#include <gtest/gtest.h>

#include "storage/StackFile.h"
#include "support/Calculators.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using testing_support::CalculatorWith;

class StackFileSafety : public testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    long entries() const { return std::distance(fs::directory_iterator(dir_), {}); }
    const fs::path dir_ =
        fs::temp_directory_path() /
        fs::path(u8"orvane-Zürich-数-")
            .concat(testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path file_ = dir_ / kStackFileName;
};

TEST_F(StackFileSafety, SavesAndLoadsInAFolderWithANonAsciiName) {
    ASSERT_TRUE(SaveStack(CalculatorWith({"2", "3.5"}), file_));
    Calculator calc;
    ASSERT_TRUE(LoadStack(calc, file_));
    EXPECT_EQ(calc.values(), Texts({"2", "3.5"}));
}

TEST_F(StackFileSafety, AFailedSaveLeavesNoNewFile) {
    fs::create_directories(file_ / "in-the-way");  // the new file cannot be renamed over it
    EXPECT_FALSE(SaveStack(Calculator(), file_));
    EXPECT_EQ(entries(), 1);
}

// Two instances save their own stack again and again while a third loads: every load gives one
// of the two stacks whole (or fails and changes nothing), and every save succeeds.
TEST_F(StackFileSafety, TwoSavesAtOnceNeverMix) {
#ifdef _WIN32
    GTEST_SKIP() << "needs fork()";
#else
    Texts a(1000, "1.11111111111111"), b = a;
    a.back() = "1";
    b.back() = "123456";  // a load that stops at the length of a reads a wrong last value
    ASSERT_TRUE(SaveStack(CalculatorWith(a), file_));
    std::vector<pid_t> children;
    for (const Texts* values : {&a, &b}) {
        children.push_back(::fork());
        ASSERT_NE(children.back(), -1);
        if (children.back() == 0) {
            bool ok = true;
            for (int i = 0; i < 200; ++i) ok = SaveStack(CalculatorWith(*values), file_) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    int wrong = 0, failedSaves = 0;
    for (std::size_t done = 0; done < children.size();) {
        Calculator calc;
        const bool loaded = LoadStack(calc, file_);
        wrong += loaded ? calc.values() != a && calc.values() != b : calc.count() != 0;
        for (pid_t& child : children) {
            int status = 0;
            if (child > 0 && ::waitpid(child, &status, WNOHANG) == child) {
                failedSaves += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
                child = 0;
                ++done;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(entries(), 1);  // no new file left behind
#endif
}

}  // namespace
}  // namespace orvane
