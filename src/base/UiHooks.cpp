#include "base/UiHooks.h"

#include <chrono>
#include <utility>

namespace UiHooks {
namespace {

TMessageHook& MessageHook() {
    static TMessageHook hook;
    return hook;
}
TProcessHook& ProcessHook() {
    static TProcessHook hook;
    return hook;
}
TBusyHook& BusyHook() {
    static TBusyHook hook;
    return hook;
}
int g_busyDepth = 0;

long long NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void ShowMessage(const std::string& text) {
    if (MessageHook())
        MessageHook()(text);
}

void ProcessPendingMessages() {
    if (ProcessHook())
        ProcessHook()();
}

TMessageHook SetMessageHook(TMessageHook hook) {
    return std::exchange(MessageHook(), std::move(hook));
}
TProcessHook SetProcessHook(TProcessHook hook) {
    return std::exchange(ProcessHook(), std::move(hook));
}
TBusyHook SetBusyHook(TBusyHook hook) {
    return std::exchange(BusyHook(), std::move(hook));
}

TBusyCursor::TBusyCursor() {
    if (g_busyDepth++ == 0 && BusyHook())
        BusyHook()(true);
}

TBusyCursor::~TBusyCursor() {
    if (--g_busyDepth == 0 && BusyHook())
        BusyHook()(false);
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
