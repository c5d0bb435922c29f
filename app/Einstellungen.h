#pragma once
// The settings file "dlm7Steuerung.ini" in the working directory.
#include <functional>

class IniDatei;

constexpr const char* kIniDateiname = "dlm7Steuerung.ini";

constexpr int kIniLesefehler = -801202;
constexpr int kIniNichtGefunden = -802201;
constexpr int kIniSchreibfehler = -800203;

// Reads the file, then the port table, then hands it to fenster (every
// window's reader); on an error nothing is read.
int ReadIni(const std::function<void(const IniDatei&)>& fenster);
// Collects every window's values and the port table and replaces the file
// (the old one survives a failed write).
int WriteIni(const std::function<void(IniDatei&)>& fenster);
