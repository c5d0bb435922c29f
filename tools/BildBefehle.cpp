#include "tools/BildBefehle.h"
#include "tools/Befehlshilfen.h"

#include "config/KonfigDatei.h"
#include "kennlinie/KennlinieAnsicht.h"
#include "kennlinie/KennlinieDatei.h"
#include "kern/Fehlermeldungen.h"
#include "kurven/KurvenAnsicht.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenDigital.h"
#include "uisupport/Bildexport.h"
#include "uisupport/Graph.h"
#include "uisupport/Streifenschreiber.h"

#include <QApplication>
#include <QFile>

#include <memory>
#include <optional>
#include <ostream>

const char* const kBildVerwendung =
    "    kennlinie-bild DATEI.dle BILD [--groesse BxH]  Kennlinie als Bild (.png, .svg, .pdf; Standard 1200x800)\n"
    "    kurven-bild DATEI.dlr BILD [--groesse BxH]     Generatorkurven als Bild (Einheiten: --konfig DATEI.dlo)\n";

using namespace ctlhilfe;

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The graph needs fonts, hence an application; a command-line tool never
// shows a window, so it needs no display either.
void AnwendungSicherstellen() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "dlm7ctl";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// The colours of the curve windows.
const QColor kRot(0xFF0000), kBlau(0x0000FF), kHellrot(255, 150, 150), kHellblau(150, 150, 255);

// The curve over the whole range in "Linien + Stufen", as the
// "Kennlinienregler" draws it after "Zoom Gesammtkurve".
void KennlinieEintragen(Graph& g, const KennlinienDatei& d) {
    const Ansicht ansicht;
    const Achsenbeschriftung x = XAchse(d.konfig), y = YAchse(d.konfig);
    g.setBereich(Graph::X, ansicht.min, ansicht.max + 1.0);
    g.setBereich(Graph::Y, ansicht.yMin, ansicht.yMax);
    g.setBeschriftung(Graph::X, x.faktor, x.offset, Text(x.einheit));
    g.setBeschriftung(Graph::Y, y.faktor, y.offset, Text(y.einheit));
    const std::vector<Geradenstueck> stuecke = SichtbareGeradenstuecke(d.kurve.punkte, ansicht);
    for (const Geradenstueck& s : stuecke) g.Punkt({s.x1, s.y1}, kRot);
    std::vector<QPointF> zug;
    for (const Geradenstueck& s : stuecke) {
        if (s.ergaenzung) {
            g.Linie({s.x1, s.y1}, {s.x2, s.y2}, kHellrot);
            continue;
        }
        if (zug.empty()) zug.emplace_back(s.x1, s.y1);
        zug.emplace_back(s.x2, s.y2);
    }
    if (zug.size() >= 2) g.Linienzug(std::move(zug), kRot);
    for (const Geradenstueck& s : stuecke) {
        if (s.ergaenzung && s.x1 >= kRohMax) continue;
        const std::vector<int> stufen = ::Stufen(s.x1, s.y1, s.x2, s.y2);
        if (stufen.empty()) continue;
        g.Stufen(std::max(s.x1, 0.0), 1.0, stufen, s.ergaenzung ? kHellblau : kBlau);
        if (!s.ergaenzung && stufen.back() != s.y2) g.Linie({s.x2, double(stufen.back())}, {s.x2, s.y2}, kBlau);
    }
}

// All four curves as lines over the longest one, each in its colour of the
// strip chart; the Y axis in the outputs' unit when they share it.
void KurvenEintragen(Graph& g, const kurvengenerator::Kurvensatz& s, const KonfigDaten& konfig) {
    using namespace kurvengenerator;
    double laenge = 1.0;
    for (const Kurve& k : s.kurven) laenge = std::max(laenge, KurvenLaenge(k));
    g.setBereich(Graph::X, 0.0, laenge);
    g.setBereich(Graph::Y, 0, kMaxWert);
    g.setBeschriftung(Graph::X, 1.0, 0.0, QString::fromUtf8("Zeit [µs]"));
    const kurvengenerator::YAchse y = YAchseBerechnen(konfig, 0);
    bool gleich = true;
    for (int k = 1; k < kKurvenzahl; ++k) {
        const kurvengenerator::YAchse a = YAchseBerechnen(konfig, k);
        gleich &= a.verstaerkung == y.verstaerkung && a.versatz == y.versatz && a.einheit == y.einheit;
    }
    if (gleich)
        g.setBeschriftung(Graph::Y, y.verstaerkung, y.versatz, Text(y.einheit));
    else
        g.setBeschriftung(Graph::Y, 1.0, 0.0, QStringLiteral("Rohwert"));
    for (int k = 0; k < kKurvenzahl; ++k) {
        const Kurve& kurve = s.kurven[std::size_t(k)];
        std::vector<QPointF> zug;
        double t = 0.0;
        for (int j = 0; j < kurve.punktzahl(); ++j) {
            const Kurvenpunkt& p = kurve.punkte[std::size_t(j)];
            zug.emplace_back(t, p.wert);
            t += GeradenDauer(p);
            zug.emplace_back(t, FolgeWert(kurve, j));
        }
        g.Linienzug(std::move(zug), Streifenschreiber::Spurfarbe(k));
    }
}

} // namespace

bool IstBildBefehl(const std::string& befehl) { return befehl == "kennlinie-bild" || befehl == "kurven-bild"; }

int BildBefehl(const std::string& befehl, const std::vector<std::string>& args, const std::string& konfig,
               std::ostream& err) {
    std::vector<std::string> dateien;
    std::string groesseText = "1200x800";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--groesse") {
            if (i + 1 >= args.size()) return kVerwendung;
            groesseText = args[++i];
        } else if (args[i].rfind("--groesse=", 0) == 0) {
            groesseText = args[i].substr(10);
        } else {
            dateien.push_back(args[i]);
        }
    }
    if (dateien.size() != 2) return kVerwendung;
    const QString bild = QFile::decodeName(dateien[1].c_str());
    // Both checked before the file is read, so a typo costs nothing.
    if (!BildformatVon(bild))
        return Fehler(err, BildFehler::Format,
                      "Unbekanntes Bildformat: " + dateien[1] + " (erlaubt: .png, .svg, .pdf)");
    const std::optional<QSize> groesse = BildgroesseLesen(QString::fromStdString(groesseText));
    if (!groesse)
        return Fehler(err, BildFehler::Groesse,
                      "Ungültige Bildgröße: " + groesseText + " (BxH in Pixeln, je " + std::to_string(kBildMin) + ".." +
                          std::to_string(kBildMax) + ")");

    AnwendungSicherstellen();
    Graph graph;
    Bildkopf kopf;
    kopf.datei = QFile::decodeName(dateien[0].c_str());
    if (befehl == "kennlinie-bild") {
        KennlinienDatei d;
        if (const int rc = KennlinieLaden(dateien[0], d); rc != 0) return Fehler(err, rc);
        if (!konfig.empty())
            if (const int rc = KonfigDateiLesen(konfig, d.konfig); rc != 0) return Fehler(err, rc);
        KennlinieEintragen(graph, d);
        kopf.titel = QStringLiteral("Kennlinienregler");
        kopf.kommentar = Text(d.kurve.kommentar);
    } else {
        kurvengenerator::Kurvensatz s;
        const kurvengenerator::LadeErgebnis e = KurvenLaden(s, dateien[0], KonfigStandardwerte());
        if (e.code != 0) return Fehler(err, e.code);
        KonfigDaten k = e.konfig;
        if (!konfig.empty())
            if (const int rc = KonfigDateiLesen(konfig, k); rc != 0) return Fehler(err, rc);
        KurvenEintragen(graph, s, k);
        kopf.titel = QStringLiteral("Kurvengenerator: Kurve 1 rot, 2 grün, 3 blau, 4 violett");
        kopf.kommentar = Text(s.kurven[0].kommentar);
    }
    const int rc = BildSpeichern(bild, *groesse, kopf,
                                 [&graph](QPainter& p, QSize g, double strich) { graph.Zeichnen(p, g, strich); });
    return rc == 0 ? 0 : Fehler(err, rc);
}
