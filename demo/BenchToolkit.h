// The toolkit as the bench sets it up. Its messages are lines of the application log, of the type
// the bench has always logged them with (an Info or Warning as LOG_TYPE_RECORD, an Error as
// LOG_TYPE_ERROR, a Critical as LOG_TYPE_CRITICAL), and the tokenizer's lexical messages are
// lines on standard error, as the bench has always shown them. Its contexts echo the input in the
// widgets' value texts.
#pragma once

#include <vanui/uiContext.h>

// The sink, alive for the whole run.
const uiMessageSink& ToolkitLog();
// The same without the lexical messages, for a caller that reports the load's error, which
// carries their reason, on its own.
const uiMessageSink& QuietToolkitLog();
// A context's settings for the bench: the textures (null: fonts only measure), the sink above and
// the input echoes.
uiContextSettings BenchContextSettings(uiTextures* textures);
