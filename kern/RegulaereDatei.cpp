#include "kern/RegulaereDatei.h"

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
