// Korvalin dial tester tests - a rotary dial simulated as line levels over time.
#include "tests/support/simulated_dial.h"

#include <algorithm>
#include <stdexcept>

namespace kvl::test {

namespace {

// Appends one true nsi edge and its bounces; nextEdge bounds the bounce so
// that a description whose bounce outlasts the interval is caught at once.
void addNsiEdge(std::vector<double> &changes, double at, const Bounce &bounce, double nextEdge) {
    changes.push_back(at);
    for (int k = 1; k <= 2 * bounce.flips; ++k) changes.push_back(at + k * bounce.flipMs);
    if (bounce.flips > 0 && at + 2 * bounce.flips * bounce.flipMs >= nextEdge)
        throw std::invalid_argument("nsi bounce lasts into the next edge");
}

}  // namespace

SimulatedDial::SimulatedDial(const DialDescription &d) {
    m_nsi.restLevel = 1;  // nsi is closed at rest
    m_nsr.restLevel = d.nsrWired ? d.nsrRestLevel : 0;
    m_nsa.restLevel = 0;

    double cursor = d.startMs;
    for (const DialCycle &c : d.cycles) {
        CycleMoments m;
        m.nsaClose = cursor;
        double t = cursor + c.nsaLeadMs;
        for (int k = 1; k <= c.pulses; ++k) {
            auto it = c.pulseOverrides.find(k);
            const PulseTiming p = it == c.pulseOverrides.end() ? c.timing : it->second;
            m.nsi.push_back(t);
            m.nsi.push_back(t + p.openMs);
            t += p.openMs + p.closedMs;
        }
        const double firstOpening = m.nsi.empty() ? t : m.nsi.front();
        m.lastNsiChange = m.nsi.empty() ? t : m.nsi.back();
        m.nsaOpen = m.lastNsiChange + c.nsaTrailMs;
        for (double r : c.nsrChangesMs) m.nsr.push_back(firstOpening + r);

        if (d.nsaWired) {
            m_nsa.changes.push_back(m.nsaClose);
            m_nsa.changes.push_back(m.nsaOpen);
        }
        if (d.nsrWired) m_nsr.changes.insert(m_nsr.changes.end(), m.nsr.begin(), m.nsr.end());
        const double after = (d.nsaWired ? m.nsaOpen : m.lastNsiChange) + c.restMs;
        for (std::size_t i = 0; i < m.nsi.size(); ++i) {
            const double next = i + 1 < m.nsi.size() ? m.nsi[i + 1] : after;
            addNsiEdge(m_nsi.changes, m.nsi[i], d.nsiBounce, next);
        }
        cursor = after;
        m_cycles.push_back(std::move(m));
    }
    m_endMs = cursor;
    for (Line *l : {&m_nsi, &m_nsr, &m_nsa})
        if (!std::is_sorted(l->changes.begin(), l->changes.end()))
            throw std::invalid_argument("dial description has overlapping moments");
}

const SimulatedDial::Line &SimulatedDial::line(ModemLine which) const {
    switch (which) {
        case ModemLine::Dcd:
            return m_nsi;
        case ModemLine::Dsr:
            return m_nsr;
        case ModemLine::Ri:
            break;
    }
    return m_nsa;
}

const std::vector<double> &SimulatedDial::changes(ModemLine which) const {
    return line(which).changes;
}

int SimulatedDial::level(ModemLine which, double tMs) const {
    const Line &l = line(which);
    // A change at exactly t has already happened.
    const auto passed =
        std::upper_bound(l.changes.begin(), l.changes.end(), tMs) - l.changes.begin();
    return passed % 2 == 0 ? l.restLevel : 1 - l.restLevel;
}

void attachDial(FakeLines &lines, const SimulatedDial &dial, std::function<double()> nowMs) {
    lines.level = [&dial, nowMs = std::move(nowMs)](ModemLine line) {
        return dial.level(line, nowMs());
    };
}

std::function<double()> fakeClockTime(const FakeClock &clock, std::int32_t startTick) {
    return [&clock, startTick] { return static_cast<double>(tickDiff(clock.now(), startTick)); };
}

void connectDial(FakePlatform &fake, const SimulatedDial &dial) {
    fake.lines.usable.insert("COM1");
    fake.lines.openContactPort("COM1");
    fake.lines.setRts(true);
    attachDial(fake.lines, dial, fakeClockTime(fake.clock, fake.clock.now()));
}

}  // namespace kvl::test
