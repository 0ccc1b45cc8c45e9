// Hooks through which the core reaches the user interface without knowing it. The window
// installs real ones; elsewhere they do nothing (or print to stderr, in sldtool).
#pragma once

#include <functional>
#include <string>

namespace UiHooks {

// Shows a modal message (the renderer's "Error reading slide file. *Invalid*").
void ShowMessage(const std::string& text);
// Lets the window process pending non-input events during long work.
void ProcessPendingMessages();

using TMessageHook = std::function<void(const std::string&)>;
using TProcessHook = std::function<void()>;
using TBusyHook = std::function<void(bool busy)>;

// Each setter returns the previous hook, so scoped overrides can put it back.
TMessageHook SetMessageHook(TMessageHook hook);
TProcessHook SetProcessHook(TProcessHook hook);
TBusyHook SetBusyHook(TBusyHook hook);

// Installs hooks for its lifetime, over the ones set before. Scopes may end in any order (two
// windows closed in the order they were opened): while several live, the newest one is in
// use, and when it ends the newest of the others is used again. Empty hooks are not
// installed.
class THookScope {
public:
    explicit THookScope(TMessageHook message, TProcessHook process = {}, TBusyHook busy = {});
    ~THookScope();
    THookScope(const THookScope&) = delete;
    THookScope& operator=(const THookScope&) = delete;
};

// Shows the busy cursor for its lifetime; nests.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// Calls ProcessPendingMessages at most once every interval during long loops.
class TPendingMessagePump {
public:
    explicit TPendingMessagePump(int intervalMs = 20);
    void Tick();

private:
    long long m_next;
    int m_intervalMs;
};

} // namespace UiHooks
