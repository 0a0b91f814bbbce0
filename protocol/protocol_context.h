#pragma once
// What an exchange with the server needs, gathered in one place so that every rule can run
// against test doubles: the host's request function, the login block, the message port with
// the host window, the message box and the play command setting.

#include "include/kesto/panel_api.h"
#include "platform/message_box.h"
#include "platform/message_port.h"
#include "songs/login_block.h"

namespace kesto {

struct ProtocolContext {
    KestoNetRequestFn request = nullptr;
    LoginBlock* login = nullptr;
    MessagePort* port = nullptr;
    WindowHandle host = nullptr;
    MessageBox* box = nullptr;
    int codecMode = 1; // the UpdateCODEC setting
};

} // namespace kesto
