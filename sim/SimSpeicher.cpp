#include "sim/SimSpeicher.h"

#include "kern/RegulaereDatei.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

SimSpeicher::SimSpeicher() { bytes_.fill(0xFF); }

bool SimSpeicher::DateiVerwenden(const std::string& pfad, std::string& fehler) {
    std::FILE* datei = RegulaereDateiOeffnen(pfad);
    if (!datei) {
        // Only a missing file starts erased: anything else there is never replaced.
        if (errno != ENOENT) {
            fehler = "EEPROM-Datei " + pfad + " ist keine lesbare reguläre Datei";
            return false;
        }
        datei_ = pfad;
        geaendert_ = true;
        return true;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> schliessen(datei, &std::fclose);
    std::string inhalt;
    if (DateiGroesse(datei) == kGroesse + 1) {
        // One byte more than needed would show a file that grew meanwhile.
        inhalt.resize(kGroesse + 2);
        inhalt.resize(std::fread(inhalt.data(), 1, inhalt.size(), datei));
        if (std::ferror(datei)) {
            fehler = "EEPROM-Datei " + pfad + " kann nicht gelesen werden";
            return false;
        }
    }
    if (!InhaltUebernehmen(inhalt, fehler)) {
        fehler = "EEPROM-Datei " + pfad + " " + fehler;
        return false;
    }
    datei_ = pfad;
    return true;
}

bool SimSpeicher::InhaltUebernehmen(std::string_view inhalt, std::string& fehler) {
    if (inhalt.size() != kGroesse + 1) {
        fehler = "hat nicht 65537 Bytes";
        return false;
    }
    std::memcpy(bytes_.data(), inhalt.data(), kGroesse);
    modus_ = static_cast<std::uint8_t>(inhalt[kGroesse]);
    ++version_;
    geaendert_ = false;
    return true;
}

bool SimSpeicher::Sichern() {
    if (datei_.empty() || !geaendert_) return true;
    std::string temp = datei_ + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::vector<std::uint8_t> inhalt(bytes_.begin(), bytes_.end());
    inhalt.push_back(modus_);
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n <= 0) break;
        geschrieben += static_cast<std::size_t>(n);
    }
    bool gut = geschrieben == inhalt.size() && ::fsync(fd) == 0;
    gut = (::close(fd) == 0) && gut;
    if (!gut || std::rename(temp.c_str(), datei_.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    geaendert_ = false;
    return true;
}

void SimSpeicher::Schreiben(std::size_t start, const std::uint8_t* daten, std::size_t anzahl) {
    if (start >= kGroesse) return;
    if (anzahl > kGroesse - start) anzahl = kGroesse - start;
    if (anzahl > 0) std::memcpy(bytes_.data() + start, daten, anzahl); // an empty write may come without data
    geaendert_ = true;
    ++version_;
}

void SimSpeicher::ModusSetzen(std::uint8_t modus) {
    if (modus == modus_) return;
    modus_ = modus;
    geaendert_ = true;
    ++version_;
}
