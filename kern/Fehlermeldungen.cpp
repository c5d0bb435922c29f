#include "kern/Fehlermeldungen.h"

#include <array>

int sgSprache = 1;

namespace {

struct Eintrag {
    int kategorie;
    const char* deutsch;
    const char* englisch;
};

// Only the categories the program can produce, plus the silent one and two
// texts kept for files of the sibling devices; any other category falls back
// to the text for unknown errors.
constexpr std::array kKatalog{
    Eintrag{0, "Es ist kein Fehler aufgetreten", "No error"},
    Eintrag{-6, "", ""},
    Eintrag{-100, "Fehler beim öffnen der seriellen Schnittstelle", "Error opening com-port"},
    Eintrag{-101, "Fehler beim schreiben auf die serielle Schnittstelle", "Error writing to COM Port"},
    Eintrag{-103, "Fehler beim schliesen der seriellen Schnittstelle", "Error closing com-port"},
    Eintrag{-111, "Konnte kein Timeout für die serielle Schnittstelle setzten", "Unable to set com-port timeout"},
    Eintrag{-112, "Fehler beim Leeren des Schreib- oder Leesepuffers der seriellen Schnittstelle",
            "Error flushing read- or writebuffer for com-port"},
    Eintrag{-114, "Keine oder nicht alle Zeichen konnten auf die serielle Schnittstelle geschrieben werden",
            "Was not able to write any or all characters to a com-port"},
    Eintrag{-122, "Serielle Schnittstelle ist nicht geöffnet", "COM-port not open"},
    Eintrag{-123, "Fehler beim Leeren des Schreibpuffers der seriellen Schnittstelle",
            "Error flushing writebuffer of com-port"},
    Eintrag{-124, "Fehler beim Leeren des Lesepuffers der seriellen Schnittstelle",
            "Error flushing readbuffer of com-port"},
    Eintrag{-125, "Unzulässige Baudrate", "Invalid Baudrate"},
    // Our own: the device left the line (adapter pulled, box switched off).
    Eintrag{-127, "Verbindung zur seriellen Schnittstelle unterbrochen (Gerät entfernt?)",
            "Connection to com-port lost (device removed?)"},
    Eintrag{-202, "Fehler beim Formatieren der Werte", "Error formating values"},
    Eintrag{-301, "Fehler beim Schreiben auf Datei", "Error writing to file"},
    Eintrag{-303, "Die Datei hat die falsche Versionsnummer", "Wrong fileversion"},
    Eintrag{-304, "Fehler beim Lesen der Datei", "Error reading from file"},
    Eintrag{-308, "Fehler beim Öffnen der Datei", "Error opening file"},
    Eintrag{-312, "Aus Datei gelesene Daten haben nicht das erwartete Format",
            "Data read from a File does not have the expected format"},
    Eintrag{-317, "Fehler beim Aufrufen des Dateiauswahlfensters", "Error calling the fileselect window"},
    Eintrag{-400, "Unzulässige Geräteadresse", "invalid deviceaddress"},
    Eintrag{-401, "Unzulässiger Parameter", "invalid parameter"},
    Eintrag{-402, "Fehlermeldung (NAK) vom Gerät erhalten", "Errormessage (NAK) received from device"},
    Eintrag{-403, "Keine Antwort vom Gerät", "No answer from device"},
    Eintrag{-404, "Fehlerhafte Antwort vom Gerät", "Wrong answer from device"},
    Eintrag{-405, "Befehlsausführung momentan nicht möglich (CAN erhalten)",
            "Command not possible at the moment (CAN received)"},
    Eintrag{-406, "Checksummenfehler bei der Übertragung", "Checksumm error at transmission"},
    Eintrag{-500, "Parameter außerhalb der Grenzwerte", "Parameter out of limits"},
    Eintrag{-510, "Ungültiger Wert.", "Value invalid."},
    Eintrag{-600, "Speicherreservierung fehlgeschlagen", "Error allocating memory"},
    Eintrag{-653, "Toolbar konnte nicht erstellt werden", "Could not create toolbar"},
    Eintrag{-800, "Fehler beim schreiben in die INI-Datei", "Error writing to INI-File"},
    Eintrag{-801, "Fehler beim lesen der INI-Datei", "Error reading from INI-File"},
    Eintrag{-802, "INI-Datei nicht gefunden", "INI-File not found"},
    Eintrag{-894, "Ungültige Startadresse.", "Invalid startingadress."},
    Eintrag{-895, "Ungültige Speichergröße.", "Invalid memorysize."},
    Eintrag{-896, "Ungültiger Speichertyp.", "Invalid memorytype."},
    Eintrag{-897, "Checksummenfehler im EEPROM Speicher.", "Checksummerror in EEPROM memory."},
    Eintrag{-1017, "Die Datei ist keine PLN-6 Kurvendatei.", "File is no PLN-6 curvefile."},
    Eintrag{-1018, "In der DLM-7 Box sind keine Kurven gespeichert.", "There are no curves in DLM-7 memory."},
    Eintrag{-1019, "Speicherinhalt fehlerhaft.", "memory content incorect."},
    Eintrag{-1020, "Die Datei ist keine DLM-7 Kurvendatei.", "File is not a DLM-7 Curvefile."},
    Eintrag{-1021, "Die Datei ist keine DLM-7 Konfigurationsdatei.", "File is not a DLM-7 Configurationfile."},
    Eintrag{-1022, "Die Daten sind fehlerhaft und können nicht zur DLM-7 geschrieben werden.",
            "Data invalid. Cant't write to DLM-7."},
    Eintrag{-1023, "Nicht genug Speicherplatz auf der DLM-7.", "Not enought memory in the DLM-7."},
    Eintrag{-1024, "Kurvennummer ungültig.", "Invalid curvenumber."},
    Eintrag{-1025, "Die Datei ist keine DLM-7 Kennliniendatei.", "File is not a DLM-7 Curvefile."},
    Eintrag{-1026, "Im DLM-7 sind keine Kennlinien gespeichert.", "There are no curves in DLM-7 memory."},
    // Our own: a transfer the user cancelled between two blocks.
    Eintrag{-1027, "Übertragung abgebrochen. Die Daten in der DLM-7 sind unvollständig.",
            "Transfer cancelled. The data in the DLM-7 are incomplete."},
    Eintrag{-1028, "Lesen abgebrochen. Es wurde nichts übernommen.", "Reading cancelled. Nothing was taken over."},
    // Our own: checks after a write to the box's memory.
    Eintrag{-1031, "Die DLM-7 meldet nach dem Schreiben Fehlerbits.", "The DLM-7 reports error bits after writing."},
    Eintrag{-1032, "Prüfung nach dem Schreiben: Die Daten in der DLM-7 weichen von den gesendeten ab.",
            "Check after writing: the data in the DLM-7 differ from those sent."},
};

constexpr const char* kUnbekanntDeutsch = "Ein unbekannter Fehler ist aufgetreten";
constexpr const char* kUnbekanntEnglisch = "A unknown error occured";

} // namespace

const char* QAV_Fehlermeldung(int code) {
    const bool englisch = sgSprache == 2;
    const int kategorie = FehlerKategorie(code);
    const char* text = englisch ? kUnbekanntEnglisch : kUnbekanntDeutsch;
    for (const auto& e : kKatalog) {
        if (e.kategorie == kategorie) {
            text = englisch ? e.englisch : e.deutsch;
            break;
        }
    }
    return text;
}

void QAV_Fehlersprache(int sprache) { sgSprache = sprache; }
