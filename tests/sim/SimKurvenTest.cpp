#include "Abbilder.h"

#include "device/Blocktransfer.h"
#include "sim/SimGenerator.h"
#include "sim/SimKennlinie.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

SimSpeicher::Abbild Abbild(const std::vector<std::uint8_t>& bytes, std::size_t start = 0) {
    SimSpeicher::Abbild m{};
    std::copy(bytes.begin(), bytes.end(), m.begin() + static_cast<long>(start));
    return m;
}

int Schreiben(int port, long start, const std::vector<std::uint8_t>& bytes) {
    return SpeicherBlockweiseSchreiben(port, '1', start, bytes.data(), static_cast<long>(bytes.size()));
}

// The box runs on its own clock: waits, with a time limit, for what it must reach.
void Bis(const std::function<bool()>& erreicht) {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!erreicht() && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

} // namespace

TEST(SimGenerator, SpieltKurvenMitIhrenZeitbasen) {
    // Curve 1: 100 for one 10 ms tick, 200 for two 1 ms ticks. Curve 2: 1 s ticks.
    auto bild =
        GeneratorAbbild({{{0x6064, 0x10C8, 0x10C8}, {0xA001, 0xA002}, {0x0FFF}, {}}}, {0, 2, 1, 0}, {0, 77, 5, 9});
    SimGenerator g;
    ASSERT_EQ(g.Laden(Abbild(bild)), 0);
    EXPECT_EQ(g.Ausgang(0, 0.0), 100);
    EXPECT_EQ(g.Ausgang(0, 0.0099), 100);
    EXPECT_EQ(g.Ausgang(0, 0.0105), 200);
    EXPECT_EQ(g.Ausgang(0, 0.0125), 100); // endless: second period
    EXPECT_EQ(g.Ausgang(1, 0.5), 1);
    EXPECT_EQ(g.Ausgang(1, 1.5), 2);
    EXPECT_EQ(g.Ausgang(1, 3.5), 2);
    EXPECT_EQ(g.Ausgang(1, 4.0), 77); // two cycles of 2 s, then the rest value
    EXPECT_EQ(g.Ausgang(2, 0.0001), 4095);
    EXPECT_EQ(g.Ausgang(2, 0.001), 5);
    EXPECT_EQ(g.Ausgang(3, 0.0), 9); // an empty curve holds its rest value
    EXPECT_FALSE(g.Fertig(3.9));
    EXPECT_TRUE(g.Fertig(4.0));
}

TEST(SimGenerator, UnbrauchbareAbbilderSetzenFehlerbits) {
    auto bild = GeneratorAbbild({{{0x6001}, {0x6002}, {0x6003}, {0x6004}}}, {}, {});
    SimGenerator g;
    auto falsch = bild;
    falsch[1] ^= 1;
    EXPECT_EQ(g.Laden(Abbild(falsch)), 0x02);
    auto zeitbasis = GeneratorAbbild({{{0x6001}, {0xC002}, {0x6003}, {0x6004}}}, {}, {});
    EXPECT_EQ(g.Laden(Abbild(zeitbasis)), 0x08);
    auto ungerade = bild;
    ungerade[3] = 34; // curve 1 ends inside a word
    auto s = Protokoll::Pruefsumme(ungerade.data() + 2, ungerade.size() - 2);
    ungerade[0] = static_cast<std::uint8_t>(s >> 8);
    ungerade[1] = static_cast<std::uint8_t>(s);
    EXPECT_EQ(g.Laden(Abbild(ungerade)), 0x08);
    EXPECT_EQ(g.Laden(Abbild(bild)), 0);
}

TEST(SimKennlinie, FolgtDerTabelleMitAnstiegsbegrenzung) {
    SimSpeicher s;
    auto slot = KennlinienSlot([](int x) { return 4095 - x; }, 1234, 0xFFF00);
    s.Schreiben(8224, slot.data(), slot.size()); // slot 2
    SimKennlinie k;
    std::array<int, 4> aus{};
    k.Starten(0.0, 0);
    EXPECT_EQ(k.Fortschreiben(0.001, s, 5.0, 2.0, aus), 0);
    EXPECT_EQ(aus[0], 4095 - 2048);
    EXPECT_EQ(aus[1], 1234);
    EXPECT_EQ(k.Fortschreiben(0.002, s, 0.0, 0.4, aus), 0x10); // no slot selected
    EXPECT_EQ(k.Fortschreiben(0.003, s, 0.0, 1.0, aus), 0x10); // slot 1 is erased memory

    // Slow rise: 409.5 ms * (256 - 254) = 819 ms from 0 to full scale.
    auto langsam = KennlinienSlot([](int) { return 4095; }, 0, 254);
    s.Schreiben(0, langsam.data(), langsam.size());
    EXPECT_DOUBLE_EQ(SimKennlinie::Anstiegszeit(254), 819.0);
    EXPECT_DOUBLE_EQ(SimKennlinie::Anstiegszeit(0xFFF00), 0.1);
    k.Starten(1.0, 0);
    EXPECT_EQ(k.Fortschreiben(1.1, s, 0.0, 1.0, aus), 0);
    EXPECT_NEAR(aus[0], 4095 * 100.0 / 819.0, 1.0);
    k.Fortschreiben(2.0, s, 0.0, 1.0, aus);
    EXPECT_EQ(aus[0], 4095);

    langsam[100] ^= 0xFF;
    s.Schreiben(0, langsam.data(), langsam.size());
    EXPECT_EQ(k.Fortschreiben(2.1, s, 0.0, 1.0, aus), 0x02);
}

TEST(SimAblauf, KennlinienreglerUeberDieLeitung) {
    SimUmgebung u(6);
    ASSERT_TRUE(u.bereit());
    ASSERT_EQ(u.Oeffnen(), 0);
    auto slot = KennlinienSlot([](int x) { return x / 2; }, 300, 0xFFF00);
    ASSERT_EQ(Schreiben(u.port, 0x2020, slot), 0);
    ASSERT_EQ(QAVKSV5_ModusSchreiben(u.port, '1', false, 0x04), 0);
    ASSERT_EQ(QAVKSV5_ModusSchreiben(u.port, '1', true, 0x02), 0);
    u.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 8.0, 0, 1});
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(u.port, '1', "a4", 2.0), 0); // the selection input: slot 2
    ASSERT_EQ(QAVKSV5_DeviceFunction(u.port, '1', "start"), 0);
    Bis([&] { return u.sim.Ausgang(1) == 3276 / 2 && u.sim.Ausgang(2) == 300; });
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Kennlinie);
    EXPECT_EQ(u.sim.Ausgang(1), 3276 / 2);
    EXPECT_EQ(u.sim.Ausgang(2), 300);
    unsigned char status = 0;
    ASSERT_EQ(QAVKSV5_StatusLesen(u.port, '1', 1, status), 0);
    EXPECT_EQ(status, SimGeraet::kStatusLaeuft | SimGeraet::kStatusKennlinie);
    // Selecting slot 5, which holds nothing, lights the curve selection error.
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(u.port, '1', "a4", 5.0), 0);
    ASSERT_EQ(QAVKSV5_StatusLesen(u.port, '1', 2, status), 0);
    EXPECT_EQ(status, 0x10);
    ASSERT_EQ(QAVKSV5_DeviceFunction(u.port, '1', "stopp"), 0);
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Gestoppt);
}

TEST(SimAblauf, GeneratorUeberDieLeitungUndEingang4) {
    SimUmgebung u(6);
    ASSERT_TRUE(u.bereit());
    ASSERT_EQ(u.Oeffnen(), 0);
    // Each curve plays 500 us ticks for a few cycles, then holds its rest value.
    auto bild = GeneratorAbbild({{{0x0100, 0x0200}, {0x0300}, {0x0400, 0x0500, 0x0600}, {0x0700}}}, {3, 3, 3, 3},
                                {11, 22, 33, 44});
    ASSERT_EQ(Schreiben(u.port, 0, bild), 0);
    unsigned char status = 0;
    // Without generator curves in the mode register the start is refused.
    ASSERT_EQ(QAVKSV5_DeviceFunction(u.port, '1', "start"), 0);
    ASSERT_EQ(QAVKSV5_StatusLesen(u.port, '1', 2, status), 0);
    EXPECT_EQ(status, 0x08);
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Gestoppt);

    ASSERT_EQ(QAVKSV5_ModusSchreiben(u.port, '1', true, 0x04), 0);
    ASSERT_EQ(QAVKSV5_DeviceFunction(u.port, '1', "start"), 0);
    Bis([&] {
        unsigned char s = 0;
        return QAVKSV5_StatusLesen(u.port, '1', 1, s) == 0 && (s & SimGeraet::kStatusFertig) != 0;
    });
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Generator);
    EXPECT_EQ(u.sim.Ausgang(1), 11);
    EXPECT_EQ(u.sim.Ausgang(4), 44);
    ASSERT_EQ(QAVKSV5_StatusLesen(u.port, '1', 1, status), 0);
    EXPECT_EQ(status, SimGeraet::kStatusLaeuft | SimGeraet::kStatusGenerator | SimGeraet::kStatusFertig);
    ASSERT_EQ(QAVKSV5_StatusLesen(u.port, '1', 2, status), 0);
    EXPECT_EQ(status, 0);
    // A signal on input 1 yields to the loop-back while the generator plays, if so wired.
    u.sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 7.0, 0, 1});
    EXPECT_EQ(u.sim.Eingang(1), 7.0);
    u.sim.GeneratorRueckfuehrungSetzen(true);
    EXPECT_NEAR(u.sim.Eingang(1), 11 * 10.0 / 4095, 1e-12);
    ASSERT_EQ(QAVKSV5_DeviceFunction(u.port, '1', "stopp"), 0);
    EXPECT_EQ(u.sim.Eingang(1), 7.0);
    u.sim.EingangSignal(1, std::nullopt);
    u.sim.GeneratorRueckfuehrungSetzen(false);

    // Input 4 as start/stop signal.
    u.sim.EingangSignal(4, SimSignal{SimSignal::Form::Konstant, 0.0, 0, 1});
    ASSERT_EQ(QAVKSV5_ModusSchreiben(u.port, '1', true, 0x01), 0);
    // The box has looked at input 4 once it answers the next request.
    ASSERT_EQ(QAVKSV5_StatusLesen(u.port, '1', 1, status), 0);
    EXPECT_EQ(status & SimGeraet::kStatusLaeuft, 0);
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Gestoppt);
    u.sim.EingangSignal(4, SimSignal{SimSignal::Form::Konstant, 10.0, 0, 1});
    Bis([&] { return u.sim.Laufzustand() == SimGeraet::Lauf::Generator; });
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Generator);
    u.sim.EingangSignal(4, SimSignal{SimSignal::Form::Konstant, 0.0, 0, 1});
    Bis([&] { return u.sim.Laufzustand() == SimGeraet::Lauf::Gestoppt; });
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Gestoppt);
}

TEST(SimSignal, FormenUndEingabe) {
    auto sinus = SimSignal::Lesen("sinus:5:4:2");
    ASSERT_TRUE(sinus);
    EXPECT_NEAR(sinus->Wert(0.0), 5.0, 1e-9);
    EXPECT_NEAR(sinus->Wert(0.125), 9.0, 1e-9);
    auto dreieck = SimSignal::Lesen("dreieck:5:5:1");
    ASSERT_TRUE(dreieck);
    EXPECT_NEAR(dreieck->Wert(0.0), 0.0, 1e-9);
    EXPECT_NEAR(dreieck->Wert(0.5), 10.0, 1e-9);
    EXPECT_NEAR(dreieck->Wert(0.25), 5.0, 1e-9);
    auto konstant = SimSignal::Lesen("konstant:12");
    ASSERT_TRUE(konstant);
    EXPECT_EQ(konstant->Wert(3.0), 10.0); // limited to the input range
    for (const char* falsch : {"", "sinus", "sinus:5:4", "sinus:5:4:0", "rechteck:1:1:1", "konstant:x", "konstant:"})
        EXPECT_FALSE(SimSignal::Lesen(falsch)) << falsch;
}

TEST(SimSignal, AbsurdeParameterWerdenAbgelehnt) {
    std::string grund;
    EXPECT_FALSE(SimSignal::Lesen("sinus:5:5:1e308", &grund));
    EXPECT_NE(grund.find("Frequenz"), std::string::npos);
    for (const char* falsch : {"dreieck:5:5:1000.5", "sinus:5:1e300:1", "sinus:-2000:1:1", "konstant:1e300"})
        EXPECT_FALSE(SimSignal::Lesen(falsch)) << falsch;
    for (const char* gut : {"sinus:5:5:1000", "dreieck:-1000:1000:0.001", "konstant:-3"})
        EXPECT_TRUE(SimSignal::Lesen(gut)) << gut;
}

TEST(SimSignal, NaNWaehltNieEinenSlot) {
    // Built directly, past the command line: the phase of such a frequency is
    // NaN on inputs 2 and 3, while output 4 at 0 V selects no slot.
    SimGeraet g;
    g.signale[2] = SimSignal{SimSignal::Form::Sinus, 5.0, 5.0, 1e308};
    g.signale[1] = SimSignal{SimSignal::Form::Dreieck, 5.0, 5.0, 1e308};
    for (double t : {0.5, 2.0, 1e6}) {
        EXPECT_GE(g.Eingang(2, t), 0.0);
        EXPECT_LE(g.Eingang(2, t), 10.0);
    }
    g.speicher.ModusSetzen(SimGeraet::kModusKennlinie);
    g.Starten(2.0);
    g.Fortschreiben(3.0);
    EXPECT_EQ(g.Laufzustand(), SimGeraet::Lauf::Kennlinie);
    EXPECT_EQ(g.fehlerbits & 0x10, 0x10);
}

TEST(SimSignal, KommandozeileLehntAbsurdeFrequenzMitStatus2Ab) {
    // A simulator that accepted it would run until the time-out ends it (124).
    const std::string befehl = std::string("timeout 5 ") + DLM7SIM + " --eingang 3=sinus:5:5:1e308 2>&1 </dev/null";
    FILE* rohr = ::popen(befehl.c_str(), "r");
    ASSERT_NE(rohr, nullptr);
    std::string ausgabe;
    char puffer[256];
    while (std::fgets(puffer, sizeof puffer, rohr)) ausgabe += puffer;
    const int status = ::pclose(rohr);
    ASSERT_TRUE(WIFEXITED(status)) << ausgabe;
    EXPECT_EQ(WEXITSTATUS(status), 2) << ausgabe;
    EXPECT_NE(ausgabe.find("--eingang"), std::string::npos) << ausgabe;
    EXPECT_NE(ausgabe.find("Frequenz"), std::string::npos) << ausgabe;
}
