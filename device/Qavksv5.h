#pragma once
// Driver of the DLM-7 box: one synchronous request/answer exchange per call.
// Every function returns 0 or a negative code from device/Qavksv5Fehler.h;
// out-parameters are written only after the whole answer passed its checks.
#include "device/Qavksv5Fehler.h"

#include <string>

int QAVKSV5_Open(int port, int baud);
int QAVKSV5_Close(int port);
int QAVKSV5_Timeout(int port, double sekunden);
int FlushInOut(int port);
int Hexchar2Int(char c);

int QAVKSV5_IDLesen(int port, char adresse, std::string& kennung);
// name "start" or "stopp".
int QAVKSV5_DeviceFunction(int port, char adresse, const std::string& name);
// kanal "e1".."e4"; wert 0..10 over the input's full range.
int QAVKSV5_EingangLesen(int port, char adresse, const std::string& kanal, double& wert);
// kanal "a1".."a4"; wert 0.0..10.0.
int QAVKSV5_AusgangSchreiben(int port, char adresse, const std::string& kanal, double wert);
// bereich 4; start 0..65535; anzahl 1..65535 (the count field has four hex digits).
int QAVKSV5_SpeicherLesen(int port, char adresse, int bereich, long start, long anzahl, unsigned char* daten);
// bereich 4; start 0..65535; anzahl 0..64.
int QAVKSV5_SpeicherSchreiben(int port, char adresse, int bereich, long start, long anzahl, const unsigned char* daten);
// registerNr 1 (status) or 2 (error bits).
int QAVKSV5_StatusLesen(int port, char adresse, int registerNr, unsigned char& wert);
int QAVKSV5_ModusLesen(int port, char adresse, unsigned char& modus);
int QAVKSV5_ModusSchreiben(int port, char adresse, bool setzen, unsigned char maske);

// Sibling commands; the address is a decimal digit.
int QAVPLN6_BaudrateSchreiben(int port, int adressziffer, int baud);
int QAVPLN6_AdresseSchreiben(int port, int adressziffer, int neueAdresse);
int QAVDLM7_ParameterSchreiben();
int QAVDLM7_ParameterLesen();
