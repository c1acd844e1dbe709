// Korvalin dial tester - how long readLine takes and how fresh the monitor's status is.
// Run by hand: build/contact_lines_bench. Opens only a pseudo-terminal.
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "contacts/modem_monitor.h"
#include "contacts/serial_contact_lines.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double nanoseconds(Clock::duration d) {
    return std::chrono::duration<double, std::nano>(d).count();
}

// A driver whose status changes when the bench says so and whose wait ends
// at once on a change, like a UART's modem-status interrupt.
class InstantSource : public kvl::ModemStatusSource {
public:
    std::atomic<int> bits{0};
    std::atomic<int> generation{0};
    std::atomic<bool> stop{false};
    bool readStatus(int &b) override {
        b = bits;
        return true;
    }
    bool readCounters(kvl::ModemCounters &) override { return false; }
    Wait waitForChange() override {
        const int seen = m_seen;
        while (!stop && generation == seen) std::this_thread::yield();
        m_seen = generation;
        return stop ? Wait::Interrupted : Wait::Changed;
    }
    void beginWaiting(std::chrono::microseconds) override {}
    void endWaiting() override {}
    void interrupt() override { stop = true; }
    void pause(std::chrono::microseconds) override {}

private:
    int m_seen = 0;
};

void report(const char *what, std::vector<double> &ns) {
    std::sort(ns.begin(), ns.end());
    std::printf("%-44s median %8.0f ns   99%% %8.0f ns   worst %8.0f ns\n", what, ns[ns.size() / 2],
                ns[ns.size() * 99 / 100], ns.back());
}

}  // namespace

int main() {
    constexpr int rounds = 100000;
    int master = -1, slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return 1;
    ::close(slave);
    const std::string path = name;
    kvl::SerialContactLines lines([&](const std::string &) { return std::optional(path); });
    if (!lines.openContactPort("COM1")) return 1;
    std::vector<double> ns;
    ns.reserve(rounds);
    for (int i = 0; i < rounds; ++i) {
        const auto a = Clock::now();
        lines.readLine(kvl::ModemLine::Dcd);
        ns.push_back(nanoseconds(Clock::now() - a));
    }
    report("readLine, port open (pseudo-terminal)", ns);
    lines.closeContactPort();
    ::close(master);

    InstantSource source;
    kvl::ModemMonitor monitor(source);
    monitor.start();
    std::vector<double> fresh;
    for (int i = 1; i <= 2000; ++i) {
        const int want = (i & 1) ? TIOCM_CD : TIOCM_RI;
        source.bits = want;
        const auto a = Clock::now();
        source.generation++;
        while (monitor.latest() != want) {
        }
        fresh.push_back(nanoseconds(Clock::now() - a));
    }
    monitor.stop();
    report("announced change until latest() shows it", fresh);
    return 0;
}
