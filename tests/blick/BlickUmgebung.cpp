// One QCoreApplication for the tests of the device service's poll.
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class KernUmgebung : public ::testing::Environment {
  public:
    void SetUp() override { app_ = new QCoreApplication(argc_, argv_); }
    void TearDown() override { delete app_; }

  private:
    int argc_ = 1;
    char name_[11] = "test_blick";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication* app_ = nullptr;
};

const auto* const kUmgebung = ::testing::AddGlobalTestEnvironment(new KernUmgebung);

} // namespace
