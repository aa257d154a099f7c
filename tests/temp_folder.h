// A fresh folder for one test's files, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace tarnix {

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Named by the test and by a random number: test runs of other builds at the same time on the same
    // machine must not share (and remove) each other's folders.
    dir_ = std::filesystem::temp_directory_path() / ("tarnix_" + std::string(info->test_suite_name()) + "_" +
                                                     info->name() + "_" + std::to_string(std::random_device()()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

}  // namespace tarnix
