// drev: the console test bench. Starts the application log, runs, and records the end of the run.
#include "Log.h"

int main(int, char**) {
    InitLog();
    SetLogMode(LOG_MODE_DETAILED);
    SetLogThreshold(LOG_TYPE_DEBUG);
    Log(LOG_TYPE_RECORD, "Program start");
    Log(LOG_TYPE_RECORD, "Program end");
    return 0;
}
