// A temporary folder of the running test's own: ctest runs tests in parallel
// processes, so a shared fixed name would let one test delete another's files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::filesystem::path scratchDir(const std::string& stem)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = stem + "_" + std::to_string(getpid());
    if (test) name += std::string("_") + test->test_suite_name() + "_" + test->name();
    for (char& c : name)
        if (c == '/') c = '_';
    return std::filesystem::temp_directory_path() / name;
}

// An empty scratch folder entered for the test's life; on leaving, the
// previous folder is entered again and the scratch one removed.
struct ScratchFolder {
    std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::path dir;
    explicit ScratchFolder(const std::string& stem) : dir(scratchDir(stem))
    {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::current_path(saved, ec);
        std::filesystem::remove_all(dir, ec);
    }
};

inline std::string readText(const std::filesystem::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}
