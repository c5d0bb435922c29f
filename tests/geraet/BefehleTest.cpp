#include "GeraetTestBasis.h"

#include <cmath>

using namespace QavFehler;
using Z = Dlm7Simulator::Zeilenfehler;

TEST_F(GeraetTest, IDLesen) {
    std::string text = "alt";
    ASSERT_EQ(QAVKSV5_IDLesen(p, '1', text), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1IDR\r");
    EXPECT_EQ(text, "QAV-DLM7D-SIM-V1.0");

    for (char a : {'0', 'A', '&', 'g', ' '}) {
        text = "alt";
        EXPECT_EQ(QAVKSV5_IDLesen(p, a, text), ID_Adresse) << a;
        EXPECT_EQ(text, "alt");
    }
    EXPECT_EQ(AnzahlAnfragen(), 1u);

    HandshakeFehler([&] { return QAVKSV5_IDLesen(p, '1', text); }, ID_Nak, ID_Can, ID_KeineAntwort, ID_AnderesByte);
    // Another address is ignored by the box.
    EXPECT_EQ(QAVKSV5_IDLesen(p, '2', text), ID_KeineAntwort);

    text = "alt";
    u.sim.ZeilenfehlerSetzen(Z::OhneCR);
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileZeitlimit);
    u.sim.ZeilenfehlerSetzen(Z::FalschesEcho);
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1QAV DLM7D\r"; });
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "$1QAV-DLM7D\r"; });
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileFehlerhaft);
    // 26 characters of text fill the 29-byte line; 27 leave no room for the CR.
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1" + std::string(27, 'X') + "\r"; });
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_ZeileFehlerhaft);
    EXPECT_EQ(text, "alt");
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1" + std::string(26, 'X') + "\r"; });
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), 0);
    EXPECT_EQ(text, std::string(26, 'X'));
}

TEST_F(GeraetTest, StartUndStopp) {
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '1', "start"), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1DF1\r");
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '1', "stopp"), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1DF2\r");
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '&', "stopp"), 0);
    EXPECT_EQ(LetzteAnfrage(3), "#&DF2\r");

    EXPECT_EQ(QAVKSV5_DeviceFunction(p, 'A', "start"), DF_Adresse);
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, 'A', "Start"), DF_Adresse);
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '1', "Start"), DF_Name);
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '1', "stop"), DF_Name);
    EXPECT_EQ(QAVKSV5_DeviceFunction(p, '1', ""), DF_Name);
    EXPECT_EQ(AnzahlAnfragen(), 3u);

    HandshakeFehler([&] { return QAVKSV5_DeviceFunction(p, '1', "stopp"); }, DF_Nak, DF_Can, DF_KeineAntwort,
                    DF_AnderesByte);
}

TEST_F(GeraetTest, EingangLesen) {
    u.sim.AusgangSetzen(3, 4095);
    double wert = -1;
    ASSERT_EQ(QAVKSV5_EingangLesen(p, '1', "e3", wert), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1V3R\r");
    EXPECT_DOUBLE_EQ(wert, 10.0);
    u.sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 2.5, 0, 1});
    ASSERT_EQ(QAVKSV5_EingangLesen(p, '1', "e1", wert), 0);
    EXPECT_DOUBLE_EQ(wert, 2.5);

    wert = -1;
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '&', "e1", wert), Ein_Adresse);
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '0', "e1", wert), Ein_Adresse);
    for (const char* k : {"e0", "e5", "a1", "E1", "e1 ", ""})
        EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', k, wert), Ein_Kanal) << k;
    EXPECT_EQ(AnzahlAnfragen(), 2u);

    HandshakeFehler([&] { return QAVKSV5_EingangLesen(p, '1', "e2", wert); }, Ein_Nak, Ein_Can, Ein_KeineAntwort,
                    Ein_AnderesByte);
    wert = -1;
    u.sim.ZeilenfehlerSetzen(Z::OhneCR);
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e2", wert), Ein_ZeileZeitlimit);
    u.sim.ZeilenfehlerSetzen(Z::FalschesEcho);
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e2", wert), Ein_ZeileFehlerhaft);
    u.sim.ZeilenfehlerSetzen(Z::FalscheHexziffer);
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e2", wert), Ein_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1V1R5.000\r"; });
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e2", wert), Ein_ZeileFehlerhaft);
    // No CR within 14 bytes: malformed, not a time-out.
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1V2R123456789\r"; });
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e2", wert), Ein_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1V2R\r"; });
    EXPECT_EQ(QAVKSV5_EingangLesen(p, '1', "e2", wert), Ein_ZeileFehlerhaft);
    EXPECT_EQ(wert, -1);
}

TEST_F(GeraetTest, AusgangSchreiben) {
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a1", 10.0), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1V1W10.000\r");
    EXPECT_EQ(u.sim.Ausgang(1), 4095);
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a2", 5.0), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1V2W5.000\r");
    EXPECT_EQ(u.sim.Ausgang(2), 2048);
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a3", 0.25), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1V3W0.250\r");
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a4", 0.0), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1V4W0.000\r");
    ASSERT_EQ(QAVKSV5_AusgangSchreiben(p, '&', "a4", 7.0), 0);
    EXPECT_EQ(LetzteAnfrage(5), "#&V4W7.000\r");
    EXPECT_EQ(u.sim.Ausgang(4), 2867);

    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, 'B', "a1", 1.0), Aus_Adresse);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a1", 10.001), Aus_Bereich1);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a2", -0.001), Aus_Bereich2);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a3", 11.0), Aus_Bereich3);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a4", std::nan("")), Aus_Bereich4);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "a5", 11.0), Aus_Kanal);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(p, '1', "e1", 1.0), Aus_Kanal);
    EXPECT_EQ(AnzahlAnfragen(), 5u);

    HandshakeFehler([&] { return QAVKSV5_AusgangSchreiben(p, '1', "a1", 1.0); }, Aus_Nak, Aus_Can, Aus_KeineAntwort,
                    Aus_AnderesByte);
}

TEST_F(GeraetTest, StatusLesen) {
    u.sim.FehlerbitsSetzen(0x12);
    unsigned char wert = 0xEE;
    ASSERT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1S2R\r");
    EXPECT_EQ(wert, 0x12);
    ASSERT_EQ(QAVKSV5_StatusLesen(p, '1', 1, wert), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1S1R\r");
    EXPECT_EQ(wert, 0x00);

    wert = 0xEE;
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '&', 1, wert), St_Adresse);
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 0, wert), St_Register);
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 3, wert), St_Register);
    EXPECT_EQ(AnzahlAnfragen(), 2u);

    HandshakeFehler([&] { return QAVKSV5_StatusLesen(p, '1', 2, wert); }, St_Nak, St_Can, St_KeineAntwort,
                    St_AnderesByte);
    wert = 0xEE;
    u.sim.ZeilenfehlerSetzen(Z::OhneCR);
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), St_ZeileZeitlimit);
    u.sim.ZeilenfehlerSetzen(Z::FalschesEcho);
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), St_ZeileFehlerhaft);
    u.sim.ZeilenfehlerSetzen(Z::FalscheHexziffer);
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), St_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1S2R#12\r"; });
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), St_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1S2R$00\r"; });
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 1, wert), St_Register2StattEins);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1S1R$00\r"; });
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), St_Register1StattZwei);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1S3R$00\r"; });
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), St_ZeileFehlerhaft);
    EXPECT_EQ(wert, 0xEE);
    // Lower-case hex digits are read as well.
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1S2R$ab\r"; });
    EXPECT_EQ(QAVKSV5_StatusLesen(p, '1', 2, wert), 0);
    EXPECT_EQ(wert, 0xAB);
}

TEST_F(GeraetTest, ModusLesenUndSchreiben) {
    unsigned char modus = 0xEE;
    ASSERT_EQ(QAVKSV5_ModusLesen(p, '1', modus), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1M1R\r");
    EXPECT_EQ(modus, 0);
    ASSERT_EQ(QAVKSV5_ModusSchreiben(p, '1', true, 0x06), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1M1S06\r");
    ASSERT_EQ(QAVKSV5_ModusSchreiben(p, '1', false, 0x04), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1M1C04\r");
    ASSERT_EQ(QAVKSV5_ModusSchreiben(p, '&', true, 0xA1), 0);
    EXPECT_EQ(LetzteAnfrage(4), "#&M1SA1\r");
    ASSERT_EQ(QAVKSV5_ModusLesen(p, '1', modus), 0);
    EXPECT_EQ(modus, 0xA3);

    EXPECT_EQ(QAVKSV5_ModusLesen(p, '&', modus), ModL_Adresse);
    EXPECT_EQ(QAVKSV5_ModusSchreiben(p, 'Z', true, 1), ModS_Adresse);
    EXPECT_EQ(AnzahlAnfragen(), 5u);

    HandshakeFehler([&] { return QAVKSV5_ModusLesen(p, '1', modus); }, ModL_Nak, ModL_Can, ModL_KeineAntwort,
                    ModL_AnderesByte);
    HandshakeFehler([&] { return QAVKSV5_ModusSchreiben(p, '1', false, 0x80); }, ModS_Nak, ModS_Can, ModS_KeineAntwort,
                    ModS_AnderesByte);
    modus = 0xEE;
    u.sim.ZeilenfehlerSetzen(Z::OhneCR);
    EXPECT_EQ(QAVKSV5_ModusLesen(p, '1', modus), ModL_ZeileZeitlimit);
    u.sim.ZeilenfehlerSetzen(Z::FalschesEcho);
    EXPECT_EQ(QAVKSV5_ModusLesen(p, '1', modus), ModL_ZeileFehlerhaft);
    u.sim.ZeilenfehlerSetzen(Z::FalscheHexziffer);
    EXPECT_EQ(QAVKSV5_ModusLesen(p, '1', modus), ModL_ZeileFehlerhaft);
    u.sim.ZeilenfilterSetzen([](const std::string&) { return "#1M2R$00\r"; });
    EXPECT_EQ(QAVKSV5_ModusLesen(p, '1', modus), ModL_ZeileFehlerhaft);
    EXPECT_EQ(modus, 0xEE);
}

TEST_F(GeraetTest, Geschwisterbefehle) {
    EXPECT_EQ(QAVPLN6_BaudrateSchreiben(p, 1, 19200), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1BRW19200\r");
    EXPECT_EQ(u.sim.Baud(), 19200);
    EXPECT_EQ(QAVPLN6_BaudrateSchreiben(p, 9, 9600), 0);
    EXPECT_EQ(LetzteAnfrage(2), "#9BRW9600\r");
    EXPECT_EQ(QAVPLN6_BaudrateSchreiben(p, 10, 9600), Baud_Adresse);
    EXPECT_EQ(QAVPLN6_BaudrateSchreiben(p, -1, 9600), Baud_Adresse);
    EXPECT_EQ(QAVPLN6_BaudrateSchreiben(p, 1, 2400), Baud_Baud);
    EXPECT_EQ(QAVPLN6_AdresseSchreiben(p, 9, 1), Adr_Adresse);
    EXPECT_EQ(QAVPLN6_AdresseSchreiben(p, 1, 9), Adr_NeueAdresse);
    EXPECT_EQ(QAVPLN6_AdresseSchreiben(p, 1, -1), Adr_NeueAdresse);
    EXPECT_EQ(AnzahlAnfragen(), 2u);

    HandshakeFehler([&] { return QAVPLN6_BaudrateSchreiben(p, 1, 9600); }, Baud_Nak, Baud_Can, Baud_KeineAntwort,
                    Baud_AnderesByte);
    HandshakeFehler([&] { return QAVPLN6_AdresseSchreiben(p, 1, 1); }, Adr_Nak, Adr_Can, Adr_KeineAntwort,
                    Adr_AnderesByte);
    EXPECT_EQ(QAVPLN6_AdresseSchreiben(p, 1, 3), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1DAW3\r");
    std::string text;
    EXPECT_EQ(QAVKSV5_IDLesen(p, '3', text), 0);
    EXPECT_EQ(QAVKSV5_IDLesen(p, '1', text), ID_KeineAntwort);
}
