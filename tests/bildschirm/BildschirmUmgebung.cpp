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
        bildschirm_.setFileName(QString("/tmp/dlm7test-klein-%1.json").arg(::getpid()));
        ASSERT_TRUE(bildschirm_.open(QIODevice::WriteOnly));
        bildschirm_.write(R"({"screens": [{"name": "klein", "width": 1280, "height": 800}]})");
        bildschirm_.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm_.fileName().toLocal8Bit());
        qputenv("QT_SCALE_FACTOR", "2");
        const std::string cGebiet = SpracheVorbereiten();
        app_ = new QApplication(argc_, argv_);
        SpracheEinrichten(*app_, cGebiet);
        bildschirm_.remove();
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

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new BildschirmUmgebung);

} // namespace
