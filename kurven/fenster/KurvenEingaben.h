#pragma once
// The modal inputs of the curve-generator window: the comment dialog, the
// point and segment dialogs and the time-base popup of the graph. Behind an
// interface so that tests can answer them.
#include "kurven/KurvenMaus.h"

#include <QPoint>
#include <QString>
#include <memory>

namespace kg = kurvengenerator;

class QWidget;

class KurvenEingaben {
  public:
    virtual ~KurvenEingaben() = default;

    // "Kommentar - Kurve n": modal until OK; the lines joined by "\n".
    virtual QString Kommentar(QWidget* eltern, const QString& titel, const QString& text) = 0;

    struct Punktwerte {
        kg::Zeitangabe zeit;
        double wert = 0.0; // in the unit of the curve's output
    };
    // "Punkt n" opened 20 pixels below wo (global); closes only with OK.
    virtual Punktwerte Punkt(QWidget* eltern, QPoint wo, const QString& titel, const Punktwerte& p,
                             const QString& einheit) = 0;
    // "Gerade n": the segment's duration; closes only with OK.
    virtual kg::Zeitangabe Gerade(QWidget* eltern, QPoint wo, const QString& titel, const kg::Zeitangabe& dauer) = 0;
    // Popup "Zeitbasis" at wo with the twelve labels, aktuell checked; 0 when nothing was chosen.
    virtual int Zeitbasis(QWidget* eltern, QPoint wo, int aktuell) = 0;
};

std::unique_ptr<KurvenEingaben> QtKurvenEingabenAnlegen();

// Limit of the comment box.
inline constexpr int kKommentarZeichen = 999;
