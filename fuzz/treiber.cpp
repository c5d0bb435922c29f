// The driver (Qavksv5, block transfer) on a port whose box answers with the
// input's bytes: every call ends with 0 or a negative code, reads no more than
// one answer line, writes its results only on success, and what it reports
// on success is what a sound box could have sent.
#include "Pruefen.h"

#include "device/Blocktransfer.h"
#include "device/Qavksv5.h"
#include "device/SeriellerPort.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// Takes every frame, answers from the bytes it was given, then times out.
class AntwortPort : public SeriellerPort {
  public:
    static std::string_view& Antwort() {
        static std::string_view antwort;
        return antwort;
    }
    static std::size_t& Gelesen() {
        static std::size_t gelesen = 0;
        return gelesen;
    }
    int Oeffnen(const std::string&, int) override { return 0; }
    int Schliessen() override { return 0; }
    int ZeitlimitSetzen(double) override { return 0; }
    long Schreiben(const char*, std::size_t anzahl) override { return static_cast<long>(anzahl); }
    int SendeWarteschlange() override { return 0; }
    int SendenAbwarten() override { return 0; }
    int ByteLesen() override {
        auto& a = Antwort();
        if (a.empty()) return -1;
        const auto b = static_cast<unsigned char>(a.front());
        a.remove_prefix(1);
        ++Gelesen();
        return b;
    }
    int EmpfangLeeren() override { return 0; }
    int SendenLeeren() override { return 0; }
};

constexpr int kPort = 3;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PortFabrikSetzen([] { return std::make_unique<AntwortPort>(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzEingabe ein(daten, groesse);
    const int art = ein.Byte() % 9;
    const char adresse = "123456789abcdef&"[ein.Byte() % 16];
    const long start = ein.Wort();
    const long anzahl = ein.Wort();
    const unsigned char maske = ein.Byte();
    AntwortPort::Antwort() = ein.Rest();
    AntwortPort::Gelesen() = 0;
    FUZZ_PRUEFEN(QAVKSV5_Open(kPort, 9600) == 0);

    int rc = 0;
    std::size_t hoechstens = 0; // bytes one answer may take: handshake and line
    switch (art) {
    case 0: {
        std::string kennung = "alt";
        rc = QAVKSV5_IDLesen(kPort, adresse, kennung);
        FUZZ_PRUEFEN(rc == 0 ? kennung.size() <= 26 : kennung == "alt");
        hoechstens = 1 + 29;
        break;
    }
    case 1: {
        double wert = -7.0;
        rc = QAVKSV5_EingangLesen(kPort, adresse, "e" + std::to_string(1 + maske % 4), wert);
        FUZZ_PRUEFEN(rc == 0 ? std::isfinite(wert) : wert == -7.0);
        hoechstens = 1 + 14;
        break;
    }
    case 2: {
        const long n = anzahl % 300; // long enough for many lines, short enough to stay fast
        std::vector<unsigned char> puffer(static_cast<std::size_t>(std::max(n, 1L)), 0xEE);
        const std::vector<unsigned char> vorher = puffer;
        rc = QAVKSV5_SpeicherLesen(kPort, adresse, 4, start, n, puffer.data());
        if (rc != 0) FUZZ_PRUEFEN(puffer == vorher);
        hoechstens = 1 + 2 * static_cast<std::size_t>(std::max(n, 0L)) + 19;
        break;
    }
    case 3: {
        unsigned char wert = 0x5A;
        rc = QAVKSV5_StatusLesen(kPort, adresse, 1 + maske % 2, wert);
        if (rc != 0) FUZZ_PRUEFEN(wert == 0x5A);
        hoechstens = 1 + 14;
        break;
    }
    case 4: {
        unsigned char modus = 0x5A;
        rc = QAVKSV5_ModusLesen(kPort, adresse, modus);
        if (rc != 0) FUZZ_PRUEFEN(modus == 0x5A);
        hoechstens = 1 + 14;
        break;
    }
    case 5: {
        std::vector<unsigned char> bytes(static_cast<std::size_t>(anzahl % 65), maske);
        rc = QAVKSV5_SpeicherSchreiben(kPort, adresse, 4, start, static_cast<long>(bytes.size()), bytes.data());
        hoechstens = 1;
        break;
    }
    case 6:
        rc = QAVKSV5_ModusSchreiben(kPort, adresse, maske & 1, maske);
        hoechstens = 1;
        break;
    case 7: {
        // Several blocks in a row, each with its own answer.
        const long n = 1 + anzahl % 200;
        std::vector<unsigned char> puffer(static_cast<std::size_t>(n), 0xEE);
        const std::vector<unsigned char> vorher = puffer;
        rc = SpeicherBlockweiseLesen(kPort, adresse, start % (65536 - n), n, puffer.data());
        if (rc != 0) FUZZ_PRUEFEN(puffer == vorher);
        hoechstens = static_cast<std::size_t>(n) * 3 + 4 * 20;
        break;
    }
    default:
        rc = QAVKSV5_AusgangSchreiben(kPort, adresse, "a" + std::to_string(1 + maske % 4), (maske % 11) * 1.0);
        hoechstens = 1;
        break;
    }
    FUZZ_PRUEFEN(rc <= 0);
    FUZZ_PRUEFEN(AntwortPort::Gelesen() <= hoechstens);
    FUZZ_PRUEFEN(QAVKSV5_Close(kPort) == 0);
    return 0;
}
