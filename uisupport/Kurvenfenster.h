#pragma once
// Common frame of the two curve windows ("Kurvengenerator", "Kennlinienregler"):
// toolbar, "Hilfe" menu with the help toggle and the pin assignment, the
// Start/Stopp buttons of the connection window, error indicator and link picture.
#include "uisupport/Werkzeugfenster.h"

#include <QColor>

class QAction;
class QLabel;
class QPushButton;
class QToolBar;
class QVBoxLayout;

// "Mit DLM-7 vergleichen" looks the same in both curve windows: the box's
// curve grey behind the editor's, the differing ranges framed and drawn orange.
namespace vergleichsbild {
inline constexpr const char* kTitel = "Mit DLM-7 vergleichen";
inline const QColor kBox(170, 170, 170);
inline const QColor kAbweichung(255, 120, 0);
inline const QColor kBand(255, 120, 0, 140);
// "1 Unterschied", "3 Unterschiede".
inline QString UnterschiedeText(int n) {
    return n == 1 ? QStringLiteral("1 Unterschied") : QStringLiteral("%1 Unterschiede").arg(n);
}
} // namespace vergleichsbild

class Kurvenfenster : public Werkzeugfenster {
    Q_OBJECT
  public:
    Kurvenfenster(const QString& name, const QString& pinbelegung, const QString& zurueckText, QWidget* eltern);

    QAction* direkthilfeAktion() const { return direkthilfe_; }
    QToolBar* werkzeugleiste() const { return leiste_; }

    QPushButton* startKnopf() const { return start_; }
    QPushButton* stoppKnopf() const { return stopp_; }

    // In help mode: shows the command's help bubble at the pointer and returns
    // true, and the caller does nothing else; false outside help mode.
    bool HilfeStatt(const char* text);

    // The message line under the window: confirms a finished transfer without
    // a popup; an empty text clears it.
    void Bestaetigen(const QString& text);
    QString bestaetigung() const;

    // Unsaved work; the curve model sets it with every edit.
    bool geaendert() const { return geaendert_; }
    void GeaendertSetzen(bool g) { geaendert_ = g; }

  protected:
    // The exit question; speichern saves to the current file.
    int AbbruchFrage(const QString& dateiname, const std::function<int()>& speichern);
    QVBoxLayout* arbeitsflaeche() const { return flaeche_; }

  private:
    void HilfeUmschalten();

    QToolBar* leiste_;
    QMenu* hilfe_;
    QAction* direkthilfe_;
    QPushButton* start_;
    QPushButton* stopp_;
    QVBoxLayout* flaeche_;
    QLabel* bestaetigung_;
    bool geaendert_ = false;
};
