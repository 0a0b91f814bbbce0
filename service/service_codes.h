#pragma once
// Result codes of the service's replies. Zero or more is success; a negative code comes with a
// message (CP949) in field 1.

#include <string>

namespace kesto::service {

enum class ServiceCode : int {
    Ok = 0,
    LoginFailed = -1,
    UnknownCommand = -9001,
    TooFewFields = -9002,
    BodyTooLarge = -9003,
    BadEncoding = -9004,
    NotFound = -9005,
    NotEnoughCash = -9006,
    BadValue = -9007,
    StoreFailure = -9008,
    NotServiceable = -9009,
    DoubleLogin = -10104,
    ExpiredKey = -20000,
};

class ServiceCodes {
public:
    // The CP949 message sent with a negative code.
    static const std::string& message(ServiceCode code);
    static int number(ServiceCode code) { return static_cast<int>(code); }
};

} // namespace kesto::service
