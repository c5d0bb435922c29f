#pragma once
// The controls of the "Kennlinienregler" window, found by their object names
// as a user's tool would see them; a missing one fails the test.
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kennlinie/fenster/Speicheruebersicht.h"
#include "uisupport/Graph.h"
#include "uisupport/Zahlfeld.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

template <class T> T* KindVon(QObject* o, const char* name) {
    T* w = o->findChild<T*>(QString::fromLatin1(name));
    if (!w) ADD_FAILURE() << "no control " << name;
    return w;
}

inline Zahlfeld* FeldVon(KennlinienPanel* k, Kennl::Feld f) { return KindVon<Zahlfeld>(k, Kennl::Name(f)); }
inline QPushButton* KnopfVon(KennlinienPanel* k, Kennl::Knopf b) { return KindVon<QPushButton>(k, Kennl::Name(b)); }
inline QAction* AktionVon(KennlinienPanel* k, Kennl::Befehl b) { return KindVon<QAction>(k, Kennl::Name(b)); }
inline QAction* ModusAktion(KennlinienPanel* k, Kennl::Modus m) { return KindVon<QAction>(k, Kennl::Name(m)); }
inline QAction* DarstellungsAktion(KennlinienPanel* k, int d) {
    return KindVon<QAction>(k, Kennl::DarstellungsName(d));
}
inline QToolButton* DarstellungsKnopf(KennlinienPanel* k, int d) {
    return KindVon<QToolButton>(k, Kennl::DarstellungsKnopfName(d));
}
inline Graph* GraphVon(KennlinienPanel* k) { return KindVon<Graph>(k, "GRAPH"); }
inline Graph* GraphKleinVon(KennlinienPanel* k) { return KindVon<Graph>(k, "GRAPHKLEIN"); }
inline QScrollBar* RollbalkenVon(KennlinienPanel* k) { return KindVon<QScrollBar>(k, "SCROLLBAR"); }
inline QLabel* BegrenzungTextVon(KennlinienPanel* k) { return KindVon<QLabel>(k, "BEGRENZUNGTEXT"); }
inline QLineEdit* KommentarVorschauVon(KennlinienPanel* k) { return KindVon<QLineEdit>(k, "KOMMENTARVORSCHAU"); }
// The popups exist once they were first opened.
inline KommentarFenster* KommentarFensterVon(KennlinienPanel* k) { return k->findChild<KommentarFenster*>(); }
inline PunktFenster* PunktFensterVon(KennlinienPanel* k) { return k->findChild<PunktFenster*>(); }
inline Zahlfeld* XFeldVon(PunktFenster* f) { return KindVon<Zahlfeld>(f, "X"); }
inline Zahlfeld* YFeldVon(PunktFenster* f) { return KindVon<Zahlfeld>(f, "Y"); }
inline QPlainTextEdit* TextfeldVon(KommentarFenster* f) { return KindVon<QPlainTextEdit>(f, "KOMMENTARTEXT"); }
inline QPushButton* OkKnopfVon(QDialog* f) { return KindVon<QPushButton>(f, "OK"); }

// "DLM-7 Speicherübersicht…" and the overview, once it was first opened.
inline QAction* UebersichtAktion(KennlinienPanel* k) { return KindVon<QAction>(k, "SPEICHERUEBERSICHT"); }
inline Speicheruebersicht* UebersichtVon(KennlinienPanel* k) { return k->findChild<Speicheruebersicht*>(); }
// A row of the overview, slot 1..7.
struct UebersichtReihe {
    QLabel* inhalt;
    QLabel* anstieg;
    QLabel* begrenzung;
    Graph* bild;
    QPushButton* lesen;
    QPushButton* anwaehlen;
};
inline UebersichtReihe ReiheVon(Speicheruebersicht* ue, int slot) {
    const auto name = [slot](const char* spalte) { return QString("%1%2").arg(spalte).arg(slot).toLatin1(); };
    return {KindVon<QLabel>(ue, name("INHALT")),     KindVon<QLabel>(ue, name("ANSTIEG")),
            KindVon<QLabel>(ue, name("BEGRENZUNG")), KindVon<Graph>(ue, name("BILD")),
            KindVon<QPushButton>(ue, name("LESEN")), KindVon<QPushButton>(ue, name("ANWAEHLEN"))};
}
inline QPushButton* AktualisierenKnopf(Speicheruebersicht* ue) { return KindVon<QPushButton>(ue, "AKTUALISIEREN"); }
inline QLabel* MeldungVon(Speicheruebersicht* ue) { return KindVon<QLabel>(ue, "MELDUNG"); }
