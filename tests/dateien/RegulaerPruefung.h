#pragma once
// Every reader of a file the user names refuses what is not a regular file:
// a FIFO would block the program for ever, a device would never end. Each
// reader runs in a child that dies after a few seconds, so a reader that
// blocks fails its test instead of hanging the run. (The curve readers live
// in their own files: the two subsystems' headers do not mix.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

class NurRegulaereDateien : public ::testing::Test {
  protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        ordner_ = fs::temp_directory_path() / ("regulaer_" + std::to_string(::getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
        fifo_ = (ordner_ / "fifo").string();
        ASSERT_EQ(::mkfifo(fifo_.c_str(), 0600), 0);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    // True if the reader refuses the FIFO, the directory and /dev/zero.
    void Pruefen(const std::function<bool(const std::string&)>& abgelehnt) {
        for (const std::string& pfad : {fifo_, ordner_.string(), std::string("/dev/zero")})
            EXPECT_EXIT(
                {
                    ::alarm(5);
                    const bool ok = abgelehnt(pfad);
                    fs::remove_all(ordner_); // the child's own folder: _Exit skips TearDown
                    std::_Exit(ok ? 0 : 1);
                },
                ::testing::ExitedWithCode(0), "")
                << pfad;
    }

    fs::path ordner_;
    std::string fifo_;
};
