#pragma once
// A German program whatever the user's locale: the toolkit's own dialogs
// (file dialog, message boxes) speak German and show sizes, dates and file
// types the German way. The C library keeps the user's locale, and numbers in
// files never depend on either.
#include <string>

class QCoreApplication;

// Before the QApplication exists: the toolkit reads its system locale from
// the environment once. Returns the C library's locale as the user's
// environment sets it, for SpracheEinrichten.
std::string SpracheVorbereiten();

// After the QApplication exists: the C library back on the user's locale, the
// default locale German, and the toolkit's German translations (owned by app).
void SpracheEinrichten(QCoreApplication& app, const std::string& cGebietsschema);
