// One QApplication for all widget tests, created only when tests run (not
// while CTest lists them).
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtUmgebung : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = new QApplication(m_argc, m_argv);
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

  private:
    int m_argc = 1;
    char m_name[16] = "dlm7test";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);

} // namespace
