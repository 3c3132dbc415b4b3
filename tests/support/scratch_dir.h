// A temporary folder of the running test's own: ctest runs tests in parallel
// processes, so a shared fixed name would let one test delete another's files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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
