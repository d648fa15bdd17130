// The frame's commands that act on a document window, by identity. A
// window says which it supports; the frame enables its menu items and tool
// buttons from that, and never asks what kind of window it holds.
#pragma once

namespace quintara {

enum class tCommand {
    // File
    Save,
    Modify,
    Export,
    PrintWindow,
    PrintChartAspects,
    PrintAnalysis,
    PrintGraphic,
    PrintAll,
    // Edit and Format: the report text
    EditText,
    // The tool bar's text tools (cut, paste, font, list, aspects, analysis):
    // the chart windows only.
    ChartTextTools,
    Copy,
    // Chart 1: further windows on the charts, and sections added to the text
    NewList,
    NewAspects,
    NewAnalysis,
    NewNatal,
    InsertList,
    InsertAspects,
    InsertAnalysis,
    // Chart 2: the menu itself, then its commands (Transits to SecondChart)
    Chart2Menu,
    Transits,
    CompareDay,
    Previsions,
    Compare2,
    CompareFile,
    MoonReturn,
    SunReturn,
    Progression,
    Midpoints,
    Composite,
    Davison,
    Relocated,
    SolarArc,
    TimeLords,
    PlanetaryHours,
    SecondChart,
    // Display and Graphics
    Zoom,
    GraphicsMenu,
    Wheel,
    USWheel,
    SideBySide,
    USSideBySide,
    AspectGrid,
    PrevisionsGraph,
    TransitsLineGraph,
};

// The Chart 2 menu's commands.
inline bool IsChart2Command(tCommand c) { return c >= tCommand::Transits && c <= tCommand::SecondChart; }

}  // namespace quintara
