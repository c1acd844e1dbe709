// Korvalin dial tester - the window's events as the dispatcher and the capture see them.
#pragma once

namespace kvl {

struct WindowEvent {
    enum class Kind {
        None,     // nothing arrived within the wait
        Control,  // a control was used; `control` holds its number
        Close,    // the window's close request (close box, system menu, keyboard)
        Other,
    };
    Kind kind = Kind::None;
    int control = 0;
};

class EventSource {
public:
    virtual ~EventSource() = default;
    // Waits without a time limit and uses no processor time while waiting.
    virtual WindowEvent waitEvent() = 0;
    // Waits at most maxMs milliseconds; the window repaints and controls react
    // meanwhile. Returns Kind::None when no event of interest arrived.
    virtual WindowEvent waitEvent(int maxMs) = 0;
};

}  // namespace kvl
