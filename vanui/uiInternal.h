// The toolkit's inside, for its tests, fuzzers and benchmarks: the node behind every widget, the
// state behind a context, the loader and its type codes, the working colour set, the drawing of
// one widget, rectangle arithmetic, text codes and messages. A program that embeds the toolkit
// never includes it.
#pragma once

#include "uiColorSet.h"
#include "uiContextState.h"
#include "uiLoader.h"
#include "uiRectMath.h"
#include "uiReport.h"
#include "uiStyles.h"
#include "uiTextCodes.h"
#include "uiWidgetDrawing.h"
#include "uiWidgetNode.h"
