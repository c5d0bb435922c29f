// On a screen too small for the windows' layout: no window larger than the
// available area, contents that scroll, a German file dialog under LANG=C.
#include "FensterUmgebung.h"

#include "uisupport/QtDialoge.h"
#include "uisupport/VerbindungsBild.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <clocale>
#include <cstdio>

namespace {

QRect Verfuegbar() { return QApplication::primaryScreen()->availableGeometry(); }

bool Passt(const QWidget* w) { return Verfuegbar().contains(w->frameGeometry()); }

TEST(Bildschirm, KeinFensterGroesserAlsDieVerfuegbareFlaeche) {
    ASSERT_EQ(Verfuegbar().size(), QSize(640, 400));
    FensterUmgebung u; // asks for 1000x720
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    EXPECT_TRUE(Passt(Haupt())) << Haupt()->frameGeometry().width() << "x" << Haupt()->frameGeometry().height();
    EXPECT_LE(Haupt()->minimumWidth(), Verfuegbar().width());
    EXPECT_LE(Haupt()->minimumHeight(), Verfuegbar().height());

    // Enlarged past the screen: the proportion rule stops at its edge.
    Haupt()->resize(3000, 900);
    EXPECT_TRUE(QTest::qWaitFor([] { return Passt(Haupt()); })) << Haupt()->width() << "x" << Haupt()->height();

    // The main window's buttons and every tool window scroll instead of being cut off.
    auto pruefen = [](QWidget* fenster, const char* name) {
        auto* rollen = fenster->findChild<QScrollArea*>();
        ASSERT_NE(rollen, nullptr) << name;
        QWidget* inhalt = rollen->widget();
        const QSize noetig = inhalt->minimumSizeHint();
        EXPECT_GE(inhalt->width(), noetig.width()) << name;
        EXPECT_GE(inhalt->height(), noetig.height()) << name;
        if (noetig.height() > rollen->viewport()->height()) {
            EXPECT_GT(rollen->verticalScrollBar()->maximum(), 0) << name;
        }
    };
    pruefen(Haupt(), "Hauptfenster");
    for (FensterId id :
         {FensterId::Com, FensterId::Konfig, FensterId::Direkt, FensterId::Kurven, FensterId::Kennlinie}) {
        Werkzeugfenster* f = App().panel(id);
        ZeigeChildpanel(id);
        QApplication::processEvents();
        EXPECT_EQ(f->size(), Haupt()->size()) << f->fensterName().toStdString();
        pruefen(f, f->objectName().toLatin1().constData());
        // The link picture is as large as the main window's.
        EXPECT_EQ(f->verbindungsBild()->size(), Haupt()->verbindungsBild()->size()) << f->fensterName().toStdString();
    }
    Info()->adjustSize();
    EXPECT_LE(Info()->width(), Verfuegbar().width());
    EXPECT_LE(Info()->height(), Verfuegbar().height());
}

TEST(Bildschirm, DateidialogAufDeutschAuchUnterLangC) {
    EXPECT_EQ(QLocale::system().language(), QLocale::German);
    EXPECT_EQ(QLocale().language(), QLocale::German);
    // The C library keeps the user's locale: a point in numbers written with printf.
    char zahl[16];
    std::snprintf(zahl, sizeof zahl, "%.1f", 2.5);
    EXPECT_STREQ(zahl, "2.5");

    QTemporaryDir ordner;
    // The file dialog keeps its state in the settings folder: the test's own, removed with it.
    const QByteArray xdgVorher = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", ordner.filePath("xdg").toUtf8());
    QFile datei(ordner.filePath("werte.txt"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(QByteArray(2000, 'x'));
    datei.close();

    QtDialoge dialoge;
    DateiAuswahl a;
    a.titel = "Kennlinie importieren";
    a.muster = "*.txt";
    a.startVerzeichnis = ordner.path();
    QString typ, groesse, abbrechen;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dlg) return;
        auto* modell = dlg->findChild<QFileSystemModel*>();
        QTRY_VERIFY_WITH_TIMEOUT(modell && modell->index(datei.fileName()).isValid() &&
                                     !modell->index(datei.fileName(), 1).data().toString().isEmpty(),
                                 5000);
        groesse = modell->index(datei.fileName(), 1).data().toString();
        typ = modell->index(datei.fileName(), 2).data().toString();
        if (auto* knoepfe = dlg->findChild<QDialogButtonBox*>())
            if (QPushButton* b = knoepfe->button(QDialogButtonBox::Cancel)) abbrechen = b->text();
        dlg->reject();
    });
    EXPECT_EQ(dialoge.Datei(a).art, DateiErgebnis::Art::Abgebrochen);
    if (xdgVorher.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", xdgVorher);
    EXPECT_EQ(typ, "Einfaches Textdokument"); // not "plain text document"
    EXPECT_EQ(groesse, "1,95 KiB");
    EXPECT_EQ(abbrechen, "Abbrechen");
}

} // namespace
