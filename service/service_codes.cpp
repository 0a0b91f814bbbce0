#include "service/service_codes.h"

#include "platform/cp949.h"

#include <map>

namespace kesto::service {

const std::string& ServiceCodes::message(ServiceCode code) {
    static const std::map<ServiceCode, std::string> messages = [] {
        const std::map<ServiceCode, const char*> utf8 = {
            {ServiceCode::Ok, ""},
            {ServiceCode::LoginFailed, "아이디 또는 비밀번호가 올바르지 않습니다."},
            {ServiceCode::UnknownCommand, "알 수 없는 요청입니다."},
            {ServiceCode::TooFewFields, "요청 항목이 부족합니다."},
            {ServiceCode::BodyTooLarge, "요청이 너무 큽니다."},
            {ServiceCode::BadEncoding, "요청의 문자 인코딩이 올바르지 않습니다."},
            {ServiceCode::NotFound, "요청하신 항목을 찾을 수 없습니다."},
            {ServiceCode::NotEnoughCash, "캐쉬 잔액이 부족합니다."},
            {ServiceCode::BadValue, "요청 값이 올바르지 않습니다."},
            {ServiceCode::NotServiceable, "음반사 및 저작권자의 요청으로 서비스가 중지된 곡입니다."},
            {ServiceCode::StoreFailure, "지금 서버와 통신할수 없습니다.\n다시 시도하세요."},
            {ServiceCode::DoubleLogin, "다른 곳에서 같은 아이디로 로그인하여 접속이 종료되었습니다."},
            {ServiceCode::ExpiredKey, "로그인 정보가 만료되었습니다. 다시 로그인해 주세요."},
        };
        std::map<ServiceCode, std::string> out;
        for (const auto& [key, text] : utf8)
            out.emplace(key, Cp949::fromUtf8(text));
        return out;
    }();
    static const std::string empty;
    const auto it = messages.find(code);
    return it == messages.end() ? empty : it->second;
}

} // namespace kesto::service
