#include "uisupport/SkriptDialoge.h"

#include <QPrinter>

namespace {

class SkriptFortschritt : public Fortschritt {
  public:
    SkriptFortschritt(std::vector<int>& werte, std::vector<double>& restzeiten, int abbrechenBei,
                      std::function<void()> abbrechen)
        : werte_(werte), restzeiten_(restzeiten), abbrechenBei_(abbrechenBei), abbrechen_(std::move(abbrechen)) {}
    void Setzen(int prozent) override {
        werte_.push_back(prozent);
        if (abbrechen_ && abbrechenBei_ >= 0 && prozent >= abbrechenBei_) {
            auto f = std::move(abbrechen_);
            abbrechen_ = nullptr;
            f();
        }
    }

    void RestzeitSetzen(double sekunden) override { restzeiten_.push_back(sekunden); }

  private:
    std::vector<int>& werte_;
    std::vector<double>& restzeiten_;
    int abbrechenBei_;
    std::function<void()> abbrechen_;
};

} // namespace

void SkriptDialoge::Meldung(const QString& titel, const QString& text) {
    protokoll.push_back({"Meldung", titel, text, {"OK"}, 1, 1, {}, {}, {}, false, {}, nullptr});
}

int SkriptDialoge::Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
                         int escKnopf) {
    protokoll.push_back({"Frage", titel, text, knoepfe, enterKnopf, escKnopf, {}, {}, {}, false, {}, nullptr});
    if (antworten.empty()) return escKnopf;
    const int a = antworten.front();
    antworten.pop_front();
    return a;
}

DateiErgebnis SkriptDialoge::Datei(const DateiAuswahl& auswahl) {
    protokoll.push_back({"Datei", auswahl.titel, auswahl.muster, {}, 0, 0, {}, auswahl, {}, false, {}, nullptr});
    if (dateien.empty()) return {};
    auto e = dateien.front();
    dateien.pop_front();
    return e;
}

std::unique_ptr<Fortschritt> SkriptDialoge::FortschrittZeigen(const QString& titel, const QString& text,
                                                              std::function<void()> abbrechen, QWidget* fenster) {
    protokoll.push_back({"Fortschritt", titel, text, {}, 0, 0, {}, {}, {}, bool(abbrechen), {}, fenster});
    const int bei = abbrechenBeiProzent;
    abbrechenBeiProzent = -1;
    return std::make_unique<SkriptFortschritt>(protokoll.back().fortschritt, protokoll.back().restzeiten, bei,
                                               std::move(abbrechen));
}

void SkriptDialoge::Hilfeblase(QWidget*, const QRect& platz, const QString& text) {
    protokoll.push_back({"Hilfe", {}, text, {}, 0, 0, platz, {}, {}, false, {}, nullptr});
}

bool SkriptDialoge::Drucken(QPrinter& drucker) {
    protokoll.push_back({"Drucken", {}, {}, {}, 0, 0, {}, {}, {}, false, {}, nullptr});
    if (druckDateien.empty()) return false;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(druckDateien.front());
    druckDateien.pop_front();
    return true;
}

std::vector<SkriptDialoge::Popup> SkriptDialoge::VonArt(const QString& art) const {
    std::vector<Popup> aus;
    for (const auto& p : protokoll)
        if (p.art == art) aus.push_back(p);
    return aus;
}
