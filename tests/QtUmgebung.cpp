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
            m_bildschirm.setFileName(QString("/tmp/dlm7test-bildschirm-%1.json").arg(::getpid()));
            if (m_bildschirm.open(QIODevice::WriteOnly)) {
                m_bildschirm.write(R"({"screens": [{"name": "test", "width": 1920, "height": 1200}]})");
                m_bildschirm.close();
                qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + m_bildschirm.fileName().toLocal8Bit());
            } else {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
        }
        m_app = new QApplication(m_argc, m_argv);
        m_bildschirm.remove(); // read once, when the platform starts
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
    QFile m_bildschirm;
};

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);

} // namespace
