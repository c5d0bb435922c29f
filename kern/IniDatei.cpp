#include "kern/IniDatei.h"

#include "kern/Cp1252.h"
#include "kern/Dezimal.h"
#include "kern/RegulaereDatei.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::size_t kZeilenlaenge = 80;
constexpr std::size_t kMaxDateigroesse = 16u << 20; // far beyond any settings file
constexpr std::string_view kFortsetzung = " Line";

char Klein(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int VergleichOhneFall(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(Klein(a[i]));
        const auto y = static_cast<unsigned char>(Klein(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string_view Trimmen(std::string_view s) {
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && leer(s.front())) s.remove_prefix(1);
    while (!s.empty() && leer(s.back())) s.remove_suffix(1);
    return s;
}

bool EnthaeltZeilenbruch(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos; }

// "key Line0007" -> key and 7; 0 (basis untouched) if the key is no continuation line.
int FortsetzungZerlegen(std::string_view schluessel, std::string_view& basis) {
    const std::size_t n = kFortsetzung.size() + 4;
    if (schluessel.size() <= n) return 0;
    const std::string_view ende = schluessel.substr(schluessel.size() - n);
    if (VergleichOhneFall(ende.substr(0, kFortsetzung.size()), kFortsetzung) != 0) return 0;
    int zaehler = 0;
    for (char c : ende.substr(kFortsetzung.size())) {
        if (c < '0' || c > '9') return 0;
        zaehler = zaehler * 10 + (c - '0');
    }
    if (zaehler > 0) basis = schluessel.substr(0, schluessel.size() - n);
    return zaehler;
}

// Names must survive the line syntax unchanged: a name with outer blanks
// would lose them, one ending in " LineNNNN" would read back as a piece of
// another key's value.
bool SektionsnameGueltig(std::string_view s) {
    return Trimmen(s) == s && !EnthaeltZeilenbruch(s) && s.find(']') == s.npos;
}

bool SchluesselGueltig(std::string_view s) {
    std::string_view basis;
    return !s.empty() && Trimmen(s) == s && !EnthaeltZeilenbruch(s) && s.find('=') == s.npos && s.front() != ';' &&
           s.front() != '[' && FortsetzungZerlegen(s, basis) == 0;
}

std::string_view OhneVorzeichenPlus(std::string_view s) {
    if (s.size() > 1 && s.front() == '+' && s[1] != '-') s.remove_prefix(1);
    return s;
}

std::atomic<unsigned> sgTempZaehler{0};

} // namespace

bool IniDatei::OhneFall::operator()(std::string_view a, std::string_view b) const {
    return VergleichOhneFall(a, b) < 0;
}

const IniDatei::Eintrag* IniDatei::Finden(std::string_view sektion, std::string_view schluessel) const {
    const auto s8 = NachCp1252(sektion);
    const auto k8 = NachCp1252(schluessel);
    if (!s8 || !k8) return nullptr;
    const auto s = sektionen_.find(std::string_view(*s8));
    if (s == sektionen_.end()) return nullptr;
    const auto e = s->second.find(std::string_view(*k8));
    return e == s->second.end() ? nullptr : &e->second;
}

bool IniDatei::Ablegen(std::string_view sektion, std::string_view schluessel, std::string wert, bool text) {
    const auto s8 = NachCp1252(sektion);
    const auto k8 = NachCp1252(schluessel);
    if (!s8 || !k8 || !SektionsnameGueltig(*s8) || !SchluesselGueltig(*k8)) return false;
    // A name already there keeps the spelling it was first given.
    Eintrag& e = sektionen_.try_emplace(*s8).first->second.try_emplace(*k8).first->second;
    e.wert = std::move(wert);
    e.text = text;
    e.fortsetzung = 0;
    return true;
}

bool IniDatei::IntSetzen(std::string_view sektion, std::string_view schluessel, long wert) {
    return Ablegen(sektion, schluessel, std::to_string(wert), false);
}

bool IniDatei::DoubleSetzen(std::string_view sektion, std::string_view schluessel, double wert) {
    if (!std::isfinite(wert)) return false;
    // "%.16g" as the Windows version writes it, unless that does not read
    // back as the same double (0.1 + 0.2, the largest doubles): then 17
    // digits, which always do.
    char puffer[64];
    for (int stellen : {16, 17}) {
        const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, stellen);
        if (r.ec != std::errc()) return false;
        double zurueck = 0.0;
        const auto z = std::from_chars(puffer, r.ptr, zurueck);
        if (stellen == 17 || (z.ec == std::errc() && zurueck == wert))
            return Ablegen(sektion, schluessel, std::string(puffer, r.ptr), false);
    }
    return false;
}

bool IniDatei::TextSetzen(std::string_view sektion, std::string_view schluessel, std::string_view utf8) {
    auto roh = NachCp1252(utf8);
    if (!roh || EnthaeltZeilenbruch(*roh)) return false;
    return Ablegen(sektion, schluessel, std::move(*roh), true);
}

IniDatei::Ergebnis IniDatei::IntLesen(std::string_view sektion, std::string_view schluessel, long& wert) const {
    const Eintrag* e = Finden(sektion, schluessel);
    if (!e) return Ergebnis::NichtVorhanden;
    const std::string_view s = OhneVorzeichenPlus(Trimmen(e->wert));
    long v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return Ergebnis::Fehler;
    wert = v;
    return Ergebnis::Vorhanden;
}

IniDatei::Ergebnis IniDatei::DoubleLesen(std::string_view sektion, std::string_view schluessel, double& wert) const {
    const Eintrag* e = Finden(sektion, schluessel);
    if (!e) return Ergebnis::NichtVorhanden;
    if (!DezimalLesen(Trimmen(e->wert), wert)) return Ergebnis::Fehler;
    return Ergebnis::Vorhanden;
}

IniDatei::Ergebnis IniDatei::TextLesen(std::string_view sektion, std::string_view schluessel, std::string& wert,
                                       std::size_t maxZeichen) const {
    const Eintrag* e = Finden(sektion, schluessel);
    if (!e) return Ergebnis::NichtVorhanden;
    // One Windows-1252 byte is one character.
    wert = VonCp1252(std::string_view(e->wert).substr(0, maxZeichen));
    return Ergebnis::Vorhanden;
}

bool IniDatei::SektionVorhanden(std::string_view sektion) const {
    const auto s8 = NachCp1252(sektion);
    if (!s8) return false;
    return sektionen_.find(std::string_view(*s8)) != sektionen_.end();
}

std::string IniDatei::Text() const {
    std::string aus;
    const auto zeile = [&aus](std::string_view schluessel, std::string_view wert, bool text) {
        aus.append(schluessel).append(" = ");
        if (text) aus += '"';
        aus.append(wert);
        if (text) aus += '"';
        aus.append("\r\n");
    };
    for (const auto& [name, eintraege] : sektionen_) {
        aus.append("[").append(name).append("]\r\n");
        for (const auto& [schluessel, e] : eintraege) {
            if (!e.text || e.wert.size() <= kZeilenlaenge) {
                zeile(schluessel, e.wert, e.text);
                continue;
            }
            int zaehler = 0;
            for (std::size_t pos = 0; pos < e.wert.size(); pos += kZeilenlaenge) {
                char nummer[16];
                std::snprintf(nummer, sizeof nummer, "%04d", ++zaehler);
                zeile(schluessel + std::string(kFortsetzung) + nummer,
                      std::string_view(e.wert).substr(pos, kZeilenlaenge), true);
            }
        }
        aus.append("\r\n");
    }
    return aus;
}

void IniDatei::TextUebernehmen(std::string_view dateitext) {
    sektionen_.clear();
    Eintraege* aktuell = nullptr;
    // A file saved by an editor may start with a UTF-8 byte order mark.
    if (dateitext.starts_with("\xEF\xBB\xBF")) dateitext.remove_prefix(3);
    while (!dateitext.empty()) {
        const std::size_t ende = dateitext.find('\n');
        std::string_view zeile = dateitext.substr(0, ende);
        dateitext.remove_prefix(ende == dateitext.npos ? dateitext.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        zeile = Trimmen(zeile);
        if (zeile.empty() || zeile.front() == ';') continue;
        if (zeile.front() == '[') {
            // A broken header must not let its keys land in the previous section.
            aktuell = nullptr;
            if (zeile.back() != ']' || zeile.size() < 2) continue;
            const std::string_view name = Trimmen(zeile.substr(1, zeile.size() - 2));
            if (SektionsnameGueltig(name)) aktuell = &sektionen_.try_emplace(std::string(name)).first->second;
            continue;
        }
        const std::size_t gleich = zeile.find('=');
        if (!aktuell || gleich == zeile.npos) continue;
        const std::string_view schluessel = Trimmen(zeile.substr(0, gleich));
        std::string_view wert = Trimmen(zeile.substr(gleich + 1));
        bool text = false;
        if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"') {
            wert = wert.substr(1, wert.size() - 2);
            text = true;
        }
        std::string_view basis = schluessel;
        const int zaehler = FortsetzungZerlegen(schluessel, basis);
        // Only a name that writes back as it stands is kept, so a hand-edited
        // "a  Line0001" or "a Line0001 Line0001" cannot change name with every
        // save and load.
        if (!SchluesselGueltig(basis)) continue;

        auto it = aktuell->lower_bound(basis);
        const bool da = it != aktuell->end() && VergleichOhneFall(it->first, basis) == 0;
        if (zaehler > 1) {
            // Only the next piece of a value being continued; anything else is stray.
            if (da && it->second.fortsetzung == zaehler - 1) {
                it->second.wert.append(wert);
                it->second.fortsetzung = zaehler;
            }
            continue;
        }
        if (!da) it = aktuell->emplace_hint(it, std::string(basis), Eintrag{});
        Eintrag& e = it->second;
        e.wert.assign(wert);
        e.text = text || zaehler == 1;
        e.fortsetzung = zaehler;
    }
}

IniDatei::LeseErgebnis IniDatei::Lesen(const std::string& pfad) {
    std::string inhalt;
    if (!RegulaereDateiLesen(pfad, kMaxDateigroesse, inhalt)) return LeseErgebnis::Fehler;
    IniDatei neu;
    neu.TextUebernehmen(inhalt);
    sektionen_ = std::move(neu.sektionen_);
    return LeseErgebnis::Ok;
}

bool IniDatei::Schreiben(const std::string& pfad) const { return DateiErsetzen(pfad, Text()) == ErsetzenErgebnis::Ok; }

namespace {

bool AllesSchreiben(int fd, std::string_view inhalt) {
    for (std::size_t geschrieben = 0; geschrieben < inhalt.size();) {
        const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// A writable file in a folder we may not create files in: the rename route is
// impossible there, so the file is rewritten in place, as the old program did.
ErsetzenErgebnis AmOrtSchreiben(const std::string& pfad, std::string_view inhalt) {
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ErsetzenErgebnis::OeffnenFehlgeschlagen;
    struct stat st {};
    bool gut = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!gut) {
        ::close(fd);
        return ErsetzenErgebnis::OeffnenFehlgeschlagen;
    }
    gut = AllesSchreiben(fd, inhalt) && ::ftruncate(fd, static_cast<off_t>(inhalt.size())) == 0;
    if (::close(fd) != 0) gut = false;
    return gut ? ErsetzenErgebnis::Ok : ErsetzenErgebnis::SchreibenFehlgeschlagen;
}

} // namespace

ErsetzenErgebnis DateiErsetzen(const std::string& pfad, std::string_view inhalt) {
    const std::string temp =
        pfad + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(sgTempZaehler.fetch_add(1));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int grund = errno;
        struct stat ziel {};
        if ((grund == EACCES || grund == EPERM || grund == EROFS) && ::stat(pfad.c_str(), &ziel) == 0 &&
            S_ISREG(ziel.st_mode) && ::faccessat(AT_FDCWD, pfad.c_str(), W_OK, AT_EACCESS) == 0)
            return AmOrtSchreiben(pfad, inhalt);
        return ErsetzenErgebnis::OeffnenFehlgeschlagen;
    }

    bool gut = true;
    struct stat alt {};
    if (::stat(pfad.c_str(), &alt) == 0 && S_ISREG(alt.st_mode)) ::fchmod(fd, alt.st_mode & 07777);
    gut = AllesSchreiben(fd, inhalt);
    if (::close(fd) != 0) gut = false;
    if (gut && std::rename(temp.c_str(), pfad.c_str()) != 0) gut = false;
    if (!gut) {
        ::unlink(temp.c_str());
        return ErsetzenErgebnis::SchreibenFehlgeschlagen;
    }
    return ErsetzenErgebnis::Ok;
}
