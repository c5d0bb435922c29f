#pragma once
// One axis of a Graph: the fixed visible range in raw values and how its
// labels read in the unit (label = raw * verstaerkung + versatz).
#include <QString>
#include <QVector>

struct GraphAchse {
    double min = 0.0;
    double max = 1.0;
    double verstaerkung = 1.0;
    double versatz = 0.0;
    QString name;

    struct Marke {
        double roh;   // where the tick sits
        QString text; // what it reads, in the unit
    };

    double Einheit(double roh) const { return roh * verstaerkung + versatz; }
    // At most `hoechstens` ticks at round values of the unit, inside the range.
    QVector<Marke> Marken(int hoechstens) const;
};
