// Korvalin dial tester tests - runs the capture against a simulated dial on the fake clock.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/simulated_dial.h"

namespace kvl::test {

// What the user had in front of them when a cycle was evaluated.
struct Evaluation {
    std::int32_t tick = 0;
    PulseRecord record;  // as the readouts were set, before the strip
    std::string frequencyText;
    int frequencySlider = 0;
    std::string ratioText;
    int ratioSlider = 0;
    std::vector<std::string> boxes;  // warning texts shown for this cycle
};

// The record as it stood when a pass waited for window events.
struct PassView {
    std::int32_t tick = 0;  // the tick after the wait
    PulseRecord record;
};

class CaptureRig {
public:
    CaptureRig();

    // The state switchTestOn leaves behind: port open, RTS on, toggle pressed,
    // nsi closed, nsr as read.
    void switchOn(const DialDescription &description, std::int32_t startTick = 100000);
    // The toggle is clicked (released) this many ms of dial time after the start.
    void stopAt(double dialMs);
    // switchOn, stop after the dial's last rest plus tailMs, runCapture.
    int run(const DialDescription &description, double tailMs = 300.0,
            std::int32_t startTick = 100000);
    int runCaptureNow();

    std::int32_t tickAt(double dialMs) const;
    const SimulatedDial &dial() const { return *m_dial; }
    // The last pass view at or before the tick.
    const PassView *passAt(std::int32_t tick) const;

    FakePlatform fake;
    std::int32_t start = 0;
    std::vector<Evaluation> evaluations;
    std::vector<PassView> passes;
    std::vector<std::string> boxesOutsideEvaluation;
    int returned = -1;

private:
    std::unique_ptr<SimulatedDial> m_dial;
};

}  // namespace kvl::test
