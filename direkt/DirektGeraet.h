#pragma once
// The box operations of the direct I/O window. Each returns 0 or a device code.
#include <string>

// Output kanal 0..3 to prozent of its range, kept within 0..10 as device
// value. A non-finite value is not sent at all (result 0).
int AusgangProzentSenden(int port, char adresse, int kanal, double prozent);
// Input kanal 0..3 as the device value 0..10.
int EingangGeraetewertLesen(int port, char adresse, int kanal, double& geraetewert);
// Input 4 is free for direct reading while bit 0 of the mode is clear.
int Eingang4Frei(int port, char adresse, bool& frei);
