#include "device/Qavksv5.h"

#include "device/Protokoll.h"
#include "device/Verbindung.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

using namespace QavFehler;
using Verbindung::Codes;

namespace {

// A single box or, where the operation allows it, all boxes.
bool AdresseErlaubt(char a, bool alleErlaubt) {
    return Protokoll::EinzeladresseGueltig(a) || (alleErlaubt && a == '&');
}

constexpr Codes kID{0, ID_Schreiben, ID_Kurz, ID_Nak, ID_Can, ID_KeineAntwort, ID_AnderesByte};
constexpr Codes kBaud{0, Baud_Schreiben, Baud_Kurz, Baud_Nak, Baud_Can, Baud_KeineAntwort, Baud_AnderesByte};
constexpr Codes kAdr{0, Adr_Schreiben, Adr_Kurz, Adr_Nak, Adr_Can, Adr_KeineAntwort, Adr_AnderesByte};
constexpr Codes kDF{0, DF_Schreiben, DF_Kurz, DF_Nak, DF_Can, DF_KeineAntwort, DF_AnderesByte};
constexpr Codes kEin{Ein_Leeren, Ein_Schreiben, Ein_Kurz, Ein_Nak, Ein_Can, Ein_KeineAntwort, Ein_AnderesByte};
constexpr Codes kAus{Aus_Leeren, Aus_Schreiben, Aus_Kurz, Aus_Nak, Aus_Can, Aus_KeineAntwort, Aus_AnderesByte};
constexpr Codes kSpL{0, SpL_Schreiben, SpL_Kurz, SpL_Nak, SpL_Can, SpL_KeineAntwort, SpL_AnderesByte};
constexpr Codes kSpS{0, SpS_Schreiben, SpS_Kurz, SpS_Nak, SpS_Can, SpS_KeineAntwort, SpS_AnderesByte};
constexpr Codes kSt{0, St_Schreiben, St_Kurz, St_Nak, St_Can, St_KeineAntwort, St_AnderesByte};
constexpr Codes kModL{0, ModL_Schreiben, ModL_Kurz, ModL_Nak, ModL_Can, ModL_KeineAntwort, ModL_AnderesByte};
constexpr Codes kModS{ModS_Leeren, ModS_Schreiben, ModS_Kurz, ModS_Nak, ModS_Can, ModS_KeineAntwort, ModS_AnderesByte};

// Channel digit of "e1".."e4" / "a1".."a4", 0 for any other name.
char Kanalziffer(const std::string& kanal, char buchstabe) {
    if (kanal.size() == 2 && kanal[0] == buchstabe && kanal[1] >= '1' && kanal[1] <= '4') return kanal[1];
    return 0;
}

} // namespace

int QAVKSV5_Open(int port, int baud) { return Verbindung::Oeffnen(port, baud); }
int QAVKSV5_Close(int port) { return Verbindung::Schliessen(port); }
int QAVKSV5_Timeout(int port, double sekunden) { return Verbindung::Zeitlimit(port, sekunden); }
int FlushInOut(int port) { return Verbindung::Leeren(port); }
int Hexchar2Int(char c) { return Protokoll::HexZiffer(c); }

int QAVKSV5_IDLesen(int port, char adresse, std::string& kennung) {
    if (!AdresseErlaubt(adresse, false)) return ID_Adresse;
    if (int rc = Verbindung::Anfrage(port, Protokoll::RahmenIDLesen(adresse), true, kID); rc != 0) return rc;
    std::string zeile;
    if (!Verbindung::ZeileLesen(port, Protokoll::kIDZeileMax, zeile))
        return Verbindung::Ergebnis(port, ID_ZeileZeitlimit);
    if (!Protokoll::IDZeilePruefen(zeile, adresse, kennung)) return ID_ZeileFehlerhaft;
    return 0;
}

int QAVKSV5_DeviceFunction(int port, char adresse, const std::string& name) {
    if (!AdresseErlaubt(adresse, true)) return DF_Adresse;
    char nummer;
    if (name == "start")
        nummer = '1';
    else if (name == "stopp")
        nummer = '2';
    else
        return DF_Name;
    return Verbindung::Anfrage(port, Protokoll::RahmenDeviceFunction(adresse, nummer), adresse != '&', kDF);
}

int QAVKSV5_EingangLesen(int port, char adresse, const std::string& kanal, double& wert) {
    if (!AdresseErlaubt(adresse, false)) return Ein_Adresse;
    char n = Kanalziffer(kanal, 'e');
    if (!n) return Ein_Kanal;
    if (int rc = Verbindung::Anfrage(port, Protokoll::RahmenEingangLesen(adresse, n), true, kEin); rc != 0) return rc;
    std::string zeile;
    if (!Verbindung::ZeileLesen(port, Protokoll::kKurzeZeileMax, zeile))
        return Verbindung::Ergebnis(port, Ein_ZeileZeitlimit);
    if (!Protokoll::EingangZeilePruefen(zeile, adresse, n, wert)) return Ein_ZeileFehlerhaft;
    return 0;
}

int QAVKSV5_AusgangSchreiben(int port, char adresse, const std::string& kanal, double wert) {
    if (!AdresseErlaubt(adresse, true)) return Aus_Adresse;
    char n = Kanalziffer(kanal, 'a');
    // NaN fails the comparison as well.
    bool imBereich = wert >= 0.0 && wert <= 10.0;
    if (n && !imBereich) return Aus_Bereich1 - (n - '1');
    if (!n) return Aus_Kanal;
    return Verbindung::Anfrage(port, Protokoll::RahmenAusgangSchreiben(adresse, n, wert), adresse != '&', kAus);
}

int QAVKSV5_SpeicherLesen(int port, char adresse, int bereich, long start, long anzahl, unsigned char* daten) {
    if (!AdresseErlaubt(adresse, false)) return SpL_Adresse;
    if (start < 0 || start > 65535) return SpL_Start;
    // 65536 would not fit into the four hex digits of the count field.
    if (anzahl < 1 || anzahl > 65535) return SpL_Anzahl;
    if (bereich != 4) return SpL_Bereich;
    if (!daten) return SpL_KeinSpeicher;
    std::string rahmen = Protokoll::RahmenSpeicherLesen(adresse, bereich, start, anzahl);
    if (rahmen.size() != 15) return SpL_Format;
    if (int rc = Verbindung::Anfrage(port, rahmen, true, kSpL); rc != 0) return rc;
    std::string zeile;
    std::vector<unsigned char> gelesen;
    try {
        zeile.reserve(Protokoll::SpeicherZeileLaenge(anzahl) + 1);
    } catch (const std::bad_alloc&) { return SpL_KeinSpeicher; }
    if (!Verbindung::ZeileLesen(port, Protokoll::SpeicherZeileLaenge(anzahl), zeile))
        return Verbindung::Ergebnis(port, SpL_ZeileZeitlimit);
    using B = Protokoll::SpeicherBefund;
    switch (Protokoll::SpeicherZeilePruefen(zeile, adresse, bereich, start, anzahl, gelesen)) {
    case B::Gut: break;
    case B::OhneCR: return SpL_OhneCR;
    case B::Laenge: return SpL_Laenge;
    case B::Kopf: return SpL_Kopf;
    case B::DatenHoch: return SpL_DatenHoch;
    case B::DatenNiedrig: return SpL_DatenNiedrig;
    case B::Pruefziffer1: return SpL_Pruefziffer1;
    case B::Pruefziffer2: return SpL_Pruefziffer2;
    case B::Pruefziffer3: return SpL_Pruefziffer3;
    case B::Pruefziffer4: return SpL_Pruefziffer4;
    case B::Pruefsumme: return SpL_Pruefsumme;
    }
    std::copy(gelesen.begin(), gelesen.end(), daten);
    return 0;
}

int QAVKSV5_SpeicherSchreiben(int port, char adresse, int bereich, long start, long anzahl,
                              const unsigned char* daten) {
    if (!AdresseErlaubt(adresse, true)) return SpS_Adresse;
    if (start < 0 || start > 65535) return SpS_Start;
    if (anzahl < 0 || anzahl > 64) return SpS_Anzahl;
    if (bereich != 4) return SpS_Bereich;
    if (anzahl > 0 && !daten) return SpS_FormatDaten;
    std::string rahmen = Protokoll::RahmenSpeicherSchreiben(adresse, bereich, start, anzahl, daten);
    if (rahmen.size() != Protokoll::SpeicherZeileLaenge(anzahl)) return SpS_FormatKopf;
    return Verbindung::Anfrage(port, rahmen, adresse != '&', kSpS);
}

int QAVKSV5_StatusLesen(int port, char adresse, int registerNr, unsigned char& wert) {
    if (!AdresseErlaubt(adresse, false)) return St_Adresse;
    if (registerNr != 1 && registerNr != 2) return St_Register;
    char reg = static_cast<char>('0' + registerNr);
    if (int rc = Verbindung::Anfrage(port, Protokoll::RahmenStatusLesen(adresse, reg), true, kSt); rc != 0) return rc;
    std::string zeile;
    if (!Verbindung::ZeileLesen(port, Protokoll::kKurzeZeileMax, zeile))
        return Verbindung::Ergebnis(port, St_ZeileZeitlimit);
    switch (Protokoll::StatusZeilePruefen(zeile, adresse, reg, wert)) {
    case Protokoll::StatusBefund::Gut: return 0;
    case Protokoll::StatusBefund::AnderesRegister:
        return registerNr == 1 ? St_Register2StattEins : St_Register1StattZwei;
    case Protokoll::StatusBefund::Fehlerhaft: break;
    }
    return St_ZeileFehlerhaft;
}

int QAVKSV5_ModusLesen(int port, char adresse, unsigned char& modus) {
    if (!AdresseErlaubt(adresse, false)) return ModL_Adresse;
    if (int rc = Verbindung::Anfrage(port, Protokoll::RahmenModusLesen(adresse), true, kModL); rc != 0) return rc;
    std::string zeile;
    if (!Verbindung::ZeileLesen(port, Protokoll::kKurzeZeileMax, zeile))
        return Verbindung::Ergebnis(port, ModL_ZeileZeitlimit);
    if (!Protokoll::ModusZeilePruefen(zeile, adresse, modus)) return ModL_ZeileFehlerhaft;
    return 0;
}

int QAVKSV5_ModusSchreiben(int port, char adresse, bool setzen, unsigned char maske) {
    if (!AdresseErlaubt(adresse, true)) return ModS_Adresse;
    return Verbindung::Anfrage(port, Protokoll::RahmenModusSchreiben(adresse, setzen, maske), adresse != '&', kModS);
}

int QAVPLN6_BaudrateSchreiben(int port, int adressziffer, int baud) {
    if (adressziffer < 0 || adressziffer > 9) return Baud_Adresse;
    if (!Verbindung::BaudGueltig(baud)) return Baud_Baud;
    // Digit 9 reaches every box on the line, so nobody answers.
    return Verbindung::Anfrage(port, Protokoll::RahmenBaudrate(adressziffer, baud), adressziffer != 9, kBaud);
}

int QAVPLN6_AdresseSchreiben(int port, int adressziffer, int neueAdresse) {
    if (adressziffer < 0 || adressziffer > 8) return Adr_Adresse;
    if (neueAdresse < 0 || neueAdresse > 8) return Adr_NeueAdresse;
    return Verbindung::Anfrage(port, Protokoll::RahmenAdresse(adressziffer, neueAdresse), true, kAdr);
}

int QAVDLM7_ParameterSchreiben() { return 0; }
int QAVDLM7_ParameterLesen() { return 0; }
