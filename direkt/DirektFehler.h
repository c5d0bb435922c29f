#pragma once
// Error codes of the direct I/O window and its data log.
namespace DirektFehler {

inline constexpr int EingangOhnePort = -122301;
inline constexpr int AusgangOhnePort = -122303;
inline constexpr int ModusOhnePort = -122315;

inline constexpr int Dateiauswahl = -317305;
inline constexpr int ProtokollOeffnen = -308306;
inline constexpr int Startzeile = -301307;
inline constexpr int Eingangsbereiche = -301308;
inline constexpr int Ausgangsbereiche = -301309;
inline constexpr int Kopfzeile = -301310;
inline constexpr int DatumZeit = -301311;
inline constexpr int Eingangswerte = -301312;
inline constexpr int Ausgangswerte = -301313;
inline constexpr int Text = -301314;

} // namespace DirektFehler
