#pragma once
// The controls of the connection, direct I/O and configuration windows, found
// by their object names (each control's name in its window):
//
//     Elemente(Com()).PORT->setCurrentIndex(2);
//     Elemente(Direkt()).AUSGANG[0]->wert();
//
// A control that is not there throws, so the test fails with its name
// instead of crashing on a null pointer.
#include "config/fenster/KonfigEinheitFeld.h"
#include "config/fenster/KonfigPanel.h"
#include "config/fenster/KonfigZahlFeld.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/VerbindungsBild.h"
#include "uisupport/Zahlfeld.h"
#include "uisupport/Zeigerinstrument.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <stdexcept>

template <class T> T* Element(const QObject* fenster, const QString& name) {
    T* e = fenster->findChild<T*>(name);
    if (!e)
        throw std::runtime_error("Bedienelement fehlt: " + fenster->objectName().toStdString() + "/" +
                                 name.toStdString());
    return e;
}

// name1..nameN (erste = 1), or name0..name(N-1) (erste = 0).
template <class T, std::size_t N>
std::array<T*, N> ElementReihe(const QObject* fenster, const QString& name, int erste) {
    std::array<T*, N> a{};
    for (std::size_t i = 0; i < N; ++i) a[i] = Element<T>(fenster, name + QString::number(int(i) + erste));
    return a;
}

struct ComElemente {
    explicit ComElemente(const ComPanel* f)
        : PORT(Element<QComboBox>(f, "PORT")), ADRESSE(Element<QComboBox>(f, "ADRESSE")),
          IDLESEN(Element<QPushButton>(f, "IDLESEN")), IDSTRING(Element<QLineEdit>(f, "IDSTRING")),
          SCANN(Element<QPushButton>(f, "SCANN")), LED(ElementReihe<Lampe, 9>(f, "LED", 1)),
          TEXT(Element<QLabel>(f, "TEXT")), START(Element<QPushButton>(f, "START")),
          STOPP(Element<QPushButton>(f, "STOPP")), FEHLERABFRAGE(Element<QPushButton>(f, "FEHLERABFRAGE")),
          LED_FEHLER(ElementReihe<Lampe, 5>(f, "LED_FEHLER", 0)), FEHLERHILFE(Element<QPushButton>(f, "FEHLERHILFE")),
          PRUEFEN(Element<QCheckBox>(f, "PRUEFEN")),
          STARTSTOPPEINGANGEIN(Element<QPushButton>(f, "STARTSTOPPEINGANGEIN")),
          STARTSTOPPEINGANGAUS(Element<QPushButton>(f, "STARTSTOPPEINGANGAUS")),
          DIREKTHILFE(Element<QToolButton>(f, "DIREKTHILFE")), PORTWAHL(Element<QToolButton>(f, "PORTWAHL")) {}
    QComboBox* PORT;
    QComboBox* ADRESSE;
    QPushButton* IDLESEN;
    QLineEdit* IDSTRING;
    QPushButton* SCANN;
    std::array<Lampe*, 9> LED;
    QLabel* TEXT;
    QPushButton* START;
    QPushButton* STOPP;
    QPushButton* FEHLERABFRAGE;
    std::array<Lampe*, 5> LED_FEHLER;
    QPushButton* FEHLERHILFE;
    QCheckBox* PRUEFEN;
    QPushButton* STARTSTOPPEINGANGEIN;
    QPushButton* STARTSTOPPEINGANGAUS;
    QToolButton* DIREKTHILFE;
    QToolButton* PORTWAHL;
};

struct DirektElemente {
    explicit DirektElemente(const DirektPanel* f)
        : AUSGANG(ElementReihe<Drehknopf, kKanaele>(f, "AUSGANG", 1)),
          BEGRENZUNG(ElementReihe<Zahlfeld, kKanaele>(f, "BEGRENZUNG", 1)),
          AUSGAENGEAUFNULL(Element<QPushButton>(f, "AUSGAENGEAUFNULL")),
          EINGANG(ElementReihe<Zeigerinstrument, kKanaele>(f, "EINGANG", 1)),
          MIN(ElementReihe<Zahlfeld, kKanaele>(f, "MIN", 1)), MAX(ElementReihe<Zahlfeld, kKanaele>(f, "MAX", 1)),
          MINMAXRESET(Element<QPushButton>(f, "MINMAXRESET")), ABFRAGEN(Element<QPushButton>(f, "ABFRAGEN")),
          ABTASTZEIT(Element<Zahlfeld>(f, "ABTASTZEIT")), TIMER(Element<QTimer>(f, "TIMER")),
          PLOT(ElementReihe<QCheckBox, kKanaele>(f, "PLOT", 1)),
          STRIPCHART(Element<Streifenschreiber>(f, "STRIPCHART")), ZOOMX(Element<Zahlfeld>(f, "ZOOMX")),
          ZOOMY(Element<Zahlfeld>(f, "ZOOMY")), DATEISPEICHERN(Element<QPushButton>(f, "DATEISPEICHERN")),
          DATEISPEICHERNLED(Element<Lampe>(f, "DATEISPEICHERNLED")),
          DIREKTHILFE(Element<QToolButton>(f, "DIREKTHILFE")) {}
    std::array<Drehknopf*, kKanaele> AUSGANG;
    std::array<Zahlfeld*, kKanaele> BEGRENZUNG;
    QPushButton* AUSGAENGEAUFNULL;
    std::array<Zeigerinstrument*, kKanaele> EINGANG;
    std::array<Zahlfeld*, kKanaele> MIN;
    std::array<Zahlfeld*, kKanaele> MAX;
    QPushButton* MINMAXRESET;
    QPushButton* ABFRAGEN;
    Zahlfeld* ABTASTZEIT;
    QTimer* TIMER;
    std::array<QCheckBox*, kKanaele> PLOT;
    Streifenschreiber* STRIPCHART;
    Zahlfeld* ZOOMX;
    Zahlfeld* ZOOMY;
    QPushButton* DATEISPEICHERN;
    Lampe* DATEISPEICHERNLED;
    QToolButton* DIREKTHILFE;
};

struct KonfigElemente {
    using Kanalfelder = std::array<KonfigZahlFeld*, kKanaele>;
    using Einheitfelder = std::array<KonfigEinheitFeld*, kKanaele>;
    explicit KonfigElemente(const KonfigPanel* f)
        : AUSGANGSBEREICH(Element<QComboBox>(f, "AUSGANGSBEREICH")),
          SPANNUNG_OUTMIN(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SPANNUNG_OUTMIN", 1)),
          SPANNUNG_OUTMAX(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SPANNUNG_OUTMAX", 1)),
          SKALAOUTMIN(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SKALAOUTMIN", 1)),
          SKALAOUTMAX(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SKALAOUTMAX", 1)),
          EINHEITOUT(ElementReihe<KonfigEinheitFeld, kKanaele>(f, "EINHEITOUT", 1)),
          EINGANGSBEREICH(Element<QComboBox>(f, "EINGANGSBEREICH")),
          SPANNUNG_INMIN(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SPANNUNG_INMIN", 1)),
          SPANNUNG_INMAX(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SPANNUNG_INMAX", 1)),
          SKALAINMIN(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SKALAINMIN", 1)),
          SKALAINMAX(ElementReihe<KonfigZahlFeld, kKanaele>(f, "SKALAINMAX", 1)),
          EINHEITIN(ElementReihe<KonfigEinheitFeld, kKanaele>(f, "EINHEITIN", 1)),
          STANDARDWERTE(Element<QPushButton>(f, "STANDARDWERTE")),
          HAUPTFENSTER(Element<QPushButton>(f, "HAUPTFENSTER")), DIREKTHILFE(Element<QToolButton>(f, "DIREKTHILFE")),
          PICTURERING(Element<VerbindungsBild>(f, "PICTURERING")), ladenAktion(Element<QAction>(f, "LADEN")),
          speichernAktion(Element<QAction>(f, "SPEICHERN")) {}
    QComboBox* AUSGANGSBEREICH;
    Kanalfelder SPANNUNG_OUTMIN, SPANNUNG_OUTMAX, SKALAOUTMIN, SKALAOUTMAX;
    Einheitfelder EINHEITOUT;
    QComboBox* EINGANGSBEREICH;
    Kanalfelder SPANNUNG_INMIN, SPANNUNG_INMAX, SKALAINMIN, SKALAINMAX;
    Einheitfelder EINHEITIN;
    QPushButton* STANDARDWERTE;
    QPushButton* HAUPTFENSTER;
    QToolButton* DIREKTHILFE;
    VerbindungsBild* PICTURERING;
    QAction* ladenAktion;
    QAction* speichernAktion;
};

inline ComElemente Elemente(const ComPanel* f) { return ComElemente(f); }
inline DirektElemente Elemente(const DirektPanel* f) { return DirektElemente(f); }
inline KonfigElemente Elemente(const KonfigPanel* f) { return KonfigElemente(f); }
