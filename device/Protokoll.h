#pragma once
// The box's wire protocol: request frames, answer lines, hex fields and the
// memory checksum. Pure functions, shared by the driver and the simulator.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Protokoll {

constexpr char kStart = '#';
constexpr char kCR = '\r';
constexpr char kACK = 0x06;
constexpr char kNAK = 0x15;
constexpr char kCAN = 0x18;

// Longest answer lines, CR included.
constexpr std::size_t kIDZeileMax = 29;
constexpr std::size_t kKurzeZeileMax = 14;
inline std::size_t SpeicherZeileLaenge(long anzahl) { return 2 * static_cast<std::size_t>(anzahl) + 19; }

// '1'..'9' and 'a'..'f' name one box; '&' all boxes.
bool EinzeladresseGueltig(char a);

// Value of one hex digit, -1 for anything else.
int HexZiffer(char c);
// Upper-case, zero-padded hex field of the given width.
std::string Hex(unsigned long wert, int stellen);
// Reads a hex field; -1 if a character is not a hex digit.
long HexLesen(const std::string& s, std::size_t pos, std::size_t stellen);

// 1 plus the sum of the bytes, low 16 bits.
std::uint16_t Pruefsumme(const unsigned char* daten, std::size_t anzahl);

std::string RahmenIDLesen(char a);
std::string RahmenDeviceFunction(char a, char nummer);
std::string RahmenEingangLesen(char a, char kanal);
std::string RahmenAusgangSchreiben(char a, char kanal, double wert);
std::string RahmenSpeicherLesen(char a, int bereich, long start, long anzahl);
std::string RahmenSpeicherSchreiben(char a, int bereich, long start, long anzahl, const unsigned char* daten);
std::string RahmenStatusLesen(char a, char reg);
std::string RahmenModusLesen(char a);
std::string RahmenModusSchreiben(char a, bool setzen, unsigned char maske);
std::string RahmenBaudrate(int ziffer, int baud);
std::string RahmenAdresse(int ziffer, int neu);

// Answer lines. Each returns true only for a line that passed every check;
// the results are written only then.
bool IDZeilePruefen(const std::string& zeile, char a, std::string& kennung);
bool EingangZeilePruefen(const std::string& zeile, char a, char kanal, double& wert);
bool ModusZeilePruefen(const std::string& zeile, char a, unsigned char& modus);

enum class StatusBefund { Gut, Fehlerhaft, AnderesRegister };
StatusBefund StatusZeilePruefen(const std::string& zeile, char a, char reg, unsigned char& wert);

enum class SpeicherBefund {
    Gut,
    OhneCR,
    Laenge,
    Kopf,
    DatenHoch,
    DatenNiedrig,
    Pruefziffer1,
    Pruefziffer2,
    Pruefziffer3,
    Pruefziffer4,
    Pruefsumme,
};
SpeicherBefund SpeicherZeilePruefen(const std::string& zeile, char a, int bereich, long start, long anzahl,
                                    std::vector<unsigned char>& daten);

} // namespace Protokoll
