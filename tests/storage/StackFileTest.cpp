#include "storage/StackFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string_view>

#include "ops/Operations.h"
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
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

Calculator With(const Texts& values, const std::string& entry = "") {
    Calculator calc;
    for (const auto& v : values) calc.push(v);
    calc.setEntry(entry);
    return calc;
}

// Every test works in a folder whose name is not ASCII, as a user profile's may be.
class StackFileTest : public testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string read() const {
        std::stringstream s;
        s << std::ifstream(file_, std::ios::binary).rdbuf();
        return s.str() + " in " + std::to_string(std::distance(fs::directory_iterator(dir_), {}));
    }
    const fs::path dir_ =
        fs::temp_directory_path() /
        fs::path(u8"orvane-Zürich-数-").concat(std::to_string(std::random_device{}()));
    const fs::path file_ = dir_ / kStackFileName;
};

TEST_F(StackFileTest, SavesTheStateByteForByte) {
    EXPECT_EQ(SaveStack(With({"2", "3.50"}, "12"), file_), SaveStatus::Saved);
    EXPECT_EQ(read(), " 1 \r\n12\r\n 2 \r\n2\r\n3.5\r\n in 1");
    EXPECT_EQ(SaveStack(Calculator(), file_), SaveStatus::Saved);  // over the previous file
    EXPECT_EQ(read(), " 1 \r\n\r\n 0 \r\n in 1");
}

// The largest file a load takes, as the README states it: 24 MiB.
constexpr std::uintmax_t kLargestFile = std::uintmax_t{24} << 20;

// LF line ends, blanks around the fields, a count of 15 digits, values in any number form; the
// lines after the last value and a file as large as any that is read.
TEST_F(StackFileTest, LoadsLooseLines) {
    write("0\n \t1e3 \n000000000000002\n  1.50\n-0\n4\n");
    fs::resize_file(file_, kLargestFile);
    Calculator loaded = With({"7"});
    ASSERT_EQ(LoadStack(loaded, file_), LoadStatus::Loaded);
    EXPECT_EQ(loaded.angle(), AngleMode::Degrees);
    EXPECT_EQ(loaded.values(), Texts({"1.5", "0"}));
    EXPECT_EQ(loaded.undoValues(), loaded.values());  // Undo gives the loaded stack
}

TEST_F(StackFileTest, AModeLineNeitherZeroNorOneKeepsTheMode) {
    for (const auto angle : {AngleMode::Degrees, AngleMode::Radians}) {
        Calculator loaded;
        loaded.setAngle(angle);
        write(angle == AngleMode::Degrees ? " 2 \r\n\r\n 0 \r\n" : "\r\n\r\n 0 \r\n");
        EXPECT_TRUE(LoadStack(loaded, file_) == LoadStatus::Loaded && loaded.angle() == angle);
    }
}

// As saved by another program: the stack is not cut to 9999, up to the largest state a load
// takes (a million values, each of the longest text, and a typed entry); a Save gives the same
// bytes back, and an operation, whose result would not fit, keeps its operands.
TEST_F(StackFileTest, MoreThan9999ValuesLoadWhole) {
    std::string many = " 1 \r\n12345678901234567890123\r\n 1000000 \r\n";
    for (long long i = 0; i < 1'000'000; ++i)
        many += "-1." + std::to_string(1'000'000'000'000 + i) + "7E-300\r\n";
    write(many);
    Calculator loaded;
    ASSERT_EQ(LoadStack(loaded, file_), LoadStatus::Loaded);
    ASSERT_EQ(SaveStack(loaded, file_), SaveStatus::Saved);
    EXPECT_TRUE(read() == many + " in 1");  // not EXPECT_EQ: no 24 MB diff in the log
    EXPECT_TRUE(ops::Add(loaded).stackFull());
    EXPECT_EQ(loaded.count(), 1'000'000u);
}

TEST_F(StackFileTest, TheSavedFileHasTheRightsOfAnyNewFile) {
    ASSERT_EQ(SaveStack(Calculator(), file_), SaveStatus::Saved);
    std::ofstream(dir_ / "plain") << "";  // a file made as any program makes one
    EXPECT_EQ(fs::status(file_).permissions(), fs::status(dir_ / "plain").permissions());
}

// A load that fails applies what it read before the failure (the angle mode and the entry),
// but never part of the stack, nor the undo copy. The calculator: 7 on the stack, 7 8 in the
// undo copy, 3 in the entry line, in radians.
void ExpectRefused(const fs::path& file, LoadStatus why, bool modeRead, const std::string& entry) {
    Calculator calc = With({"7", "8"}, "3");
    calc.takeSnapshot();
    calc.drop();
    EXPECT_EQ(LoadStack(calc, file), why);
    EXPECT_EQ(calc.values(), Texts({"7"}));
    EXPECT_EQ(calc.undoValues(), Texts({"7", "8"}));
    EXPECT_EQ(calc.angle() == AngleMode::Degrees, modeRead);  // every file's mode line is " 0 "
    EXPECT_EQ(calc.entry(), entry);
}

TEST_F(StackFileTest, AFileAByteLargerThanALoadTakesIsRefusedUnread) {
    std::ofstream(file_) << " 0 \r\n12\r\n 6000000 \r\n";
    fs::resize_file(file_, kLargestFile + 1);
    ExpectRefused(file_, LoadStatus::TooLarge, false, "3");
}

TEST_F(StackFileTest, NoFileChangesNothing) {
    ExpectRefused(dir_ / "missing", LoadStatus::CannotOpen, false, "3");
}

// A file of unloadable/, and what loading it must leave.
struct Unloadable {
    std::string_view file;
    LoadStatus why;
    bool modeRead;
    std::string_view entry;  // an empty entry field keeps the calculator's 3
};

void PrintTo(const Unloadable& u, std::ostream* out) { *out << u.file; }

constexpr Unloadable kUnloadable[] = {
    {"bad-count/a-count-of-a-million-and-one.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/a-count-of-sixteen-digits.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/a-letter-for-a-count-after-an-entry.stp", LoadStatus::BadCount, true, "12"},
    {"bad-count/count-not-whole.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/count-with-a-letter.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/count-with-a-sign.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/negative-count.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/no-count.stp", LoadStatus::BadCount, true, "3"},
    {"bad-count/two-counts.stp", LoadStatus::BadCount, true, "3"},
    {"bad-value/a-value-beyond-the-double-range.stp", LoadStatus::BadValue, true, "3"},
    {"bad-value/a-value-that-is-no-number.stp", LoadStatus::BadValue, true, "3"},
    {"bad-value/a-value-that-would-not-convert-back.stp", LoadStatus::BadValue, true, "3"},
    {"bad-value/an-empty-value.stp", LoadStatus::BadValue, true, "3"},
    {"ends-early/empty.stp", LoadStatus::EndsEarly, false, "3"},
    {"ends-early/fewer-values-than-the-count.stp", LoadStatus::EndsEarly, true, "3"},
    {"ends-early/mode-only.stp", LoadStatus::EndsEarly, true, "3"},
};

class UnloadableFile : public testing::TestWithParam<Unloadable> {};

TEST_P(UnloadableFile, KeepsTheStackAndItsUndoCopy) {
    const Unloadable& u = GetParam();
    ExpectRefused(fs::path(ORVANE_UNLOADABLE) / u.file, u.why, u.modeRead, std::string(u.entry));
}

// "bad_count_no_count" for bad-count/no-count.stp.
std::string CaseOf(const testing::TestParamInfo<Unloadable>& info) {
    std::string name(info.param.file.substr(0, info.param.file.rfind('.')));
    std::ranges::replace_if(
        name, [](char c) { return c == '/' || c == '-'; }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Load, UnloadableFile, testing::ValuesIn(kUnloadable), CaseOf);

// Another save's new file whose name this save happens to pick: the save fails and leaves it.
TEST_F(StackFileTest, ASaveRemovesOnlyTheNewFileItCreated) {
    const fs::path another = fs::path(file_) += ".1234.new";
    std::ofstream(another) << "another save's";
    EXPECT_EQ(SaveStackThrough(With({"2"}), file_, another), SaveStatus::CannotCreate);
    EXPECT_EQ(fs::file_size(another), 14u);
}

#ifdef _WIN32
// Runs `body` while another program (FileHolder.cpp, beside this one) holds `file` for `ms`
// milliseconds; true when it held the file and then let go.
bool WhileHeld(const fs::path& file, int ms, const std::function<void()>& body) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const std::wstring command = L"\"\"" +
                                 fs::path(self).replace_filename("file_holder.exe").wstring() +
                                 L"\" \"" + file.wstring() + L"\" " + std::to_wstring(ms) + L"\"";
    std::FILE* holder = ::_wpopen(command.c_str(), L"r");
    const bool held = holder != nullptr && std::fgetc(holder) == 'h';
    if (held) body();
    return holder != nullptr && ::_pclose(holder) == 0 && held;
}

// A stack file held for half a second is replaced once let go; one held far longer, or a
// read-only one, is kept as it was, and the save removes its new file.
TEST_F(StackFileTest, AStackFileHeldOrReadOnly) {
    ASSERT_EQ(SaveStack(With({"1"}), file_), SaveStatus::Saved);
    const std::string before = read();
    EXPECT_TRUE(WhileHeld(file_, 10000, [&] {
        EXPECT_EQ(SaveStack(With({"2"}), file_), SaveStatus::CannotReplace);
        EXPECT_EQ(read(), before);
    }));
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(SaveStack(With({"2"}), file_), SaveStatus::CannotReplace);
    EXPECT_EQ(read(), before);
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(WhileHeld(file_, 500,
                          [&] { EXPECT_EQ(SaveStack(With({"3"}), file_), SaveStatus::Saved); }));
    EXPECT_EQ(read(), " 1 \r\n\r\n 1 \r\n3\r\n in 1");
}
#endif

#if defined(__unix__)
// Runs `body` in a child process, whose exit status is 0 when `body` returned true.
pid_t InChild(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body() ? 0 : 1);
    return child;
}

// The previous file survives byte for byte, and no new file is left behind.
TEST_F(StackFileTest, AFailedSaveKeepsThePreviousFile) {
    Calculator calc = With({"1"});
    ASSERT_EQ(SaveStack(calc, file_), SaveStatus::Saved);
    const std::string before = read();
    for (int i = 0; i < 2000; ++i) calc.push("123456.789");
    EXPECT_EQ(SaveStack(calc, dir_), SaveStatus::CannotReplace);  // a path that is a directory
    EXPECT_EQ(SaveStack(calc, dir_ / "missing" / kStackFileName), SaveStatus::CannotCreate);
    // A file system that refuses to grow a file past 4 KiB, in a program started without a
    // standard input: the new file is then descriptor 0.
    const pid_t child = InChild([&] {
        const rlimit limit{4096, 4096};
        return ::close(0) == 0 && ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR &&
               ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
               SaveStack(calc, file_) == SaveStatus::CannotWrite;
    });
    int status = 1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0) << "a failed save said it succeeded";
    EXPECT_EQ(read(), before);
}

// Two instances save their own stack again and again while a third loads: every load gives one
// of the two stacks whole, or fails and changes nothing, and every save succeeds.
TEST_F(StackFileTest, TwoSavesAtOnceNeverMix) {
    Texts a(1000, "1.11111111111111"), b = a;
    a.back() = "1";
    b.back() = "123456";  // a load that stops at the length of a would read a wrong last value
    ASSERT_EQ(SaveStack(With(a), file_), SaveStatus::Saved);
    for (const Calculator& calc : {With(a), With(b)}) {
        InChild([&] {
            bool ok = true;
            for (int i = 0; i < 200; ++i) ok = SaveStack(calc, file_) == SaveStatus::Saved && ok;
            return ok;
        });
    }
    int wrong = 0, status = 0;
    for (int running = 2; running > 0;) {
        Calculator calc;
        wrong += LoadStack(calc, file_) == LoadStatus::Loaded
                     ? calc.values() != a && calc.values() != b
                     : calc.count() != 0;
        for (; running > 0 && ::waitpid(-1, &status, WNOHANG) > 0; --running) wrong += status != 0;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(read().ends_with(" in 1"));  // no new file left behind
}
#endif

}  // namespace
}  // namespace orvane
