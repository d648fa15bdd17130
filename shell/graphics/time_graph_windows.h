// The graphic windows of a chart in time: the clock that animates it, the
// line graph, the transit line graph and the moon cycle.
#pragma once

#include <QTimer>

#include "shell/graphics/graphic_window.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

class TClockWindow : public TAstroGraphicWindow {
public:
    // step: minutes added at each tick (negative goes back).
    TClockWindow(tProgram& program, const tChart& chart, std::int32_t step, QWidget* parent = nullptr);
    int HelpContext() const override { return help::kClock; }

    std::int32_t Step;
    bool Running = true;
    QTimer* Timer;

    // One tick: only while this window is the active one and not paused.
    void Tick();
    void Pause();
    void Slower();
    void Faster();
    void Reverse();
    // The window is active (the frame's active document, or on its own).
    bool IsActive() const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

class TLineGraphWindow : public TAstroGraphicWindow {
public:
    TLineGraphWindow(tProgram& program, const tChart& chart, std::int32_t stepMinutes, QWidget* parent = nullptr);
    int HelpContext() const override { return 307; }
};

// Transiting bodies over time against the natal chart.
class TTransLineGraphWindow : public TAstroGraphicWindow {
public:
    // body: the natal body whose aspect points show, 0 for every natal
    // position; shown: bit n shows transiting body n (1..24).
    TTransLineGraphWindow(tProgram& program, const tChart& natal, const tChart& transits, std::int32_t stepMinutes,
                          int body, std::uint32_t shown = 0x1FFFFFEu, QWidget* parent = nullptr);
    int HelpContext() const override { return help::kTransitsGraph; }
};

class TMoonGraphWindow : public TAstroGraphicWindow {
public:
    TMoonGraphWindow(tProgram& program, const tChart& chart, QWidget* parent = nullptr);
    int HelpContext() const override { return 309; }
};

}  // namespace quintara
