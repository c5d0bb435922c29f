#include "kern/RegulaereDatei.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::FILE* RegulaereDateiOeffnen(const std::string& pfad) {
    // O_NONBLOCK: opening a FIFO without a writer must not hang before the type check.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* datei = ::fdopen(fd, "rb");
    if (!datei) ::close(fd);
    return datei;
}

std::uint64_t DateiGroesse(std::FILE* datei) {
    struct stat st {};
    return ::fstat(::fileno(datei), &st) == 0 && st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

bool RegulaereDateiLesen(const std::string& pfad, std::size_t maxBytes, std::string& inhalt) {
    std::FILE* datei = RegulaereDateiOeffnen(pfad);
    if (!datei) return false;
    const std::uint64_t groesse = DateiGroesse(datei);
    bool gut = groesse <= maxBytes;
    std::string gelesen;
    if (gut) gelesen.reserve(static_cast<std::size_t>(groesse));
    char puffer[65536];
    // Up to the end, in case the file changed since its size was taken.
    while (gut) {
        const std::size_t n = std::fread(puffer, 1, sizeof puffer, datei);
        if (n == 0) break;
        gut = gelesen.size() + n <= maxBytes;
        gelesen.append(puffer, n);
    }
    gut = gut && std::ferror(datei) == 0;
    std::fclose(datei);
    if (gut) inhalt = std::move(gelesen);
    return gut;
}
