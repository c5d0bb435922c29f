#pragma once
// Reading the pictures back: the lines of an SVG with their stroke colour,
// the pages of a PDF.
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

struct SvgLinie {
    QString farbe; // stroke in force, "#ff0000"
    std::vector<QPointF> punkte;
};

struct SvgInhalt {
    bool gueltig = false;
    QString fehler;
    std::vector<SvgLinie> linien; // polylines and paths
    QStringList texte;
    int rasterbilder = 0; // <image> elements
};

inline std::vector<QPointF> SvgPunkte(const QString& text) {
    std::vector<QPointF> punkte;
    static const QRegularExpression zahl(QStringLiteral("-?[0-9]+(?:\\.[0-9]+)?(?:e-?[0-9]+)?"));
    std::vector<double> z;
    for (auto it = zahl.globalMatch(text); it.hasNext();) z.push_back(it.next().captured().toDouble());
    for (std::size_t i = 0; i + 1 < z.size(); i += 2) punkte.emplace_back(z[i], z[i + 1]);
    return punkte;
}

inline SvgInhalt SvgLesen(const QString& pfad) {
    SvgInhalt s;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        s.fehler = "nicht lesbar";
        return s;
    }
    QXmlStreamReader xml(&f);
    std::vector<QString> striche{QString()};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto attr = xml.attributes();
            QString strich = attr.hasAttribute("stroke") ? attr.value("stroke").toString() : striche.back();
            striche.push_back(strich);
            const auto name = xml.name();
            if (name == QLatin1String("polyline"))
                s.linien.push_back({strich, SvgPunkte(attr.value("points").toString())});
            else if (name == QLatin1String("path"))
                s.linien.push_back({strich, SvgPunkte(attr.value("d").toString())});
            else if (name == QLatin1String("image"))
                ++s.rasterbilder;
            else if (name == QLatin1String("text")) {
                // Reads up to its end element, which the loop then never sees.
                s.texte << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                striche.pop_back();
            }
        } else if (xml.isEndElement()) {
            striche.pop_back();
        }
    }
    s.gueltig = !xml.hasError();
    if (xml.hasError()) s.fehler = xml.errorString();
    return s;
}

// Page objects, not the page tree ("/Type /Pages").
inline int PdfSeiten(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray d = f.readAll();
    if (!d.startsWith("%PDF-")) return -1;
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int n = 0;
    for (auto it = seite.globalMatch(QString::fromLatin1(d)); it.hasNext(); it.next()) ++n;
    return n;
}
