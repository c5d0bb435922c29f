#include "uisupport/Bildexport.h"

#include "kern/IniDatei.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

constexpr int kRand = 12; // around the heading, logical pixels

QString ErsteZeile(const QString& text) { return text.section(QLatin1Char('\n'), 0, 0).trimmed(); }

} // namespace

std::optional<Bildformat> BildformatVon(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("png")) return Bildformat::Png;
    if (endung == QLatin1String("svg")) return Bildformat::Svg;
    if (endung == QLatin1String("pdf")) return Bildformat::Pdf;
    return std::nullopt;
}

std::optional<QSize> BildgroesseLesen(const QString& text) {
    const QStringList teile = text.split(QLatin1Char('x'));
    if (teile.size() != 2) return std::nullopt;
    bool okB = false, okH = false;
    const int b = teile[0].toInt(&okB), h = teile[1].toInt(&okH);
    // toInt takes a sign and blanks; a size is digits only.
    auto ziffern = [](const QString& s) {
        return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
    };
    if (!okB || !okH || !ziffern(teile[0]) || !ziffern(teile[1])) return std::nullopt;
    if (b < kBildMin || b > kBildMax || h < kBildMin || h > kBildMax) return std::nullopt;
    return QSize(b, h);
}

QStringList BildFilter() {
    return {QStringLiteral("PNG-Bild (*.png)"), QStringLiteral("SVG-Grafik (*.svg)"),
            QStringLiteral("PDF-Dokument (*.pdf)")};
}

void BildMalen(QPainter& p, QSize groesse, double strich, const Bildkopf& kopf, const Bildinhalt& inhalt) {
    p.save();
    p.fillRect(QRect(QPoint(), groesse), Qt::white);
    // Fonts in pixels, so the heading keeps its size on any device resolution.
    QFont normal = QApplication::font();
    normal.setPixelSize(QFontInfo(QApplication::font()).pixelSize());
    QFont fett = normal;
    fett.setBold(true);
    fett.setPixelSize(normal.pixelSize() * 4 / 3);
    const QFontMetrics fmFett(fett), fm(normal);
    const int breite = groesse.width() - 2 * kRand;
    const QString datum =
        kopf.datum.isEmpty() ? QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")) : kopf.datum;

    int y = kRand;
    p.setPen(Qt::black);
    p.setFont(normal);
    p.drawText(QRect(kRand, y, breite, fmFett.height()), Qt::AlignRight | Qt::AlignVCenter, datum);
    p.setFont(fett);
    const int platzTitel = breite - fm.horizontalAdvance(datum) - kRand;
    p.drawText(QRect(kRand, y, platzTitel, fmFett.height()), Qt::AlignLeft | Qt::AlignVCenter,
               fmFett.elidedText(kopf.titel, Qt::ElideRight, platzTitel));
    y += fmFett.height() + 2;
    p.setFont(normal);
    QStringList zeilen;
    if (!kopf.datei.isEmpty()) zeilen << QStringLiteral("Datei: %1").arg(QFileInfo(kopf.datei).fileName());
    if (const QString k = ErsteZeile(kopf.kommentar); !k.isEmpty()) zeilen << k;
    for (const QString& z : zeilen) {
        p.drawText(QRect(kRand, y, breite, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(z, Qt::ElideRight, breite));
        y += fm.height();
    }
    y += kRand / 2;
    p.restore();

    p.save();
    p.translate(0, y);
    inhalt(p, QSize(groesse.width(), std::max(1, groesse.height() - y)), strich);
    p.restore();
}

int BildSpeichern(const QString& pfad, QSize groesse, const Bildkopf& kopf, const Bildinhalt& inhalt) {
    const std::optional<Bildformat> format = BildformatVon(pfad);
    if (!format) return BildFehler::Format;
    if (groesse.width() < kBildMin || groesse.width() > kBildMax || groesse.height() < kBildMin ||
        groesse.height() > kBildMax)
        return BildFehler::Groesse;

    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    switch (*format) {
    case Bildformat::Png: {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            BildMalen(p, groesse, 0.0, kopf, inhalt);
        }
        if (!bild.save(&puffer, "PNG")) return BildFehler::Schreiben;
        break;
    }
    case Bildformat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(groesse);
        svg.setViewBox(QRect(QPoint(), groesse));
        svg.setResolution(96);
        svg.setTitle(kopf.titel);
        QPainter p(&svg);
        BildMalen(p, groesse, 1.0, kopf, inhalt);
        break;
    }
    case Bildformat::Pdf: {
        // 96 dpi: one PDF unit per pixel of the asked size, one page exactly that large.
        QPdfWriter pdf(&puffer);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(groesse.width() / 96.0, groesse.height() / 96.0), QPageSize::Inch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(kopf.titel);
        pdf.setCreator(QStringLiteral("dlm7dSteuerung"));
        QPainter p;
        if (!p.begin(&pdf)) return BildFehler::Schreiben;
        BildMalen(p, groesse, 1.0, kopf, inhalt);
        p.end();
        break;
    }
    }
    puffer.close();
    switch (DateiErsetzen(QFile::encodeName(pfad).toStdString(),
                          std::string_view(daten.constData(), std::size_t(daten.size())))) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return BildFehler::Oeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: return BildFehler::Schreiben;
    }
    return BildFehler::Schreiben;
}

bool BildDrucken(QPrinter& drucker, QSize groesse, const Bildkopf& kopf, const Bildinhalt& inhalt) {
    QPainter p;
    if (!p.begin(&drucker)) return false;
    // The painter starts at the printable area's corner, in device pixels.
    const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const double massstab = std::min(seite.width() / groesse.width(), seite.height() / groesse.height());
    p.scale(massstab, massstab);
    BildMalen(p, groesse, 1.0, kopf, inhalt);
    return p.end();
}
