#include "app/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace {
constexpr const char* kDeutsch = "de_DE.UTF-8";
}

std::string SpracheVorbereiten() {
    // What the toolkit would set from the environment, taken before the environment changes.
    const char* gebiet = std::setlocale(LC_ALL, "");
    const std::string cGebiet = gebiet ? gebiet : "C";
    // LC_ALL beats every other variable the toolkit looks at.
    qputenv("LC_ALL", kDeutsch);
    return cGebiet;
}

void SpracheEinrichten(QCoreApplication& app, const std::string& cGebietsschema) {
    std::setlocale(LC_ALL, cGebietsschema.c_str());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* uebersetzer = new QTranslator(&app);
    if (uebersetzer->load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(uebersetzer);
    else
        delete uebersetzer;
}
