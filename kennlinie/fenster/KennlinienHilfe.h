#pragma once
// Help texts of the "Kennlinienregler" window, shown in help mode instead of acting.
namespace KennlHilfe {

inline constexpr const char* Graph = "Graphische Darstellung der Kennlinie, die die DLM-7 ausgeben soll.\n"
                                     "Rote Linien      = intern gespeicherte Geraden. \n"
                                     "Blaue Linien    = digitalisierte Geraden wie sie tatsächlich ausgegeben werden.\n"
                                     "Hellrote Linie   = ggf. Ergänzungsstück bis zum Bereichsende\n"
                                     "Hellblaue Linie = digitalisiertes Ergänzungsstück";
inline constexpr const char* Vorschau = "Die erste Zeile des Kurvenkommentars.";
inline constexpr const char* Kommentar = "Öffnet das Kommentarfeld.";
inline constexpr const char* Anzeige = "Anzeige der Punktkoordinaten.";
inline constexpr const char* Raster = "Raster zum Zeichnen der Punkte.\n"
                                      "Die Einheit der Rasterpunkte ist die Einheit, die\n"
                                      "im Fenster 'Konfiguration' für den Eingang 1 (X-Richtung)\n"
                                      "bzw für den Ausgang 1 (Y-Richtung) eingestellt wurde.";
inline constexpr const char* YZoom = "Skaliert die Y-Achse des Graphen.";
inline constexpr const char* Begrenzung = "Dem Ausgang 2 kann ein fester Wert zugewiesen werden,\n"
                                          "der während der Kennlinienregelung ausgegeben wird\n"
                                          "(z.B. zur Strombegrenzung). Der Wert muß in der Einheit\n"
                                          "angegeben werden, die im Fenster 'Konfiguration' für\n"
                                          "den Ausgang 2 eingestellt wurde.";
inline constexpr const char* Anstiegszeit = "Der Kennlinienausgang wird so verzögert, daß er\n"
                                            "die hier eingestellte Zeit benötigt, um von 0 auf\n"
                                            "100% anzusteigen (oder abzufallen).\n"
                                            "Diese Einstellung dient zur Unterdrückung von\n"
                                            "Schwingungen.";
inline constexpr const char* GraphKlein = "Ansicht der Kennlinie in volle Länge.\n"
                                          "Roter Rahmen = Ausschnitt der in der großen\n"
                                          "                           Grafik dargestellt wird.";
inline constexpr const char* Schreiben = "Überträgt die Kennlinie zur DLM-7\n"
                                         "in den Speicherplatz der im Feld\n"
                                         "'Kurve Nr.' angegeben ist.";
inline constexpr const char* Lesen = "Ließt eine Kennlinie, aus dem im Feld 'Kurve Nr.'\n"
                                     "angegebenen Speicherplatz, aus der DLM-7 aus.";
inline constexpr const char* KurvenNr = "Die Nummer des Speicherplatzes der bei den Vorgängen\n"
                                        "'zu DLM-7 schreiben' und 'von DLM-7 lesen' beschrieben\n"
                                        "bzw. gelesen werden soll.";
inline constexpr const char* Ausgang4 = "Setzt Ausgang 4 der DLM-7 auf die Auswahlspannung,\n"
                                        "für die in 'Kurve Nr.' eingestellte Kennlinie.\n"
                                        "Damit wird diese Kennlinie ausgewählt, falls an\n"
                                        "der DLM-7 Ausgang 4 mit dem Kennlinienauswahl-\n"
                                        "Eingang (Eingang 3) verbunden wurde.";
inline constexpr const char* Neu = "Löscht die Kennlinie.";
inline constexpr const char* Laden = "Lädt eine Kennlinie aus einer Datei.";
inline constexpr const char* Speichern = "Speichert die Kennlinie in eine Datei.";
inline constexpr const char* SpeichernUnter = "Speichert die Kennlinie unter einem\n"
                                              "neuen Dateinamen.";
inline constexpr const char* Importieren = "Importiert eine Kennlinie aus dem Textformat.";
inline constexpr const char* Exportieren = "Exportiert die Kennlinie ins Textformat.";
inline constexpr const char* CsvExportieren = "Schreibt die Tabelle, die die DLM-7 für diese Kennlinie\n"
                                              "hält, als CSV-Datei für Tabellenkalkulationen: 4096 Zeilen\n"
                                              "mit Eingang und Ausgang roh und in ihren Einheiten.";
inline constexpr const char* Rueckgaengig = "Macht den letzten Bearbeitungsschritt rückgängig.";
inline constexpr const char* Wiederherstellen = "Stellt den letzten rückgängig gemachten\n"
                                                "Bearbeitungsschritt wieder her.";
inline constexpr const char* Markieren = "Markieren eines Kurventeils.";
inline constexpr const char* Zeichnen = "Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve.";
inline constexpr const char* Verschieben = "Verschiebt einen bestehenden Kurvenpunkt.\n"
                                           "Ein Punkt kann nur innerhalb der vorigen und nächsten\n"
                                           "Gerade verschoben werden.";
inline constexpr const char* KoordinatenAendern =
    "Durch anklicken eines Kurvenpunktes erscheint ein Fenster mit\n"
    "den Punktkoordinaten. Die Koordinaten können geändert werden,\n"
    "aber nur innerhalb der gleichen Grenzen wie bei 'Punkt verschieben'.";
inline constexpr const char* KoordinatenAnzeigen = "Wird der Mauszeiger bei gedrückter linker Maustaste über die\n"
                                                   "Kurvengrafik bewegt, so werden die Koordinaten an der Maus-\n"
                                                   "position angezeigt.";
inline constexpr const char* Aufloesen = "Löscht einen Kurvenpunkt.";
inline constexpr const char* Teilen = "Teilt eine Gerade indem ein zusätzlicher\n"
                                      "Punkt eingefügt wird.";
inline constexpr const char* ZoomPlus = "Vergrößert die Grafik.";
inline constexpr const char* ZoomMinus = "Verkleinert die Grafik.";
inline constexpr const char* ZoomMarkierung = "Vergrößert die Grafik auf den markierten Bereich.";
inline constexpr const char* ZoomGesamt = "Vergrößert oder verkleinert die Grafik so, daß die\n"
                                          "Kennlinie vollständig ins Grafikfenster paßt.";
inline constexpr const char* Darstellung = "Darstellungsarten für die Kurven:\n"
                                           "- Linien: Nur die intern gespeicherten Geraden (schnellerer\n"
                                           "              Grafikaufbau)\n"
                                           "- Stufen: Die digitalisierten Geraden, wie sie tatächlich\n"
                                           "               von der DLM-7 ausgegeben werden.\n"
                                           "- Lin+St: Linien und Geraden gleichzeitig.";

} // namespace KennlHilfe
