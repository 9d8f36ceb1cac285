// What the toolkit benchmarks share: the working directory with the sample fonts, a timer the
// benchmark moves by hand, and a UI context built from a generated UI description.
#pragma once

#include "LargeUiFile.h"
#include <vanui/uiContext.h>

#include <memory>
#include <string>

// Makes the repository's data/ directory the working directory, as it is for the program, so
// that the font table finds "default.krf". False (with a message) when it cannot.
bool EnterDataDirectory();

// The settings of every benchmark's context: textures of the GL 1.1 backend (the recording GL's
// or the machine's, whichever the program links), messages dropped, input echoed as the bench
// window echoes it. The fonts a benchmark makes itself use ToolkitTextures and Silence too.
uiContextSettings ToolkitSettings();
uiTextures& ToolkitTextures();
const uiMessageSink& Silence();

// A clock that reads whatever the benchmark last set.
class ManualTimer : public uiClock {
public:
    double Seconds() override { return seconds; }

    double seconds = 0.0;
};

// A context with an 800 x 600 drawing area, the generated tree parsed into it and a manual
// timer; timer receives that timer. Null when the tree did not load.
std::unique_ptr<uiContext> MakeGeneratedContext(const LargeUiShape& shape, ManualTimer*& timer);
