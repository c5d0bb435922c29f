#include "GeraetTestBasis.h"
#include "StoerPort.h"

#include "device/PortTabelle.h"

using namespace QavFehler;

TEST(PortTabelle, StandardUndUmlenkung) {
    PortTabelleZuruecksetzen();
    EXPECT_EQ(PortPfad(1), "/dev/ttyS0");
    EXPECT_EQ(PortPfad(4), "/dev/ttyS3");
    EXPECT_EQ(PortPfad(5), "/dev/ttyUSB0");
    EXPECT_EQ(PortPfad(8), "/dev/ttyUSB3");
    EXPECT_EQ(PortPfad(0), "");
    EXPECT_EQ(PortPfad(9), "");
    PortPfadSetzen(3, "/dev/pts/77");
    PortPfadSetzen(9, "/dev/null");
    EXPECT_EQ(PortPfad(3), "/dev/pts/77");
    PortTabelleZuruecksetzen();
    EXPECT_EQ(PortPfad(3), "/dev/ttyS2");
}

TEST(Oeffnen, BaudWirdVorDerPortnummerGeprueft) {
    EXPECT_EQ(QAVKSV5_Open(9, 9600), Open_Port);
    EXPECT_EQ(QAVKSV5_Open(0, 9600), Open_Port);
    EXPECT_EQ(QAVKSV5_Open(1, 1200), Open_Baud);
    EXPECT_EQ(QAVKSV5_Open(9, 1200), Open_Baud);
}

TEST(Oeffnen, FehlendesOderFalschesGeraet) {
    PortPfadSetzen(6, "/nicht/vorhanden");
    EXPECT_EQ(QAVKSV5_Open(6, 9600), Open_Fehlgeschlagen);
    // A file that is no terminal cannot carry the line settings.
    PortPfadSetzen(6, "/dev/null");
    EXPECT_EQ(QAVKSV5_Open(6, 9600), Open_Fehlgeschlagen);
    PortTabelleZuruecksetzen();
    // A failed open leaves nothing open.
    EXPECT_EQ(QAVKSV5_Close(6), Close);
    EXPECT_EQ(FlushInOut(6), Flush_Empfang);
}

TEST(Oeffnen, GeschlossenerPortMeldetSeineCodes) {
    EXPECT_EQ(QAVKSV5_Close(5), Close);
    EXPECT_EQ(QAVKSV5_Timeout(5, 0.5), Timeout);
    EXPECT_EQ(FlushInOut(5), Flush_Empfang);
    std::string text;
    EXPECT_EQ(QAVKSV5_IDLesen(5, '1', text), Flush_Empfang);
    double wert;
    EXPECT_EQ(QAVKSV5_EingangLesen(5, '1', "e1", wert), Ein_Leeren);
}

TEST_F(GeraetTest, ZweiterOeffnerDesselbenGeraetsScheitert) {
    // Another COM number pointing at the same device must not interleave frames.
    PortPfadSetzen(7, u.sim.SlavePfad());
    EXPECT_EQ(QAVKSV5_Open(7, 9600), Open_Fehlgeschlagen);
    // Only the second opener failed: the first still works.
    std::string text;
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), 0);
    EXPECT_EQ(QAVKSV5_Close(p), 0);
    EXPECT_EQ(QAVKSV5_Open(7, 9600), 0);
    EXPECT_EQ(QAVKSV5_Close(7), 0);
}

TEST_F(GeraetTest, SchliessenUndWiederOeffnen) {
    EXPECT_EQ(QAVKSV5_Close(p), 0);
    EXPECT_EQ(QAVKSV5_Close(p), Close);
    EXPECT_EQ(QAVKSV5_Open(p, 19200), 0);
    // Opening an open number again reopens it.
    EXPECT_EQ(QAVKSV5_Open(p, 9600), 0);
    EXPECT_EQ(QAVKSV5_Timeout(p, 0.15), 0);
    std::string text;
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), 0);
    EXPECT_EQ(QAVKSV5_Timeout(p, -1.0), Timeout);
}

TEST_F(GeraetTest, FlushVerwirftAlteBytes) {
    // A broken answer leaves bytes behind; the next request must not see them.
    u.sim.ZeilenfehlerSetzen(Dlm7Simulator::Zeilenfehler::FalschesEcho);
    std::string text;
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string& z) { return z.substr(0, 3); });
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileZeitlimit);
    EXPECT_EQ(FlushInOut(p), 0);
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), 0);
    EXPECT_EQ(text, "QAV-DLM7D-SIM-V1.0");
}

TEST(Hexziffern, AlleFaelle) {
    EXPECT_EQ(Hexchar2Int('0'), 0);
    EXPECT_EQ(Hexchar2Int('9'), 9);
    EXPECT_EQ(Hexchar2Int('a'), 10);
    EXPECT_EQ(Hexchar2Int('F'), 15);
    EXPECT_EQ(Hexchar2Int('f'), 15);
    EXPECT_EQ(Hexchar2Int('g'), -1);
    EXPECT_EQ(Hexchar2Int('G'), -1);
    EXPECT_EQ(Hexchar2Int(' '), -1);
    EXPECT_EQ(Hexchar2Int('\0'), -1);
}

TEST(ParameterFunktionen, LiefernNullOhneVerkehr) {
    EXPECT_EQ(QAVDLM7_ParameterSchreiben(), 0);
    EXPECT_EQ(QAVDLM7_ParameterLesen(), 0);
}

// Failures of the platform service itself, on a real pseudo-terminal.
class PlattformTest : public GeraetTest {
  protected:
    StoerPortAktiv aktiv;
    StoerPort::Fehler& f = StoerPort::fehler();
};

TEST_F(PlattformTest, SchliessenUndZeitlimit) {
    f.zeitlimit = true;
    EXPECT_EQ(QAVKSV5_Timeout(p, 0.5), Timeout);
    f.schliessen = true;
    EXPECT_EQ(QAVKSV5_Close(p), Close);
}

TEST_F(PlattformTest, FlushFehlerJeOperation) {
    std::string text;
    double wert;
    unsigned char byte;
    unsigned char daten[2] = {1, 2};
    f.empfangLeeren = true;
    EXPECT_EQ(FlushInOut(p), Flush_Empfang);
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), Flush_Empfang);
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e1", wert), Ein_Leeren);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a1", 1.0), Aus_Leeren);
    EXPECT_EQ(QAVKSV5_ModusSchreiben(p, '1', true, 1), ModS_Leeren);
    f.empfangLeeren = false;
    f.sendenLeeren = true;
    EXPECT_EQ(FlushInOut(p), Flush_Senden);
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0, 2, daten), Flush_Senden);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0, 2, daten), Flush_Senden);
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 1, byte), Flush_Senden);
    EXPECT_EQ(QAVKSV5_ModusLesen(p, '1', byte), Flush_Senden);
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '1', "start"), Flush_Senden);
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e1", wert), Ein_Leeren);
    EXPECT_EQ(QAVPLN6_BaudrateSchreiben(p, 1, 9600), Flush_Senden);
    EXPECT_EQ(QAVPLN6_AdresseSchreiben(p, 1, 2), Flush_Senden);
    EXPECT_EQ(AnzahlAnfragen(), 0u);
}

TEST_F(PlattformTest, SchreibfehlerKurzesSchreibenUndWartefehler) {
    std::string text;
    double wert;
    unsigned char byte;
    unsigned char daten[2] = {1, 2};
    struct Fall {
        std::function<int()> op;
        int schreiben;
        int kurz;
    };
    std::vector<Fall> faelle = {
        {[&] { return QAVKSV5_IDLesen(p, '1', text); }, ID_Schreiben, ID_Kurz},
        {[&] { return QAVPLN6_BaudrateSchreiben(p, 1, 9600); }, Baud_Schreiben, Baud_Kurz},
        {[&] { return QAVPLN6_AdresseSchreiben(p, 1, 2); }, Adr_Schreiben, Adr_Kurz},
        {[&] { return QAVKSV5_DeviceFunction(p, '1', "stopp"); }, DF_Schreiben, DF_Kurz},
        {[&] { return QAVKSV5_EingangLesen(p, '1', "e2", wert); }, Ein_Schreiben, Ein_Kurz},
        {[&] { return QAVKSV5_AusgangSchreiben(p, '1', "a2", 2.0); }, Aus_Schreiben, Aus_Kurz},
        {[&] { return QAVKSV5_SpeicherLesen(p, '1', 4, 0, 2, daten); }, SpL_Schreiben, SpL_Kurz},
        {[&] { return QAVKSV5_SpeicherSchreiben(p, '1', 4, 0, 2, daten); }, SpS_Schreiben, SpS_Kurz},
        {[&] { return QAVKSV5_StatusLesen(p, '1', 2, byte); }, St_Schreiben, St_Kurz},
        {[&] { return QAVKSV5_ModusLesen(p, '1', byte); }, ModL_Schreiben, ModL_Kurz},
        {[&] { return QAVKSV5_ModusSchreiben(p, '1', false, 2); }, ModS_Schreiben, ModS_Kurz},
    };
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        SCOPED_TRACE(i);
        f = {};
        f.schreiben = true;
        EXPECT_EQ(faelle[i].op(), faelle[i].schreiben);
        f = {};
        f.kurz = true;
        EXPECT_EQ(faelle[i].op(), faelle[i].kurz);
        f = {};
        f.abwarten = true;
        EXPECT_EQ(faelle[i].op(), faelle[i].schreiben);
    }
}
