#pragma once
#include "uisupport/Dialoge.h"

class QtDialoge : public Dialoge {
  public:
    void Meldung(const QString& titel, const QString& text) override;
    int Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
              int escKnopf) override;
    DateiErgebnis Datei(const DateiAuswahl& auswahl) override;
    std::unique_ptr<Fortschritt> FortschrittZeigen(const QString& titel, const QString& text,
                                                   std::function<void()> abbrechen = {},
                                                   QWidget* fenster = nullptr) override;
    void Hilfeblase(QWidget* eltern, const QRect& platz, const QString& text) override;
    bool Drucken(QPrinter& drucker) override;
};
