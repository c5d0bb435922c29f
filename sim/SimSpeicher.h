#pragma once
// The box's 64 KiB curve memory and its mode register, optionally kept in a
// file ("EEPROM") that survives restarts of the simulator.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class SimSpeicher {
  public:
    static constexpr std::size_t kGroesse = 65536;
    using Abbild = std::array<std::uint8_t, kGroesse>;

    SimSpeicher();

    // Binds the memory to a file: loads it if it exists (65536 memory bytes
    // followed by the mode byte), otherwise starts erased. False with a
    // message when the file exists but cannot be used: not a regular file,
    // unreadable, or of another size (checked before anything is read).
    bool DateiVerwenden(const std::string& pfad, std::string& fehler);
    // Takes the memory and the mode from the content of such a file; false
    // with a message (and nothing changed) if it has another size.
    bool InhaltUebernehmen(std::string_view inhalt, std::string& fehler);
    // Writes the file if something changed since the last call. The file is
    // replaced by a renamed temporary, so a crash leaves the old or the new
    // contents, never a mixture. False if writing failed.
    bool Sichern();

    const Abbild& Bytes() const { return bytes_; }
    void Schreiben(std::size_t start, const std::uint8_t* daten, std::size_t anzahl);
    std::uint8_t Modus() const { return modus_; }
    void ModusSetzen(std::uint8_t modus);
    // Counts every change; readers use it to cache derived data.
    unsigned long Version() const { return version_; }
    bool Geaendert() const { return geaendert_; }

  private:
    Abbild bytes_;
    std::uint8_t modus_ = 0;
    std::string datei_;
    bool geaendert_ = false;
    unsigned long version_ = 0;
};
