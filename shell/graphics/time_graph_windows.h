// The graphic windows of a chart in time: the clock that animates it, the
// line graph and the moon cycle.
#pragma once

#include <QTimer>

#include "graphics/graphic_window.h"

namespace quintara {

class TClockWindow : public TAstroGraphicWindow {
public:
    // step: minutes added at each tick (negative goes back).
    TClockWindow(tProgram& program, const tChart& chart, std::int32_t step, QWidget* parent = nullptr);
    int HelpContext() const override { return 306; }

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

class TMoonGraphWindow : public TAstroGraphicWindow {
public:
    TMoonGraphWindow(tProgram& program, const tChart& chart, QWidget* parent = nullptr);
    int HelpContext() const override { return 309; }
};

}  // namespace quintara
