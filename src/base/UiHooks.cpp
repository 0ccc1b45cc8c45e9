#include "base/UiHooks.h"

#include <chrono>
#include <utility>
#include <vector>

namespace UiHooks {
namespace {

// A hook set with Set...Hook, and the hooks of the living scopes, newest last.
template <class Hook> struct THookStack {
    Hook Base;
    std::vector<std::pair<const THookScope*, Hook>> Scoped;

    const Hook& Current() const { return Scoped.empty() ? Base : Scoped.back().second; }
    void Push(const THookScope* scope, Hook hook) {
        if (hook)
            Scoped.emplace_back(scope, std::move(hook));
    }
    void Remove(const THookScope* scope) {
        std::erase_if(Scoped, [scope](const auto& entry) { return entry.first == scope; });
    }
};

THookStack<TMessageHook>& Messages() {
    static THookStack<TMessageHook> hooks;
    return hooks;
}
THookStack<TProcessHook>& Processes() {
    static THookStack<TProcessHook> hooks;
    return hooks;
}
THookStack<TBusyHook>& Busies() {
    static THookStack<TBusyHook> hooks;
    return hooks;
}

const TMessageHook& MessageHook() {
    return Messages().Current();
}
const TProcessHook& ProcessHook() {
    return Processes().Current();
}
const TBusyHook& BusyHook() {
    return Busies().Current();
}
int g_busyDepth = 0;

long long NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void ShowMessage(const std::string& text) {
    // A copy: the hook may install or remove hooks while it runs.
    if (const TMessageHook hook = MessageHook())
        hook(text);
}

void ProcessPendingMessages() {
    if (const TProcessHook hook = ProcessHook())
        hook();
}

TMessageHook SetMessageHook(TMessageHook hook) {
    return std::exchange(Messages().Base, std::move(hook));
}
TProcessHook SetProcessHook(TProcessHook hook) {
    return std::exchange(Processes().Base, std::move(hook));
}
TBusyHook SetBusyHook(TBusyHook hook) {
    return std::exchange(Busies().Base, std::move(hook));
}

THookScope::THookScope(TMessageHook message, TProcessHook process, TBusyHook busy) {
    Messages().Push(this, std::move(message));
    Processes().Push(this, std::move(process));
    Busies().Push(this, std::move(busy));
}

THookScope::~THookScope() {
    Messages().Remove(this);
    Processes().Remove(this);
    Busies().Remove(this);
}

TBusyCursor::TBusyCursor() {
    if (g_busyDepth++ == 0)
        if (const TBusyHook hook = BusyHook())
            hook(true);
}

TBusyCursor::~TBusyCursor() {
    if (--g_busyDepth == 0)
        if (const TBusyHook hook = BusyHook())
            hook(false);
}

TPendingMessagePump::TPendingMessagePump(int intervalMs)
    : m_next(NowMs() + intervalMs), m_intervalMs(intervalMs) {}

void TPendingMessagePump::Tick() {
    if (!ProcessHook())
        return;
    const long long now = NowMs();
    if (now < m_next)
        return;
    m_next = now + m_intervalMs;
    ProcessPendingMessages();
}

} // namespace UiHooks
