#pragma once
// The settings file "dlm7Steuerung.ini".
#include <functional>
#include <string>

class IniDatei;

constexpr const char* kIniDateiname = "dlm7Steuerung.ini";

constexpr int kIniLesefehler = -801202;
constexpr int kIniNichtGefunden = -802201;
constexpr int kIniSchreibfehler = -800203;

// Where it lives: in the working directory if one is there (the old version's
// habit, and the demo's), otherwise in $XDG_CONFIG_HOME/dlm7dSteuerung/
// (~/.config/dlm7dSteuerung/ without the variable).
std::string EinstellungsPfad();

// Reads the file, then the port table, then hands it to fenster (every
// window's reader); on an error nothing is read.
int ReadIni(const std::string& pfad, const std::function<void(const IniDatei&)>& fenster);
// Collects every window's values and the port table and replaces the file
// (the old one survives a failed write); its folder is made when missing.
int WriteIni(const std::string& pfad, const std::function<void(IniDatei&)>& fenster);
