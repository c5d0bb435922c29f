#pragma once
// What the dlm7ctl command groups share: the failure line every command
// ends on, the exit status for wrong usage, a whole-number argument and a
// port opened for one command only.
#include "device/Qavksv5.h"
#include "kern/Fehlermeldungen.h"
#include "tools/KennlinieBefehle.h"

#include <charconv>
#include <functional>
#include <ostream>
#include <string>

namespace ctlhilfe {

inline constexpr int kVerwendung = 2;

// Optional explanation, then `Fehler #<code>: <text>`; the exit status 1.
inline int Fehler(std::ostream& err, int code, const std::string& meldung = {}) {
    if (!meldung.empty()) err << meldung << '\n';
    err << "Fehler #" << -static_cast<long>(code) << ": " << QAV_Fehlermeldung(code) << '\n';
    return 1;
}

inline bool GanzeZahl(const std::string& s, int& n) {
    const auto [ende, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return !s.empty() && ec == std::errc{} && ende == s.data() + s.size();
}

inline int MitPort(const CtlOptionen& o, const std::function<int(int port)>& schritt) {
    if (const int rc = QAVKSV5_Open(o.port, o.baud); rc != 0) return rc;
    int rc = QAVKSV5_Timeout(o.port, o.zeitlimit);
    if (rc == 0) rc = schritt(o.port);
    QAVKSV5_Close(o.port);
    return rc;
}

} // namespace ctlhilfe
