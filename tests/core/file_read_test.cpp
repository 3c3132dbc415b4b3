#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <tuple>

#include "base/file_read.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

TEST(FileRead, OnlyRegularFilesWithinTheBoundAndAListCutBeforeItsCutWord)
{
    ScratchFolder folder("file_read");
    writeText("ten", "alpha beta");
    writeText("list", "alpha beta gamma");
    ASSERT_EQ(mkfifo("fifo", 0644), 0);
    fs::create_directory("folder");
    fs::create_symlink("/dev/zero", "zero");
    fs::create_symlink("ten", "link");
    std::string text;
    // {path, bound, what readWholeFile answers, what readWordList keeps}
    const std::tuple<const char*, size_t, FileRead, const char*> cases[] = {
        {"ten", 10, FileRead::ok, "alpha beta"},  {"ten", 9, FileRead::tooLarge, "alpha"},
        {"link", 10, FileRead::ok, "alpha beta"}, {"list", 12, FileRead::tooLarge, "alpha beta"},
        {"list", 3, FileRead::tooLarge, ""},      {"fifo", 10, FileRead::missing, ""},
        {"folder", 10, FileRead::missing, ""},    {"zero", 10, FileRead::missing, ""},
        {"none", 10, FileRead::missing, ""},
    };
    for (const auto& [path, bound, whole, words] : cases) {
        SCOPED_TRACE(std::string(path) + " within " + std::to_string(bound));
        EXPECT_EQ(readWholeFile(path, bound, text), whole);
        EXPECT_EQ(text, whole == FileRead::ok ? readText(path) : "");
        readWordList(path, bound, text);
        EXPECT_EQ(text, words);
    }
    EXPECT_EQ(std::pair(readFileHead("list", 100, 5, text), text), std::pair(FileRead::ok, std::string("alpha")));
    EXPECT_EQ(readFileHead("list", 10, 5, text), FileRead::tooLarge);
}
