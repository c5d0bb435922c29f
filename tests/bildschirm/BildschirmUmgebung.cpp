// The QApplication of these tests, started as main starts the program's, on a
// 1280x800 screen at QT_SCALE_FACTOR=2 (640x400 for the windows) and with
// LANG=C.
#include "app/Sprache.h"

#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace {

class BildschirmUmgebung : public ::testing::Environment {
  public:
    void SetUp() override {
        for (const char* v : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME", "LANGUAGE"}) ::unsetenv(v);
        ::setenv("LANG", "C", 1);
        m_bildschirm.setFileName(QString("/tmp/dlm7test-klein-%1.json").arg(::getpid()));
        ASSERT_TRUE(m_bildschirm.open(QIODevice::WriteOnly));
        m_bildschirm.write(R"({"screens": [{"name": "klein", "width": 1280, "height": 800}]})");
        m_bildschirm.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + m_bildschirm.fileName().toLocal8Bit());
        qputenv("QT_SCALE_FACTOR", "2");
        const std::string cGebiet = SpracheVorbereiten();
        m_app = new QApplication(m_argc, m_argv);
        SpracheEinrichten(*m_app, cGebiet);
        m_bildschirm.remove();
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

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new BildschirmUmgebung);

} // namespace
