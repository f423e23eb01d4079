// The QApplication every Qt test needs, made once for the whole test program before the first test runs
// (gtest_main owns main, so a global test environment registered at static initialisation makes it).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace vellumar::testing {

class QtTestApp final : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

// Registered once however many test files include this header.
inline ::testing::Environment* const kQtTestApp = ::testing::AddGlobalTestEnvironment(new QtTestApp);

}  // namespace vellumar::testing
