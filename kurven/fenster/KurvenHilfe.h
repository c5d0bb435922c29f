#pragma once
// Help texts of the "Kurvengenerator" window, shown in help mode instead of acting.
namespace KgHilfe {

inline constexpr const char* Graph = "Graphische Darstellung der Kurven, die die DLM-7 ausgeben soll.\n"
                                     "Rote Linien      = intern gespeicherte Geraden. \n"
                                     "Blaue Linien    = digitalisierte Geraden wie sie tatsächlich ausgegeben werden.\n"
                                     "Hellrote Linie   = letztes Geradenstück (siehe unten)\n"
                                     "Hellblaue Linie = digitalisiertes letztes Geradenstück (siehe unten)\n\n"
                                     "Das 'letzte Geradenstück':\n"
                                     "Am Ende der Gesammtkurve ist immer ein Geradenstück mit der\n"
                                     "Länge Eins und der Zeitbasis des letzten gezeichneten Punktes\n"
                                     "(Zeitbasis kann mit 'Zeitbasis ändern' geändert werden). Es\n"
                                     "dient dazu, den letzten Punkt  mit dem ersten Punkt zu verbinden\n"
                                     "wegen der zyklischen Abarbeitung der Kurven muß das Kurvenende\n"
                                     "immer in den Kurvenanfang übergehen).\n"
                                     "Dieses Geradenstück wird wie der Rest der der Kurve von der DLM-7\n"
                                     "ausgegeben, es wird jedoch beim Zeichnen eines neuen Kurvenabschnitts\n"
                                     "automatisch gelöscht und in evtl. veränderter Form neu erstellt.";
inline constexpr const char* KommentarKnopf = "Öffnet das Kommentarfeld zu der aktuellen Kurve.";
inline constexpr const char* KommentarZeile = "Die erste Zeile des Kurvenkommentars.";
inline constexpr const char* Koordinaten =
    "Anzeige der Punktkoordinaten und der Zeitbasis für\n'Punkt setzen', 'Punkt verschieben', und 'Koordinaten\n"
    "und Zeitbasis anzeigen'.";
inline constexpr const char* YRaster = "Raster zum Zeichnen der Punkte\nin Y-Richtung.";
inline constexpr const char* Speicher =
    "Zeigt an, wieviel Speicher die aktuellen Kurven im\nDLM-7 belegen, wenn man sie dorthin überträgt.";
inline constexpr const char* Uebersicht =
    "Ansicht der Kurven in volle Länge.\nRoter Rahmen = Ausschnitt der in der großen\n"
    "                           Grafik dargestellt wird.";
inline constexpr const char* Zyklen = "Gibt an, wie oft die DLM-7 die Kurve hintereinander ausgeben soll.\n"
                                      "Wird hier Null eingegeben, wird die Kurve endlos wiederholt (bis\n"
                                      "die Stopp-Taste gedrückt wird).\n"
                                      "Die Zyklenzahl kann für jede Kurve unabhängig eingestellt werden.";
inline constexpr const char* Ruhewert =
    "Der Wert, auf dem der Ausgang der DLM-7\nstehenbleibt, wenn die Kurve beendet ist,\n"
    "in der Einheit, die im Fenster 'Konfiguration'\neingestellt wurde.";
inline constexpr const char* YZoom = "Skaliert die Y-Achse des Graphen.";
inline constexpr const char* Senden =
    "Überträgt die Kurven zur DLM-7.\nDie bis dahin in der DLM-7 gespeicherten\nKurven werden damit überschrieben.";
inline constexpr const char* Lesen =
    "Ließt die in der DLM-7 gespeicherten Kurven aus.\nDie aktuellen Kurven in DLM7-Steuerung werden\n"
    "damit überschrieben.";
inline constexpr const char* Ring =
    "Die Zeitbasis, mit der ein neuer Punkt erstellt wird.\nKleine Zeitbasen erlauben schnellere "
    "Signalwechsel.\nMit großen Zeitbasen können Signalverläufe über größere\nZeiträume realisiert werden.";
inline constexpr const char* Neu = "Löscht alle Kurven.";
inline constexpr const char* Laden = "Lädt Kurven aus einer Datei.";
inline constexpr const char* Anhaengen =
    "Lädt Kurven aus einer Datei und hängt sie an die bereits\nbestehenden Kurven an.";
inline constexpr const char* Speichern = "Speichert die Kurven in eine Datei.";
inline constexpr const char* SpeichernUnter = "Speichert die Kurven unter einem\nneuen Dateinamen.";
inline constexpr const char* Importieren = "Importiert Kurven aus dem Textformat.";
inline constexpr const char* Exportieren = "Exportiert die Kurven ins Textformat.";
inline constexpr const char* CsvExportieren = "Schreibt die Abtastwerte, die die DLM-7 für diese Kurven\n"
                                              "abspielen würde, als CSV-Datei für Tabellenkalkulationen:\n"
                                              "Kurve, Zeit in Sekunden, Wert roh und in der Einheit.";
inline constexpr const char* Ausschneiden = "Löscht das markierte Kurvenstück und speichert\nes im Zwischenspeicher.";
inline constexpr const char* Kopieren = "Kopiert das markierte Kurvenstück\nin den Zwischenspeicher.";
inline constexpr const char* Einfuegen =
    "Fügt das Kurvenstück im Zwischenspeicher an der\nPosition, an der die Markierung steht, in die Kurve\n"
    "ein. Geht die Markierung vollständig über eine oder\nmehrere Geradenabschnitte, so werden diese gelöscht\n";
inline constexpr const char* Loeschen =
    "Löscht den markierten Kurvenabschnitt.\nDie Länge der Gesammtkurve ändert sich damit";
inline constexpr const char* AllesMarkieren = "Markiert die gesammte Kurve.";
inline constexpr const char* Rueckgaengig = "Macht den letzten Bearbeitungsschritt rückgängig.";
inline constexpr const char* Wiederherstellen =
    "Stellt den letzten rückgängig gemachten\nBearbeitungsschritt wieder her.";
inline constexpr const char* Markieren = "Markieren eines Kurventeils.";
inline constexpr const char* Zeichnen =
    "Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve.\nDie Zeitbasis des neuen Kurventeils "
    "entspricht der in der\nZeitbasis-Liste ausgewählten Zeitbasis.";
inline constexpr const char* Verschieben =
    "Verschiebt einen bestehenden Kurvenpunkt.\nEin Punkt kann nur innerhalb der vorigen und nächsten\n"
    "Gerade verschoben werden, und nur in Schritten, die dem\ngrößeren Zeitraster der angrenzenden Geraden "
    "entsprechen.";
inline constexpr const char* KoordinatenAendern =
    "Durch anklicken eines Kurvenpunktes erscheint ein Fenster mit\nden Punktkoordinaten. Die Koordinaten können "
    "geändert werden,\naber nur innerhalb der gleichen Grenzen wie bei 'Punkt verschieben'.";
inline constexpr const char* Anzeigen =
    "Wird der Mauszeiger bei gedrückter linker Maustaste über die\nKurvengrafik bewegt, so werden die Koordinaten "
    "und die Zeitbasis\nan der Mausposition angezeigt.\nGleichzeitig werden in der Kurvengrafik Linien gezeichnet, "
    "die die\nÜbergänge von einer Zeitbasis in eine andere kennzeichnen.";
inline constexpr const char* Aufloesen = "Löscht einen Kurvenpunkt.\nDie Gesammtlänge der Kuve bleibt unverändert.";
inline constexpr const char* Teilen = "Teilt eine Gerade indem ein zusätzlicher\nPunkt eingefügt wird.";
inline constexpr const char* Zeitbasis =
    "Für den Kurventeil, der mit der Maus angeklickt wird, kann\neine neue Zeitbasis gewählt werden.\n"
    "Die Länge der Geraden wird nicht verändert (Ausnahme: letztes\nGeradenstück).\nDie neue Zeitbasis muß ein "
    "ganzzahliges Vielfaches der\nGeradenlänge sein (Ausnahme: letztes Geradenstück).";
inline constexpr const char* Laenge =
    "Ändert die Länge einer Geraden, ohne deren Zeitbasis zu verändern.\nDie Länge der Gesammtkurve ändert sich "
    "dabei.";
inline constexpr const char* ZoomPlus = "Vergrößert die Grafik.";
inline constexpr const char* ZoomMinus = "Verkleinert die Grafik.";
inline constexpr const char* ZoomMarkierung = "Vergrößert die Grafik auf den markierten Bereich.";
inline constexpr const char* ZoomGesamt =
    "Vergrößert oder verkleinert die Grafik so, daß die aktuell\naktive Kurve vollständig ins Grafikfenster paßt.";
inline constexpr const char* KurveWaehlen = "Wählt eine Kurve zum bearbeiten aus.";
inline constexpr const char* Hintergrund =
    "Wählt aus, welche Kurven (außer der aktuellen Kurve)\nim Hintergrund der Grafik angezeigt werden sollen.";
inline constexpr const char* Darstellung =
    "Darstellungsarten für die Kurven:\n- Linien: Nur die intern gespeicherten Geraden (schnellerer\n"
    "              Grafikaufbau)\n- Stufen: Die digitalisierten Geraden, wie sie tatächlich\n"
    "               von der DLM-7 ausgegeben werden.\n- Lin+St: Linien und Geraden gleichzeitig.";

} // namespace KgHilfe
