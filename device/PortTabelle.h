#pragma once
// Port numbers 1..8 ("com1".."com8") and the device paths they stand for.
#include <string>

// Path of port nr (1..8); empty for any other number.
std::string PortPfad(int nr);
// Points port nr at another device, for example a pseudo-terminal.
void PortPfadSetzen(int nr, const std::string& pfad);
// COM1..COM4 = /dev/ttyS0..3, COM5..COM8 = /dev/ttyUSB0..3.
void PortTabelleZuruecksetzen();
