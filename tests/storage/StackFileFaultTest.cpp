// Saves and loads that fail part-way: the previous file survives byte for byte, the
// calculator keeps its state.
#include <gtest/gtest.h>

#if defined(__unix__)
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "storage/StackFile.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class StackFileFault : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvane-fault-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        file_ = dir_ / kStackFileName;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_, file_;
};

TEST_F(StackFileFault, AWriteThatFailsPartWayKeepsThePreviousFile) {
    Calculator small;
    small.push("1");
    ASSERT_TRUE(SaveStack(small, file_));
    const std::string before = ReadAll(file_);

    Calculator big;
    for (int i = 0; i < 5000; ++i) big.push("123456.789");
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // The file system refuses to grow a file past 4 KiB in this process.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(SaveStack(big, file_) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was reported as success";
    EXPECT_EQ(ReadAll(file_), before);
    EXPECT_FALSE(fs::exists(dir_ / (std::string(kStackFileName) + ".new")));
}

TEST_F(StackFileFault, AFileThatVanishesBetweenTwoLoads) {
    Calculator saved;
    saved.push("2");
    saved.setEntry("9");
    ASSERT_TRUE(SaveStack(saved, file_));
    Calculator calc;
    ASSERT_TRUE(LoadStack(calc, file_));
    fs::remove(file_);
    calc.push("3");
    calc.setEntry("4");
    EXPECT_FALSE(LoadStack(calc, file_));
    EXPECT_EQ(calc.values(), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(calc.entry(), "4");
}

}  // namespace
}  // namespace orvane
#endif
