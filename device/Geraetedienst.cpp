#include "device/Geraetedienst.h"

#include "device/PortFehler.h"
#include "device/Qavksv5.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

Geraetedienst::Geraetedienst(QObject* eltern) : QObject(eltern), faden_(new QThread), arbeiter_(new QObject) {
    faden_->setObjectName("Geraetedienst");
    arbeiter_->moveToThread(faden_);
    connect(faden_, &QThread::finished, arbeiter_, &QObject::deleteLater);
    faden_->start();
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

void Geraetedienst::Einreihen(QObject* kontext, const VorgangPtr& v, Arbeit arbeit) {
    if (beendet_) return;
    if (offen_++ == 0) emit beschaeftigtGeaendert(true);
    std::erase_if(vorgaenge_, [](const std::weak_ptr<Vorgang>& w) { return w.expired(); });
    vorgaenge_.push_back(v);
    const bool mitKontext = kontext != nullptr;
    QPointer<QObject> k(kontext);
    QMetaObject::invokeMethod(
        arbeiter_,
        [this, v, mitKontext, k, arbeit = std::move(arbeit)]() mutable {
            Auftrag a;
            a.port = wPort_;
            a.adresse = adresse_.load();
            a.aufGui = [this, mitKontext, k](std::function<void()> f) {
                AufGuiAusfuehren(mitKontext, k, std::move(f));
            };
            a.rueckmeldung.abbrechen = &v->abbrechen_;
            // Percentages reach the GUI thread in order with everything else.
            // The callbacks run from copies: the result handed over in any
            // nested event loop clears them, never under their own call.
            a.rueckmeldung.fortschritt = [this, v, mitKontext, k](int prozent) {
                AufGuiAusfuehren(mitKontext, k, [v, prozent] {
                    if (auto f = v->fortschritt) f(prozent);
                });
            };
            a.rueckmeldung.menge = [this, v, mitKontext, k](long fertig, long gesamt) {
                AufGuiAusfuehren(mitKontext, k, [v, fertig, gesamt] {
                    if (auto f = v->menge) f(fertig, gesamt);
                });
            };
            std::function<void()> ergebnis = arbeit(a);
            QMetaObject::invokeMethod(
                this,
                [this, v, mitKontext, k, ergebnis = std::move(ergebnis)] {
                    v->fertig_ = true;
                    // Progress dialog and busy marker go before the result
                    // is shown, so a popup never sits under a dead dialog.
                    v->begleiter_.clear();
                    v->fortschritt = nullptr;
                    v->menge = nullptr;
                    if (!mitKontext || k) ergebnis();
                    Erledigt();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
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
    if (code == 0 && gewuenscht != -1) letzterPort_ = gewuenscht;
    emit linkGeaendert(port_);
}

VorgangPtr Geraetedienst::Oeffnen(int gewuenscht, QObject* kontext, std::function<void(int)> fertig) {
    struct Ergebnis {
        int code;
        int port;
        std::string grund;
    };
    return Ausfuehren(
        kontext,
        [this, gewuenscht](Auftrag&) {
            if (gewuenscht == wPort_) return Ergebnis{0, wPort_, {}};
            if (wPort_ != -1) QAVKSV5_Close(wPort_);
            wPort_ = -1;
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
        });
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
    QMetaObject::invokeMethod(
        arbeiter_,
        [this] {
            if (wPort_ != -1) QAVKSV5_Close(wPort_);
            wPort_ = -1;
        },
        Qt::BlockingQueuedConnection);
    port_ = -1;
    faden_->quit();
    faden_->wait();
}
