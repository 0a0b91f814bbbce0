#pragma once
// The running drags of this process, by serial: a drag's data names only its serial and the
// process's token, what it carries stays here as bytes. The table hangs on the application
// object and holds nothing but Qt's own types, so every copy of this code in the process (the
// module and a program that links the same rooms) shares it, and it never outlives the code
// that made it. GUI thread only.

#include <QByteArray>

#include <cstdint>

namespace kesto {

class ProcessDragTable {
public:
    // The process's token, made by fresh at the first call; 0 when there is no application.
    static std::uint64_t token(std::uint64_t (*fresh)());
    // Keeps the bytes under a new serial until forget; 0 when there is no application.
    static std::uint64_t keep(const QByteArray& entry);
    static void forget(std::uint64_t serial);
    // The bytes of a running drag; null when the serial names none.
    static QByteArray entry(std::uint64_t serial);
};

} // namespace kesto
