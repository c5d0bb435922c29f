#include "direkt/DatenProtokoll.h"

#include "config/KonfigUmrechnung.h"
#include "direkt/DirektFehler.h"
#include "kern/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SystemUhr : public Uhr {
  public:
    std::tm Jetzt() override {
        const std::time_t t = std::time(nullptr);
        std::tm ergebnis{};
        localtime_r(&t, &ergebnis);
        return ergebnis;
    }
};

SystemUhr gSystemUhr;

constexpr const char* kFehlend = "-----";

std::string Datum(const std::tm& t) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return puffer;
}

std::string Zeit(const std::tm& t) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return puffer;
}

const char* SeitenName(Seite seite) { return seite == Seite::Eingang ? "Eingang" : "Ausgang"; }

bool Umrechenbar(const KonfigDaten& k, Seite seite, int kanal) {
    return seite == Seite::Eingang ? EingangUmrechenbar(k, kanal) : AusgangBeschreibbar(k, kanal);
}

std::string Feld(const KonfigDaten& k, Seite seite, int kanal, double prozent) {
    if (!Umrechenbar(k, seite, kanal)) return kFehlend;
    return ZahlText(PhysAusProzent(k, seite, kanal, prozent), Nachkommastellen(k, seite, kanal));
}

} // namespace

namespace ProtokollFormat {

std::string Bereichszeile(const KonfigDaten& k, Seite seite, int kanal) {
    const PhysSpanne s = Spanne(k, seite, kanal);
    const int n = Nachkommastellen(k, seite, kanal);
    return std::string(SeitenName(seite)) + std::to_string(kanal + 1) + ": " + ZahlText(s.unten, n) + ".." +
           ZahlText(s.oben, n) + " " + EinheitFeld(k, seite, kanal) + "\r\n";
}

std::string Kopfzeile(const KonfigDaten& k) {
    std::string z = "Datum\tUhrzeit";
    for (int i = 0; i < kKanaele; ++i)
        z += "\tEing" + std::to_string(i + 1) + "[" + EinheitFeld(k, Seite::Eingang, i) + "]";
    for (int i = 0; i < kKanaele; ++i)
        z += "\tAusg" + std::to_string(i + 1) + "[" + EinheitFeld(k, Seite::Ausgang, i) + "]";
    return z + "\r\n";
}

std::string Eingangsfelder(const KonfigDaten& k, const DirektZustand& z) {
    std::string felder;
    for (int i = 0; i < kKanaele; ++i) {
        const bool da = i != 3 || z.eingang4Verfuegbar;
        felder += (da ? Feld(k, Seite::Eingang, i, z.eingangProzent[i]) : kFehlend) + "\t";
    }
    return felder;
}

std::string Ausgangsfelder(const KonfigDaten& k, const DirektZustand& z) {
    std::string felder;
    for (int i = 0; i < kKanaele; ++i) {
        felder += Feld(k, Seite::Ausgang, i, z.ausgangProzent[i]);
        felder += i + 1 < kKanaele ? "\t" : "\r\n";
    }
    return felder;
}

std::string TextNachCp1252(std::string_view utf8) {
    std::string ergebnis;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t laenge = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        laenge = std::min(laenge, utf8.size() - i);
        const std::string_view zeichen = utf8.substr(i, laenge);
        i += laenge;
        if (zeichen == "\n") {
            ergebnis += "\r\n";
        } else if (auto cp = NachCp1252(zeichen)) {
            ergebnis += *cp;
        } else {
            ergebnis += '?';
        }
    }
    return ergebnis;
}

} // namespace ProtokollFormat

Zeitstempel ZeitstempelLesen(Uhr& uhr) {
    for (;;) {
        const std::string datum = Datum(uhr.Jetzt());
        const std::string zeit = Zeit(uhr.Jetzt());
        if (Datum(uhr.Jetzt()) == datum) return {datum, zeit};
    }
}

DatenProtokoll::DatenProtokoll(Uhr* uhr) : uhr_(uhr ? uhr : &gSystemUhr), schreiben_(::write) {}

DatenProtokoll::~DatenProtokoll() { Schliessen(); }

off_t DatenProtokoll::Groesse() const {
    struct stat st {};
    return fstat(fd_, &st) == 0 ? st.st_size : -1;
}

bool DatenProtokoll::Anhaengen(std::string_view bytes, off_t anfang) {
    std::size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = schreiben_(fd_, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // Cut back what got through, so the file ends with a whole piece.
            if (anfang >= 0 && ftruncate(fd_, anfang) != 0) {
                // Nothing more can be done; the failure is reported anyway.
            }
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

int DatenProtokoll::Oeffnen(const std::string& pfad, const KonfigDaten& k) {
    Schliessen();
    struct stat vorher {};
    const bool neu = stat(pfad.c_str(), &vorher) != 0;
    fd_ = ::open(pfad.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return DirektFehler::ProtokollOeffnen;
    const off_t anfang = Groesse();

    int code = 0;
    std::string eingaenge, ausgaenge;
    for (int i = 0; i < kKanaele; ++i) {
        eingaenge += ProtokollFormat::Bereichszeile(k, Seite::Eingang, i);
        ausgaenge += ProtokollFormat::Bereichszeile(k, Seite::Ausgang, i);
    }
    if (!Anhaengen("\r\n\r\nDatenerfassung gestartet\r\n", anfang))
        code = DirektFehler::Startzeile;
    else if (!Anhaengen(eingaenge, anfang))
        code = DirektFehler::Eingangsbereiche;
    else if (!Anhaengen(ausgaenge, anfang))
        code = DirektFehler::Ausgangsbereiche;
    else if (!Anhaengen(ProtokollFormat::Kopfzeile(k), anfang))
        code = DirektFehler::Kopfzeile;
    if (code != 0) {
        Schliessen();
        if (neu && anfang == 0) ::unlink(pfad.c_str());
    }
    return code;
}

int DatenProtokoll::ZeileSchreiben(const KonfigDaten& k, const DirektZustand& z) {
    if (!offen()) return 0;
    const Zeitstempel t = ZeitstempelLesen(*uhr_);
    const off_t anfang = Groesse();
    int code = 0;
    if (!Anhaengen(t.datum + "\t" + t.zeit + "\t", anfang))
        code = DirektFehler::DatumZeit;
    else if (!Anhaengen(ProtokollFormat::Eingangsfelder(k, z), anfang))
        code = DirektFehler::Eingangswerte;
    else if (!Anhaengen(ProtokollFormat::Ausgangsfelder(k, z), anfang))
        code = DirektFehler::Ausgangswerte;
    if (code != 0) Schliessen();
    return code;
}

int DatenProtokoll::Text(std::string_view utf8) {
    if (!offen()) return 0;
    return Anhaengen(ProtokollFormat::TextNachCp1252(utf8), Groesse()) ? 0 : DirektFehler::Text;
}

void DatenProtokoll::Schliessen() {
    if (fd_ < 0) return;
    ::fsync(fd_);
    ::close(fd_);
    fd_ = -1;
}
