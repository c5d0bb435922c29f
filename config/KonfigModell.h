#pragma once
// The I/O configuration in force, owned by the shell and handed to every
// window that converts values. A configuration brought by a file or the
// standard values replace the record at once (the configuration window shows
// it); the other windows rescale only when the configuration is taken over,
// which the configuration window does when it is left.
#include "config/KonfigDaten.h"

#include <QObject>

class KonfigModell : public QObject {
    Q_OBJECT
  public:
    explicit KonfigModell(QObject* eltern = nullptr);

    const KonfigDaten& daten() const { return daten_; }

    // Replaces the record; the configuration window follows at once.
    void Setzen(const KonfigDaten& k);
    void StandardwerteSetzen() { Setzen(KonfigStandardwerte()); }
    // Replaces the record and lets every window rescale.
    void Uebernehmen(const KonfigDaten& k);

  signals:
    void ersetzt();
    void uebernommen();

  private:
    KonfigDaten daten_;
};
