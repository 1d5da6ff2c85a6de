// CliHostWindow: the headless host of the command-line tool, with views drawn by Qt.
#pragma once

#include "engine/headless_host_window.h"

// Boxes are logged as "ramulo: <caption>: <text>". A run goes on where the question lets
// it (No rather than Cancel), and new views draw through the Qt drawing tools, so a
// document can be rendered.
class CliHostWindow : public ramulo::HeadlessHostWindow {
public:
    CliHostWindow() : ramulo::HeadlessHostWindow("ramulo: ") {}
    std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) override;

protected:
    ramulo::MessageAnswer unattendedAnswer(ramulo::MessageButtons buttons) const override;
};
