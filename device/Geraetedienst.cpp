#include "device/Geraetedienst.h"

#include "device/PortFehler.h"
#include "device/Qavksv5.h"
#include "device/Verbindung.h"
#include "kern/Fehlermeldungen.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

Geraetedienst::Geraetedienst(QObject* eltern)
    : QObject(eltern), treiber_(std::make_unique<Treiber>()), faden_(new QThread), arbeiter_(new QObject),
      wiederholung_(new QTimer(this)) {
    wiederholung_->setObjectName("WIEDERHOLUNG");
    wiederholung_->setInterval(kWiederholungMs);
    connect(wiederholung_, &QTimer::timeout, this, &Geraetedienst::HintergrundVersuch);
    faden_->setObjectName("Geraetedienst");
    arbeiter_->moveToThread(faden_);
    connect(faden_, &QThread::finished, arbeiter_, &QObject::deleteLater);
    faden_->start();
    // First in the worker's queue, so every operation uses the service's table.
    QMetaObject::invokeMethod(
        arbeiter_, [t = treiber_.get()] { Verbindung::TreiberSetzen(t); }, Qt::QueuedConnection);
}

Geraetedienst::~Geraetedienst() {
    Beenden();
    delete faden_;
}

void Geraetedienst::FehlerSetzen(int code) {
    fehler_ = code;
    emit fehlerGeaendert(code);
}

void Geraetedienst::AufGuiAusfuehren(bool mitKontext, const QPointer<QObject>& kontext, std::function<void()> f) {
    QMetaObject::invokeMethod(
        this,
        [mitKontext, kontext, f = std::move(f)] {
            if (!mitKontext || kontext) f();
        },
        Qt::QueuedConnection);
}

void Geraetedienst::Einreihen(QObject* kontext, const VorgangPtr& v, Arbeit arbeit, bool mitWiederOeffnen) {
    if (beendet_) return;
    if (offen_++ == 0) emit beschaeftigtGeaendert(true);
    std::erase_if(vorgaenge_, [](const std::weak_ptr<Vorgang>& w) { return w.expired(); });
    vorgaenge_.push_back(v);
    const bool mitKontext = kontext != nullptr;
    QPointer<QObject> k(kontext);
    QMetaObject::invokeMethod(
        arbeiter_,
        [this, v, mitKontext, k, mitWiederOeffnen, arbeit = std::move(arbeit)]() mutable {
            // An adapter pulled and plugged again while idle: the user's
            // action finds the device behind the new descriptor at once.
            if (mitWiederOeffnen && BruchErkannt(true))
                QMetaObject::invokeMethod(
                    this, [this, port = wPort_] { Gebrochen(port); }, Qt::QueuedConnection);
            if (mitWiederOeffnen && WiederOeffnen())
                QMetaObject::invokeMethod(
                    this, [this, port = wPort_] { Zurueck(port); }, Qt::QueuedConnection);
            Auftrag a;
            a.port = wPort_;
            a.adresse = adresse_.load();
            a.pruefen = pruefen_.load();
            a.aufGui = [this, mitKontext, k](std::function<void()> f) {
                AufGuiAusfuehren(mitKontext, k, std::move(f));
            };
            a.rueckmeldung.abbrechen = &v->abbrechen_;
            // Percentages reach the GUI thread in order with everything else.
            // The callbacks run from copies: the result handed over in any
            // nested event loop clears them, never under their own call.
            a.rueckmeldung.fortschritt = [this, v, mitKontext, k](int prozent) {
                AufGuiAusfuehren(mitKontext, k, [v, prozent] {
                    if (!v->fortschritt) return;
                    auto f = v->fortschritt;
                    ++v->imFortschritt_;
                    f(prozent);
                    --v->imFortschritt_;
                });
            };
            a.rueckmeldung.menge = [this, v, mitKontext, k](long fertig, long gesamt) {
                AufGuiAusfuehren(mitKontext, k, [v, fertig, gesamt] {
                    if (auto f = v->menge) f(fertig, gesamt);
                });
            };
            std::function<void()> ergebnis = arbeit(a);
            // The picture changes before the window shows the operation's error.
            if (BruchErkannt(false))
                QMetaObject::invokeMethod(
                    this, [this, port = wPort_] { Gebrochen(port); }, Qt::QueuedConnection);
            QMetaObject::invokeMethod(
                this,
                [this, v, mitKontext, k, ergebnis = std::move(ergebnis)]() mutable {
                    Abschliessen(v, mitKontext, k, std::move(ergebnis));
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void Geraetedienst::Abschliessen(const VorgangPtr& v, bool mitKontext, const QPointer<QObject>& k,
                                 std::function<void()> ergebnis) {
    // A progress callback that runs the event loop (as a modal dialog's
    // update would) must not see the result delete its dialog under its own
    // call: the result waits until the callback returns.
    if (v->imFortschritt_ > 0) {
        QMetaObject::invokeMethod(
            this,
            [this, v, mitKontext, k, ergebnis = std::move(ergebnis)]() mutable {
                Abschliessen(v, mitKontext, k, std::move(ergebnis));
            },
            Qt::QueuedConnection);
        return;
    }
    v->fertig_ = true;
    // Progress dialog and busy marker go before the result is shown, so a
    // popup never sits under a dead dialog.
    v->begleiter_.clear();
    v->fortschritt = nullptr;
    v->menge = nullptr;
    // A result may hold a popup open for long; the worker is idle meanwhile,
    // so the background look for a returned device may go on.
    ++imErgebnis_;
    if (!mitKontext || k) ergebnis();
    --imErgebnis_;
    Erledigt();
}

void Geraetedienst::Erledigt() {
    if (--offen_ == 0) emit beschaeftigtGeaendert(false);
}

bool Geraetedienst::Abwarten(int millisekunden) {
    if (offen_ == 0) return true;
    QEventLoop schleife;
    QTimer frist;
    frist.setSingleShot(true);
    connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
    connect(this, &Geraetedienst::beschaeftigtGeaendert, &schleife, [&schleife](bool b) {
        if (!b) schleife.quit();
    });
    frist.start(millisekunden);
    schleife.exec();
    return offen_ == 0;
}

void Geraetedienst::LinkMelden(int port, int gewuenscht, int code) {
    port_ = port;
    getrennt_ = false;
    if (port_ == -1)
        wiederholung_->stop();
    else
        wiederholung_->start();
    if (code == 0 && gewuenscht != -1) letzterPort_ = gewuenscht;
    emit linkGeaendert(port_, false);
}

bool Geraetedienst::WiederOeffnen() {
    if (!wGetrennt_ || wPort_ == -1) return false;
    // Until the open succeeds the driver keeps refusing requests on the port
    // with the code of the gone device.
    if (QAVKSV5_Open(wPort_, kBaud) != 0) return false;
    QAVKSV5_Timeout(wPort_, kEmpfangsZeitlimit);
    wGetrennt_ = false;
    return true;
}

bool Geraetedienst::BruchErkannt(bool pruefen) {
    if (wPort_ == -1 || wGetrennt_) return false;
    if (!(pruefen ? Verbindung::GetrenntPruefen(wPort_) : Verbindung::Getrennt(wPort_))) return false;
    // A dead descriptor would keep a pulled adapter's device node alive.
    Verbindung::Freigeben(wPort_);
    wGetrennt_ = true;
    return true;
}

void Geraetedienst::Gebrochen(int port) {
    if (beendet_ || port != port_ || getrennt_) return;
    getrennt_ = true;
    emit linkGeaendert(port_, true);
    FehlerSetzen(QavFehler::Getrennt);
}

void Geraetedienst::Zurueck(int port) {
    if (beendet_ || port != port_ || !getrennt_) return;
    getrennt_ = false;
    emit linkGeaendert(port_, false);
    // The indicator spoke of a state that has passed; any other error stays.
    if (FehlerKategorie(fehler_) == FehlerKategorie(QavFehler::Getrennt)) FehlerSetzen(0);
    emit wiederVerbunden(port_);
}

void Geraetedienst::HintergrundVersuch() {
    // Only while the worker is idle (an operation does the same before it
    // starts), and one look at a time.
    if (beendet_ || port_ == -1 || versuchUnterwegs_ || offen_ > imErgebnis_) return;
    versuchUnterwegs_ = true;
    QMetaObject::invokeMethod(
        arbeiter_,
        [this] {
            const bool weg = BruchErkannt(true);
            const bool zurueck = !weg && WiederOeffnen();
            QMetaObject::invokeMethod(
                this,
                [this, weg, zurueck, port = wPort_] {
                    versuchUnterwegs_ = false;
                    if (weg) Gebrochen(port);
                    if (zurueck) Zurueck(port);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

VorgangPtr Geraetedienst::Oeffnen(int gewuenscht, QObject* kontext, std::function<void(int)> fertig) {
    struct Ergebnis {
        int code;
        int port;
        std::string grund;
    };
    return Planen(
        kontext,
        [this, gewuenscht](Auftrag&) {
            if (wPort_ != -1) QAVKSV5_Close(wPort_);
            wPort_ = -1;
            wGetrennt_ = false;
            if (gewuenscht == -1) return Ergebnis{0, -1, {}};
            if (const int r = QAVKSV5_Open(gewuenscht, kBaud); r != 0)
                return Ergebnis{r, -1, PortFehlerText(gewuenscht)};
            QAVKSV5_Timeout(gewuenscht, kEmpfangsZeitlimit);
            wPort_ = gewuenscht;
            return Ergebnis{0, gewuenscht, {}};
        },
        [this, gewuenscht, fertig = std::move(fertig)](const Ergebnis& e) {
            LinkMelden(e.port, gewuenscht, e.code);
            if (gewuenscht != -1) emit oeffnungsMeldung(QString::fromStdString(e.grund));
            if (fertig) fertig(e.code);
        },
        false);
}

VorgangPtr Geraetedienst::Schliessen(QObject* kontext, std::function<void(int)> fertig) {
    return Oeffnen(-1, kontext, std::move(fertig));
}

void Geraetedienst::Umschalten() {
    if (port_ == -1)
        Oeffnen(letzterPort_, nullptr, [this](int r) { FehlerSetzen(r); });
    else
        Schliessen();
}

void Geraetedienst::StartStopp(bool start, QObject* kontext) {
    Ausfuehren(
        kontext,
        [start](Auftrag& a) {
            if (a.port == -1) return start ? kComStartOhnePort : kComStoppOhnePort;
            return QAVKSV5_DeviceFunction(a.port, a.adresse, start ? "start" : "stopp");
        },
        [this](int r) { FehlerSetzen(r); });
}

void Geraetedienst::AllesAbbrechen() {
    for (const auto& w : vorgaenge_)
        if (auto v = w.lock()) v->Abbrechen();
}

void Geraetedienst::Beenden() {
    if (beendet_) return;
    // Refused from here on: a click handled while the wait below runs events
    // cannot start a transfer that holds up the end.
    beendet_ = true;
    AllesAbbrechen();
    Abwarten();
    wiederholung_->stop();
    QMetaObject::invokeMethod(
        arbeiter_,
        [this] {
            if (wPort_ != -1) QAVKSV5_Close(wPort_);
            wPort_ = -1;
            wGetrennt_ = false;
        },
        Qt::BlockingQueuedConnection);
    port_ = -1;
    faden_->quit();
    faden_->wait();
}
