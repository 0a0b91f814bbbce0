#pragma once
// The four tables the host hands to the module with entry 14.

#include "include/kesto/panel_api.h"

#include <array>

namespace kesto {

class HostTables {
public:
    HostTables();

    KestoHostTable skin() { return skin_.data(); }
    KestoHostTable network() { return network_.data(); }
    KestoHostTable serviceA() { return serviceA_.data(); }
    KestoHostTable serviceB() { return serviceB_.data(); }

private:
    std::array<KestoHostFn, KESTO_SKIN_TABLE_SIZE> skin_{};
    std::array<KestoHostFn, KESTO_NET_TABLE_SIZE> network_{};
    std::array<KestoHostFn, KESTO_SERVICE_A_TABLE_SIZE> serviceA_{};
    std::array<KestoHostFn, KESTO_SERVICE_B_TABLE_SIZE> serviceB_{};
};

} // namespace kesto
