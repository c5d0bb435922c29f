// One QApplication for all widget tests, created only when tests run (not
// while CTest lists them). Offscreen, the screen is a desktop's (1920x1200),
// so the windows keep the size the tests give them.
#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class QtUmgebung : public ::testing::Environment {
  public:
    void SetUp() override {
        const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
        if (plattform.isEmpty() || plattform == "offscreen") {
            bildschirm_.setFileName(QString("/tmp/dlm7test-bildschirm-%1.json").arg(::getpid()));
            if (bildschirm_.open(QIODevice::WriteOnly)) {
                bildschirm_.write(R"({"screens": [{"name": "test", "width": 1920, "height": 1200}]})");
                bildschirm_.close();
                qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm_.fileName().toLocal8Bit());
            } else {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
        }
        app_ = new QApplication(argc_, argv_);
        bildschirm_.remove(); // read once, when the platform starts
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

  private:
    int argc_ = 1;
    char name_[16] = "dlm7test";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
    QFile bildschirm_;
};

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);

} // namespace
