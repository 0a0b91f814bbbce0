#pragma once
// Doubles of the host and the platform for protocol tests: a request function that records
// its call and answers with a malloc'ed copy of a scripted reply, a recording message port
// and a message box that answers from a queue, then OK.

#include "platform/cp949.h"
#include "protocol/protocol_context.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kesto::test {

struct HostCall {
    std::string url;
    std::optional<std::string> body; // nothing when the body pointer was null
    int post = -1;
};

// The request function is a plain function pointer, so its script lives in one static place.
class FakeHost {
public:
    FakeHost() { state() = State{}; }
    ~FakeHost() { state() = State{}; }

    void reply(std::string text) { state().replies.emplace_back(std::move(text)); }
    const std::vector<HostCall>& calls() const { return state().calls; }
    KestoNetRequestFn function() const { return &request; }

private:
    struct State {
        std::vector<std::optional<std::string>> replies;
        std::size_t next = 0;
        std::vector<HostCall> calls;
    };
    static State& state() {
        static State s;
        return s;
    }
    static int request(const char* url, void** data, std::uint32_t* length, int post, const char* body, int,
                       int) {
        State& s = state();
        s.calls.push_back({url, body ? std::optional<std::string>(body) : std::nullopt, post});
        if (s.next >= s.replies.size() || !s.replies[s.next]) {
            ++s.next;
            return 0;
        }
        const std::string& text = *s.replies[s.next++];
        *data = std::malloc(text.size() + 1);
        std::memcpy(*data, text.data(), text.size());
        static_cast<char*>(*data)[text.size()] = '#'; // never terminated
        *length = static_cast<std::uint32_t>(text.size());
        return 1;
    }
};

struct Posted {
    WindowHandle target;
    unsigned message;
    std::intptr_t wParam;
    std::intptr_t lParam;
};

class RecordingPort : public MessagePort {
public:
    bool post(WindowHandle target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) override {
        posted.push_back({target, message, wParam, lParam});
        return target != nullptr;
    }
    std::intptr_t send(WindowHandle, unsigned, std::intptr_t, std::intptr_t) override { return 0; }
    std::vector<Posted> posted;
};

struct Shown {
    std::string text;
    std::string caption;
    int style;
};

class ScriptedBox : public MessageBox {
public:
    int show(std::string_view text, std::string_view caption, int style) override {
        shown.push_back({std::string(text), std::string(caption), style});
        if (answers.empty())
            return mb::kOk;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The texts shown, as UTF-8, for readable failures.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            out.push_back(Cp949::toUtf8(s.text));
        return out;
    }
    std::vector<Shown> shown;
    std::deque<int> answers;
};

// A context wired to the doubles, with a filled login block.
struct Rig {
    Rig() {
        login.userId = "user1";
        std::strcpy(login.uKey, "KEY9");
        std::strcpy(login.password, "pw");
        std::strcpy(login.protocolBase, "http://127.0.0.1:8080/app");
        std::strcpy(login.webBase, "http://127.0.0.1:8080/web");
        std::strcpy(login.phoneNumber, "0101234");
        context.request = host.function();
        context.login = &login;
        context.port = &port;
        context.host = &hostWindow;
        context.box = &box;
    }
    FakeHost host;
    LoginBlock login;
    RecordingPort port;
    ScriptedBox box;
    int hostWindow = 0;
    ProtocolContext context;
};

inline std::string vt(std::initializer_list<std::string_view> fields) {
    std::string text;
    for (auto field : fields)
        text.append(field).push_back('\x0b');
    if (!text.empty())
        text.pop_back(); // the separator after the last field
    return text;
}

} // namespace kesto::test
