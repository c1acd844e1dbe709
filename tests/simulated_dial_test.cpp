// Korvalin dial tester tests - the simulated dial the capture tests rely on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/simulated_dial.h"

namespace kvl::test {
namespace {

TEST(SimulatedDial, LevelsFollowTheDescribedCycle) {
    DialDescription d;
    DialCycle c;
    c.pulses = 2;
    c.timing = {60, 40};
    c.nsaLeadMs = 100;
    c.nsaTrailMs = 30;
    c.nsrChangesMs = {-50, 150};
    d.cycles = {c};
    d.startMs = 10;
    const SimulatedDial dial(d);
    const CycleMoments &m = dial.cycles().at(0);
    EXPECT_EQ(m.nsi, (std::vector<double>{110, 170, 210, 270}));
    EXPECT_EQ(m.nsaClose, 10);
    EXPECT_EQ(m.nsaOpen, 300);
    EXPECT_EQ(m.nsr, (std::vector<double>{60, 260}));
    struct Probe {
        ModemLine line;
        double t;
        int level;
    };
    const Probe probes[] = {
        {ModemLine::Dcd, 109.9, 1}, {ModemLine::Dcd, 110, 0},  {ModemLine::Dcd, 169.5, 0},
        {ModemLine::Dcd, 170, 1},   {ModemLine::Dcd, 500, 1},  {ModemLine::Ri, 9, 0},
        {ModemLine::Ri, 10, 1},     {ModemLine::Ri, 299.9, 1}, {ModemLine::Ri, 300, 0},
        {ModemLine::Dsr, 59, 0},    {ModemLine::Dsr, 60, 1},   {ModemLine::Dsr, 260, 0},
    };
    for (const Probe &p : probes)
        EXPECT_EQ(dial.level(p.line, p.t), p.level) << "line " << int(p.line) << " at " << p.t;
    EXPECT_EQ(dial.endMs(), 300 + c.restMs);
}

TEST(SimulatedDial, BouncesAndMissingWires) {
    DialDescription d;
    DialCycle c;
    c.pulses = 1;
    c.nsrChangesMs = {5};
    d.cycles = {c};
    d.nsiBounce = {2, 1.5};
    d.nsaWired = false;
    d.nsrWired = false;
    const SimulatedDial dial(d);
    const double open = dial.cycles()[0].nsi[0];
    EXPECT_EQ(dial.changes(ModemLine::Dcd).size(), 2u * 5u);
    const int expected[] = {0, 1, 0, 1, 0, 0};  // at open + 0, 1.5, 3, 4.5, 6, 10
    const double at[] = {0, 1.5, 3, 4.5, 6, 10};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(dial.level(ModemLine::Dcd, open + at[i]), expected[i]);
    for (double t : {0.0, 310.0, 400.0}) {
        EXPECT_EQ(dial.level(ModemLine::Ri, t), 0);
        EXPECT_EQ(dial.level(ModemLine::Dsr, t), 0);
    }
    d.nsiBounce = {20, 5};  // would last into the closing
    EXPECT_THROW(SimulatedDial{d}, std::invalid_argument);
}

TEST(SimulatedDial, FeedsTheFakeLinesOnTheFakeClock) {
    FakePlatform fake;
    DialDescription d;
    d.cycles = {DialCycle{}};
    const SimulatedDial dial(d);
    connectDial(fake, dial);
    const double firstOpening = dial.cycles()[0].nsi[0];
    EXPECT_EQ(fake.lines.readLine(ModemLine::Dcd), 1);
    fake.clock.advance(static_cast<int>(firstOpening));
    EXPECT_EQ(fake.lines.readLine(ModemLine::Dcd), 0);
    EXPECT_EQ(fake.lines.readLine(ModemLine::Ri), 1);
}

}  // namespace
}  // namespace kvl::test
