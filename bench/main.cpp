// The benchmark's in-process part: `vorn_bench pace|cost|throughput|cues|steps`
// prints figures as "key value" lines; `vorn_bench startup PROGRAM` times the
// real program's start-up on the X screen; `vorn_bench report FIGURES JSON`
// prints the table against the budgets and writes the JSON file.
#include "Benchmarks.h"

#include "support/TemporaryWorkingDirectory.h"
#include "window/Platform.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

int main(int argc, char* argv[])
{
    const std::map<std::string, std::function<void()>> measurements{
        {"pace", measurePace}, {"cost", measureCost},         {"throughput", measureThroughput},
        {"cues", measureCues}, {"steps", measureSteps}};
    if (argc == 4 && std::strcmp(argv[1], "report") == 0) return writeReport(argv[2], argv[3]) ? 0 : 1;
    const bool startup = argc == 3 && std::strcmp(argv[1], "startup") == 0;
    const auto measurement = argc == 2 ? measurements.find(argv[1]) : measurements.end();
    if (!startup && measurement == measurements.end()) {
        std::fprintf(stderr, "usage: vorn_bench pace|cost|throughput|cues|steps | startup PROGRAM | report FIGURES JSON\n");
        return 2;
    }
    // The window draws into images only; start-up and steps are run on the
    // X screen their caller names.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    chooseQtSettings();
    QApplication app(argc, argv);
    // The window reads and may write its top-players file in the current directory.
    const TemporaryWorkingDirectory directory;
    if (startup)
        measureStartup(QString::fromLocal8Bit(argv[2]));
    else
        measurement->second();
    return 0;
}
