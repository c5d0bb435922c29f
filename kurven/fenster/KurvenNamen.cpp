// Object names of the window's menu entries: what tests and tools find them by.
#include "kurven/fenster/KurvenPanel.h"

const char* KurvenPanel::Name(Befehl b) {
    switch (b) {
    case Befehl::Neu: return "NEU";
    case Befehl::Laden: return "LADEN";
    case Befehl::Anhaengen: return "ANHAENGEN";
    case Befehl::Speichern: return "SPEICHERN";
    case Befehl::SpeichernUnter: return "SPEICHERNUNTER";
    case Befehl::Importieren: return "IMPORTIEREN";
    case Befehl::Exportieren: return "EXPORTIEREN";
    case Befehl::CsvExportieren: return "CSVEXPORTIEREN";
    case Befehl::Ausschneiden: return "AUSSCHNEIDEN";
    case Befehl::Kopieren: return "KOPIEREN";
    case Befehl::Einfuegen: return "EINFUEGEN";
    case Befehl::Loeschen: return "LOESCHEN";
    case Befehl::AllesMarkieren: return "ALLESMARKIEREN";
    case Befehl::Rueckgaengig: return "RUECKGAENGIG";
    case Befehl::Wiederherstellen: return "WIEDERHERSTELLEN";
    case Befehl::ZoomPlus: return "ZOOMPLUS";
    case Befehl::ZoomMinus: return "ZOOMMINUS";
    case Befehl::ZoomMarkierung: return "ZOOMMARKIERUNG";
    case Befehl::ZoomGesamt: return "ZOOMGESAMT";
    }
    return "";
}

const char* KurvenPanel::Name(kg::Bearbeitungsmodus m) {
    using M = kg::Bearbeitungsmodus;
    switch (m) {
    case M::Markieren: return "MARKIEREN";
    case M::Zeichnen: return "ZEICHNEN";
    case M::Verschieben: return "VERSCHIEBEN";
    case M::Koordinaten: return "KOORDINATENAENDERN";
    case M::Anzeigen: return "KOORDINATENANZEIGEN";
    case M::Aufloesen: return "AUFLOESEN";
    case M::Teilen: return "TEILEN";
    case M::Zeitbasis: return "ZEITBASISAENDERN";
    case M::Laenge: return "GERADENLAENGE";
    }
    return "";
}

QString KurvenPanel::KurvenName(int k) { return QString("KURVE%1").arg(k + 1); }

QString KurvenPanel::HintergrundName(int k) { return QString("HINTERGRUND%1").arg(k + 1); }

const char* KurvenPanel::DarstellungsName(int d) {
    switch (d) {
    case NurLinien: return "LINIEN";
    case NurStufen: return "STUFEN";
    case LinienUndStufen: return "LINIENSTUFEN";
    default: return "";
    }
}
