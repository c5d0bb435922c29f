#pragma once
// The one owner of the link to the box. Every device operation runs on one
// worker thread, one at a time, in the order submitted, so frames of two
// windows never interleave; the GUI thread gets each result back through a
// callback and never waits on the serial line. The link state (open port,
// last port, address, the code on the shared error indicator) lives here and
// is announced by signals.
//
// A link breaks when its device leaves (adapter pulled, box switched off):
// the port is closed but stays chosen, and the service reopens the same
// device path before the next operation and about once a second until it is
// back, the user chooses another port or "not open".
#include "device/Blocktransfer.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class QThread;
class QTimer;
class Treiber;

// Start and stop with no open port, shared by the connection and curve windows.
constexpr int kComStartOhnePort = -122234;
constexpr int kComStoppOhnePort = -122235;

// Runs f (on the worker, inside an operation) and pairs its result with the
// seconds it took, for the confirmation of a transfer.
template <class F> auto Gemessen(F f) {
    const auto anfang = std::chrono::steady_clock::now();
    auto e = f();
    return std::make_pair(std::move(e),
                          std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count());
}

// Handle of one submitted operation.
class Vorgang {
  public:
    // Thread-safe; a block transfer stops before its next block.
    void Abbrechen() { abbrechen_ = true; }
    bool abgebrochen() const { return abbrechen_; }
    bool fertig() const { return fertig_; }

    // GUI thread: receives the percentages the operation reports, and the
    // bytes moved of the whole transfer.
    std::function<void(int)> fortschritt;
    std::function<void(long fertig, long gesamt)> menge;
    // Kept alive until the result has been handled (progress dialog, busy marker).
    void Begleiten(std::shared_ptr<void> b) { begleiter_.push_back(std::move(b)); }

  private:
    friend class Geraetedienst;
    std::atomic<bool> abbrechen_{false};
    bool fertig_ = false;
    std::vector<std::shared_ptr<void>> begleiter_;
    int imFortschritt_ = 0; // GUI thread: depth of running progress callbacks
};
using VorgangPtr = std::shared_ptr<Vorgang>;

// What an operation sees on the worker thread.
struct Auftrag {
    int port = -1; // the open port when the operation runs, or -1
    char adresse = '1';
    // "Nach dem Schreiben prüfen": a send reads its image back and compares it.
    bool pruefen = false;
    // Progress and cancel of this operation, ready for the block transfer.
    Blockrueckmeldung rueckmeldung;
    // Runs f on the GUI thread (unless the submitting object is gone), in
    // order with the operation's result.
    std::function<void(std::function<void()>)> aufGui;
};

class Geraetedienst : public QObject {
    Q_OBJECT
  public:
    static constexpr double kEmpfangsZeitlimit = 0.5;
    static constexpr int kBaud = 9600;
    // Pause between two background looks at the open port: whether its
    // device hung up while idle, or (broken) whether it is back.
    static constexpr int kWiederholungMs = 1000;

    explicit Geraetedienst(QObject* eltern = nullptr);
    ~Geraetedienst() override;

    // Link state as the GUI thread knows it. A broken link keeps its port.
    int offenerPort() const { return port_; }
    bool getrennt() const { return getrennt_; }
    int letzterPort() const { return letzterPort_; }
    void LetztenPortSetzen(int port) { letzterPort_ = port; }
    char adresse() const { return adresse_.load(); }
    void AdresseSetzen(char a) { adresse_ = a; }
    // The option "Nach dem Schreiben prüfen", read by each operation when it runs.
    bool pruefen() const { return pruefen_.load(); }
    void PruefenSetzen(bool p) { pruefen_ = p; }
    int fehler() const { return fehler_; }

    // The error indicator every device window shows: 0 clears it.
    void FehlerSetzen(int code);

    // Runs arbeit(Auftrag&) on the worker and then fertig(result) on the GUI
    // thread. With a kontext, fertig (and aufGui) are dropped once it is gone.
    // A broken link is first reopened if its device is back.
    template <class Arbeit, class Fertig> VorgangPtr Ausfuehren(QObject* kontext, Arbeit arbeit, Fertig fertig) {
        return Planen(kontext, std::move(arbeit), std::move(fertig), true);
    }

    // Opens the port (closing the one in force first, also when it is the
    // same, so choosing it again reopens it); -1 only closes, and ends the
    // attempts to reopen a broken link. fertig gets 0 or the open's code.
    VorgangPtr Oeffnen(int port, QObject* kontext = nullptr, std::function<void(int)> fertig = {});
    VorgangPtr Schliessen(QObject* kontext = nullptr, std::function<void(int)> fertig = {});
    // The link pictures: reopens the last port (its result on the indicator) or closes.
    void Umschalten();

    // "Start"/"Stopp" of the box; the result goes to the error indicator.
    void StartStopp(bool start, QObject* kontext = nullptr);

    // An operation queued or running, or a result not yet handed over.
    bool beschaeftigt() const { return offen_ > 0; }
    // Hands results over until nothing is pending; false after the time-out.
    bool Abwarten(int millisekunden = 10000);
    // Cancels every transfer that is queued or running.
    void AllesAbbrechen();
    // End of the program: cancels transfers, waits for what is running,
    // closes the port and stops the worker. Nothing submitted once it has
    // begun runs, also while it waits.
    void Beenden();

  signals:
    // The port in force (-1 for none) and whether its device has gone.
    void linkGeaendert(int port, bool getrennt);
    // A broken link is back without the user doing anything.
    void wiederVerbunden(int port);
    // After a failed open: the device path and the cause ("" after a good open).
    void oeffnungsMeldung(const QString& text);
    void fehlerGeaendert(int code);
    void beschaeftigtGeaendert(bool beschaeftigt);

  private:
    template <class Arbeit, class Fertig>
    VorgangPtr Planen(QObject* kontext, Arbeit arbeit, Fertig fertig, bool mitWiederOeffnen) {
        using T = std::invoke_result_t<Arbeit&, Auftrag&>;
        auto v = std::make_shared<Vorgang>();
        Einreihen(
            kontext, v,
            [arbeit = std::move(arbeit), fertig = std::move(fertig)](Auftrag& a) mutable -> std::function<void()> {
                auto ergebnis = std::make_shared<T>(arbeit(a));
                return [fertig, ergebnis]() mutable { fertig(std::move(*ergebnis)); };
            },
            mitWiederOeffnen);
        return v;
    }

    using Arbeit = std::function<std::function<void()>(Auftrag&)>;
    void Einreihen(QObject* kontext, const VorgangPtr& v, Arbeit arbeit, bool mitWiederOeffnen);
    void AufGuiAusfuehren(bool mitKontext, const QPointer<QObject>& kontext, std::function<void()> f);
    void Abschliessen(const VorgangPtr& v, bool mitKontext, const QPointer<QObject>& k, std::function<void()> ergebnis);
    void Erledigt();
    void LinkMelden(int port, int gewuenscht, int code);
    // GUI thread: the worker found the device of port gone, or back.
    void Gebrochen(int port);
    void Zurueck(int port);
    void HintergrundVersuch();
    // Worker thread.
    bool WiederOeffnen();
    // pruefen: also ask the idle port whether its device hung up.
    bool BruchErkannt(bool pruefen);

    // The worker's port table: this service's alone, so a second service
    // (a test's, the screenshot tool's) never sees or closes its ports.
    std::unique_ptr<Treiber> treiber_;
    QThread* faden_;
    QObject* arbeiter_;
    bool beendet_ = false;

    // GUI thread.
    int port_ = -1;
    bool getrennt_ = false;
    bool versuchUnterwegs_ = false;
    int imErgebnis_ = 0;   // results being handed over (a popup may be open in one)
    QTimer* wiederholung_; // named WIEDERHOLUNG: tests see whether an attempt can come
    int letzterPort_ = -1;
    int fehler_ = 0;
    int offen_ = 0;
    std::vector<std::weak_ptr<Vorgang>> vorgaenge_;
    std::atomic<char> adresse_{'1'};
    std::atomic<bool> pruefen_{false};

    // Worker thread.
    int wPort_ = -1;
    bool wGetrennt_ = false;
};
