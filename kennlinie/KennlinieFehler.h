#pragma once
// Every error code of the characteristic-curve controller, -(category * 1000 + site).
namespace KennlFehler {

// Digitisation and transfer.
inline constexpr int ZuVieleEintraege = -1023505; // the points need more than 4096 table entries
inline constexpr int SendenKurvennummer = -1024506;
inline constexpr int VorbereitenPort = -122507;
inline constexpr int PruefenPort = -122509;
inline constexpr int BlockSchreibenPort = -122510;
inline constexpr int LesenKurvennummer = -1024511;
inline constexpr int LesenKeineKennlinien = -1026512;
inline constexpr int Checksumme = -897513;
inline constexpr int BegrenzungFehlerhaft = -1019514; // output-2 value of a slot outside 0..4095
inline constexpr int BlockLesenPort = -122524;
inline constexpr int BlockLesenKeineKennlinien = -1026525;
inline constexpr int Ausgang4Port = -122544;

// Curve file (.dle).
inline constexpr int SpeichernOeffnen = -308515;
inline constexpr int SpeichernKopf = -301516;
inline constexpr int LadenOeffnen = -308518;
inline constexpr int LadenKopf = -304519;
inline constexpr int LadenTitel = -1025520;
inline constexpr int LadenVersion = -303521;

// Text exchange.
inline constexpr int ExportOeffnen = -308529;
inline constexpr int ExportSchreiben = -301530;
inline constexpr int ImportOeffnen = -308533;
inline constexpr int ImportLesen = -304534;
inline constexpr int ImportWerte = -312535;
inline constexpr int ImportYBereich = -312537;
inline constexpr int ImportXBereich = -312538;
inline constexpr int ImportNichtBeiNull = -312539;
inline constexpr int ImportNichtFortlaufend = -312540;
inline constexpr int ImportAbstandNull = -312541;
inline constexpr int ImportKeineDaten = -312542;

// CSV table.
inline constexpr int CsvOeffnen = -308550;
inline constexpr int CsvSchreiben = -301551;

} // namespace KennlFehler
