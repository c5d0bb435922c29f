#include "uisupport/SkriptDialoge.h"

namespace {

class SkriptFortschritt : public Fortschritt {
public:
    explicit SkriptFortschritt(std::vector<int>& werte) : werte_(werte) {}
    void Setzen(int prozent) override { werte_.push_back(prozent); }

private:
    std::vector<int>& werte_;
};

} // namespace

void SkriptDialoge::Meldung(const QString& titel, const QString& text) {
    protokoll.push_back({"Meldung", titel, text, {"OK"}, 1, 1, {}, {}, {}});
}

int SkriptDialoge::Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
                         int escKnopf) {
    protokoll.push_back({"Frage", titel, text, knoepfe, enterKnopf, escKnopf, {}, {}, {}});
    if (antworten.empty()) return escKnopf;
    const int a = antworten.front();
    antworten.pop_front();
    return a;
}

DateiErgebnis SkriptDialoge::Datei(const DateiAuswahl& auswahl) {
    protokoll.push_back({"Datei", auswahl.titel, auswahl.muster, {}, 0, 0, {}, auswahl, {}});
    if (dateien.empty()) return {};
    auto e = dateien.front();
    dateien.pop_front();
    return e;
}

std::unique_ptr<Fortschritt> SkriptDialoge::FortschrittZeigen(const QString& titel, const QString& text) {
    protokoll.push_back({"Fortschritt", titel, text, {}, 0, 0, {}, {}, {}});
    return std::make_unique<SkriptFortschritt>(protokoll.back().fortschritt);
}

void SkriptDialoge::Hilfeblase(QWidget*, const QRect& platz, const QString& text) {
    protokoll.push_back({"Hilfe", {}, text, {}, 0, 0, platz, {}, {}});
}

std::vector<SkriptDialoge::Popup> SkriptDialoge::VonArt(const QString& art) const {
    std::vector<Popup> aus;
    for (const auto& p : protokoll)
        if (p.art == art) aus.push_back(p);
    return aus;
}
