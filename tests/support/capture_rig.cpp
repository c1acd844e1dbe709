// Korvalin dial tester tests - runs the capture against a simulated dial on the fake clock.
#include "tests/support/capture_rig.h"

#include <cmath>

#include "measure/pulse_capture.h"
#include "platform/catalogue.h"

namespace kvl::test {

CaptureRig::CaptureRig() {
    fake.controls.onStateSet = [this](int id, int) {
        // The ratio slider is the last thing an evaluation sets before the strip.
        if (id != ctl::ratioSlider || fake.record.cycleEvaluated != 1) return;
        Evaluation e;
        e.tick = fake.clock.now();
        e.record = fake.record;
        e.frequencyText = fake.controls.text(ctl::frequencyReadout);
        e.frequencySlider = fake.controls.state(ctl::frequencySlider);
        e.ratioText = fake.controls.text(ctl::ratioReadout);
        e.ratioSlider = fake.controls.state(ctl::ratioSlider);
        evaluations.push_back(e);
    };
    fake.dialogs.onMessageBox = [this](const FakeDialogs::Box &box) {
        if (evaluations.empty())
            boxesOutsideEvaluation.push_back(box.text);
        else
            evaluations.back().boxes.push_back(box.text);
    };
    fake.events.beforeDelivery = [this](const WindowEvent &e) {
        passes.push_back({fake.clock.now(), fake.record});
        // Clicking the toggle releases it before its event arrives.
        if (e.kind == WindowEvent::Kind::Control && e.control == ctl::testToggle)
            fake.controls.at(ctl::testToggle).state = 0;
    };
}

void CaptureRig::switchOn(const DialDescription &description, std::int32_t startTick) {
    fake.clock.set(startTick);
    start = startTick;
    m_dial = std::make_unique<SimulatedDial>(description);
    connectDial(fake, *m_dial);
    fake.controls.at(ctl::testToggle).state = 1;
    fake.record.nsiState = 1;
    fake.record.nsrState = m_dial->level(ModemLine::Dsr, 0.0);
    // With sound a cycle's tone starts without holding the loop, so the
    // timings these tests check are the capture's own; the fallback beep,
    // which holds the loop for 200 ms, has tests of its own.
    fake.record.soundAvailable = 1;
}

void CaptureRig::stopAt(double dialMs) {
    fake.events.at(tickAt(dialMs), {WindowEvent::Kind::Control, ctl::testToggle});
}

int CaptureRig::run(const DialDescription &description, double tailMs, std::int32_t startTick) {
    switchOn(description, startTick);
    stopAt(m_dial->endMs() + tailMs);
    return runCaptureNow();
}

int CaptureRig::runCaptureNow() {
    returned = runCapture(fake.bench);
    return returned;
}

std::int32_t CaptureRig::tickAt(double dialMs) const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(start) +
                                     static_cast<std::uint32_t>(std::ceil(dialMs)));
}

const PassView *CaptureRig::passAt(std::int32_t tick) const {
    const PassView *found = nullptr;
    for (const PassView &p : passes)
        if (tickDiff(p.tick, tick) <= 0) found = &p;
    return found;
}

}  // namespace kvl::test
