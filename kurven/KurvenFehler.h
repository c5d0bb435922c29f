#pragma once
// Error codes of the curve generator, -(category * 1000 + site).
namespace KurvenFehler {

// Model and editing.
inline constexpr int InitSpeicher = -600402;
inline constexpr int PunkteSpeicher = -600403;
inline constexpr int ZwischenspeicherSpeicher = -600460;
inline constexpr int EinfuegenSpeicher = -600461;

// Curve-set file.
inline constexpr int SpeichernOeffnen = -308432;
inline constexpr int SpeichernKopf = -301433;
inline constexpr int SpeichernPunkte = -301434;
inline constexpr int LadenOeffnen = -308435;
inline constexpr int LadenKopf = -304436;
inline constexpr int LadenTitel = -1020437;
inline constexpr int LadenVersion = -303438;
inline constexpr int LadenPunkteSpeicher = -600439;
inline constexpr int LadenErsatzSpeicher = -600440;

// Text exchange.
inline constexpr int ExportOeffnen = -308441;
inline constexpr int ExportKopf = -301442;
inline constexpr int ExportZeile = -301443;
inline constexpr int ExportLeerzeile = -301444;
inline constexpr int ImportOeffnen = -308445;
inline constexpr int ImportLesen = -304446;
inline constexpr int ImportFelder = -312447;
inline constexpr int ImportKurvennummer = -312448;
inline constexpr int ImportZusammenhang = -312449;
inline constexpr int ImportSpeicher = -600450;
inline constexpr int ImportZeitbasis = -312451;
inline constexpr int ImportYWert = -312452;
inline constexpr int ImportStart = -312453;
inline constexpr int ImportFortlaufend = -312454;
inline constexpr int ImportZuLang = -312455;
inline constexpr int ImportRaster = -312456;
inline constexpr int ImportNull = -312457;
inline constexpr int ImportLeer = -312458;
inline constexpr int ImportUebernahme = -600459;

// Transfer.
inline constexpr int SendenKeinPort = -122430;
inline constexpr int LesenKeinPort = -122431;
inline constexpr int LesenKopfSpeicher = -600404;
inline constexpr int LesenSpeicher = -600406;
inline constexpr int LesenPruefsumme = -897407;
inline constexpr int LesenAnfang = -1019408;
inline constexpr int LesenEnde = -1019409;
inline constexpr int DekodierenSpeicher1 = -600416;
inline constexpr int DekodierenUngerade = -1019417;
inline constexpr int DekodierenZeitbasis = -1019418;
inline constexpr int DekodierenSpeicher2 = -600419;
inline constexpr int DekodierenSpeicher3 = -600420;
inline constexpr int KeineKurven = -1018471;
// Our own: the set does not fit the box (the window shows the memory message
// instead; the command line needs a code), and data the box cannot play.
inline constexpr int SendenZuGross = -1023480;
inline constexpr int SendenDatenUngueltig = -1022481;

// CSV table.
inline constexpr int CsvOeffnen = -308490;
inline constexpr int CsvSchreiben = -301491;

} // namespace KurvenFehler
