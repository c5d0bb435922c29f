#pragma once
// The settings file "dlm7Steuerung.ini" in the working directory.

constexpr const char* kIniDateiname = "dlm7Steuerung.ini";

constexpr int kIniLesefehler = -801202;
constexpr int kIniNichtGefunden = -802201;
constexpr int kIniSchreibfehler = -800203;

// Reads the file and hands it to every window's reader; on an error no window reads anything.
int ReadIni();
// Collects every window's values and replaces the file (the old one survives a failed write).
int WriteIni();
