#pragma once
// Dialogs for tests: answers come from queues, every popup is recorded.
#include "uisupport/Dialoge.h"

#include <deque>
#include <vector>

class SkriptDialoge : public Dialoge {
  public:
    struct Popup {
        QString art; // "Meldung", "Frage", "Datei", "Fortschritt", "Hilfe", "Drucken"
        QString titel;
        QString text;
        QStringList knoepfe;
        int enterKnopf = 0;
        int escKnopf = 0;
        QRect platz;        // help bubble
        DateiAuswahl datei; // file selection
        std::vector<int> fortschritt;
        bool abbrechbar = false;
        std::vector<double> restzeiten; // progress dialog: the remaining times shown
        QWidget* fenster = nullptr;     // progress dialog: the window it is modal to
    };

    std::deque<int> antworten;         // for Frage; empty -> the Escape button
    std::deque<DateiErgebnis> dateien; // for Datei; empty -> cancelled
    std::deque<QString> druckDateien;  // for Drucken: the printer writes a PDF there; empty -> cancelled
    std::deque<Popup> protokoll;       // deque: progress values are recorded into an entry by reference
    // The next progress dialog is cancelled ("Abbrechen") once it reaches this percentage; -1 never.
    int abbrechenBeiProzent = -1;

    void Meldung(const QString& titel, const QString& text) override;
    int Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
              int escKnopf) override;
    DateiErgebnis Datei(const DateiAuswahl& auswahl) override;
    std::unique_ptr<Fortschritt> FortschrittZeigen(const QString& titel, const QString& text,
                                                   std::function<void()> abbrechen = {},
                                                   QWidget* fenster = nullptr) override;
    void Hilfeblase(QWidget* eltern, const QRect& platz, const QString& text) override;
    bool Drucken(QPrinter& drucker) override;

    void DateiGewaehlt(const QString& pfad) { dateien.push_back({DateiErgebnis::Art::Gewaehlt, pfad}); }
    std::vector<Popup> VonArt(const QString& art) const;
    // An empty popup when none was recorded, so a test fails on its check instead of crashing.
    const Popup& Letztes() const {
        static const Popup keines;
        return protokoll.empty() ? keines : protokoll.back();
    }
    void Leeren() { protokoll.clear(); }
};

// Installs a SkriptDialoge as the dialog service for the lifetime of the object.
class SkriptDialogeAktiv : public SkriptDialoge {
  public:
    SkriptDialogeAktiv() { DialogeSetzen(this); }
    ~SkriptDialogeAktiv() override { DialogeSetzen(nullptr); }
};
