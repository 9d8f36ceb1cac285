// drev view FILE [--watch]: FILE (a .ui or a .krf) in the UI test window or the font test
// window, reloaded on every change with --watch.
#pragma once

#include "InputKind.h"

#include <string>

struct ViewOptions {
    std::string file;
    InputKind input = InputKind::Ui;
    bool watch = false;
    // The application log's file; empty for none.
    std::string logFile;
};

int RunViewCommand(const ViewOptions& options);
