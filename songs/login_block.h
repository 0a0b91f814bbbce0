#pragma once
// The values of the user's log-in that every request carries, loaded from the login reply
// that the host hands over (34 or more VT-separated fields). Zero-filled at start, with
// loginState -1 until a reply is taken.

#include <cstdint>
#include <string>

namespace kesto {

struct LoginBlock {
    std::int32_t loginState = -1; // field 0
    char uKey[260] = {};          // field 1
    char password[260] = {};      // field 2
    std::int32_t field3 = 0;
    char field4[260] = {};
    char joinedKey[260] = {}; // fields 11 + 5 joined, then reversed
    char field6[260] = {};
    char field7[260] = {};
    char memberClass[260] = {};
    std::int32_t field8 = 0;
    std::int32_t field9 = 0;
    char field12[32] = {};
    std::int32_t field13 = 0;
    std::int32_t field14 = 0;
    std::int32_t field15 = 0;
    char field16[16] = {};
    char field17[15] = {};
    char field18[260] = {};
    char field19[260] = {};
    std::int32_t field20 = 0;
    std::int32_t field21 = 0;
    std::int32_t field22 = 0;
    char phoneNumber[24] = {};   // field 23, reversed
    char protocolBase[256] = {}; // field 24
    char webBase[256] = {};      // field 25
    std::int32_t field26 = 0;
    bool field27Flag = false; // true exactly when field 27 reads as 1
    std::int32_t field28 = 0;
    std::int32_t field29 = 0;
    std::int32_t field33 = 0;

    // Not part of the reply: handed over separately, replaced only when non-empty.
    std::string userId;
    // The code of the list most recently parsed, and the parameter of the current menu id.
    std::string listCode;
    std::string menuParameter;
};

} // namespace kesto
