#pragma once
// "Arbeitspunkt anzeigen": while on, the box's inputs are polled and the
// operating point is drawn on the curve, with a fading trail, the feedback
// input as a second marker, the live values in the X and Y fields and the
// box's run state. The poll rate and the feedback input are chosen in the
// submenu "Arbeitspunkt" and kept in the window's settings section.
#include "kennlinie/Arbeitspunkt.h"
#include "kennlinie/Kennlinie.h"
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienKontext.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <deque>
#include <optional>
#include <vector>

class Eingangsabfrage;
class Geraetedienst;
class IniDatei;
class KennlinienGrafik;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
struct Eingangsrunde;

class KennlinienArbeitspunkt : public QObject {
    Q_OBJECT
  public:
    // Rounds a second to choose from; 0: as fast as the line allows.
    static constexpr std::array<int, 6> kRaten = {1, 2, 5, 10, 20, 0};
    static constexpr int kStandardRate = 5;
    // Inputs that may be wired to output 1; 0: none.
    static constexpr std::array<int, 4> kRueckmeldungen = {0, 1, 3, 4};
    // Seconds of trail behind the operating point.
    static constexpr double kSpurSekunden = 3.0;

    // The entries go into `ansicht` and onto the window's toolbar. Create it
    // after the window observes its editor: its markers go over the redrawn curve.
    KennlinienArbeitspunkt(KennlinienKontext k, Geraetedienst& dienst, KennlinienGrafik& grafik, QMenu& ansicht);
    ~KennlinienArbeitspunkt() override;

    void EinstellungenLesen(const IniDatei& ini);
    void EinstellungenSchreiben(IniDatei& ini) const;

    void Einschalten(bool an);
    bool an() const;
    int rate() const { return rate_; }
    int rueckmeldung() const { return rueckmeldung_; }

    // Where the markers are now, in raw graph coordinates.
    std::optional<QPointF> marke() const;
    std::optional<QPointF> rueckmeldungsMarke() const;
    // Every plot of the markers and the trail on the graph.
    const std::vector<int>& plots() const { return plots_; }

  signals:
    // A round was shown.
    void gezeigt();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    struct Messung {
        double zeit;
        double eingang2;
        std::optional<double> rueckmeldung;
    };
    void RateWaehlen(int rate);
    void RueckmeldungWaehlen(int eingang);
    void AuswahlZeigen();
    void Starten();
    void Runde(const Eingangsrunde& r);
    void Beendet(int code);
    void Zeigen(Aenderungen a);
    void Zeichnen();
    void Loeschen();
    void StatusZeigen();
    std::optional<Arbeitspunkt> Punkt(const Messung& m) const;

    KennlinienKontext k_;
    Geraetedienst& dienst_;
    KennlinienGrafik& grafik_;
    Eingangsabfrage* abfrage_;
    QAction* schalter_ = nullptr;
    QActionGroup* raten_ = nullptr;
    QActionGroup* rueckmeldungen_ = nullptr;
    QLabel* status_ = nullptr;
    QAction* statusAktion_ = nullptr;

    int rate_ = kStandardRate;
    int rueckmeldung_ = 0;
    Kennlinientabelle tabelle_{};
    bool tabelleGueltig_ = false;
    std::deque<Messung> spur_;
    std::optional<bool> laeuft_;
    std::vector<int> plots_;
};
