// ppicalc-cli: the calculation core from the command line.
//
//   ppicalc-cli <horizontal> <vertical> <inches>
//       prints the texts of 编辑框4 and 编辑框5 separated by a TAB
//   ppicalc-cli --batch
//       answers the line protocol of batch_protocol.h on stdin/stdout
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/ppicalc_cli/batch_protocol.h"
#include "tools/ppicalc_cli/platform_io.h"
#include "tools/ppicalc_cli/ppi_texts.h"

static int Usage() {
    std::fputs("usage: ppicalc-cli <horizontal pixels> <vertical pixels> <diagonal inches>\n"
               "       ppicalc-cli --batch\n",
               stderr);
    return 2;
}

int main(int argc, char** argv) {
    PrepareStandardStreams();
    if (argc == 2 && std::strcmp(argv[1], "--batch") == 0) {
        RunBatch(stdin, stdout);
        return 0;
    }
    std::vector<std::string> arguments;
    std::string error;
    if (!GetGbkArguments(argc, argv, arguments, error)) {
        std::fprintf(stderr, "ppicalc-cli: %s\n", error.c_str());
        return 2;
    }
    if (arguments.size() != 3) {
        return Usage();
    }
    PpiTexts texts = RunPpiCalculation(arguments[0], arguments[1], arguments[2]);
    std::printf("%s\t%s\n", texts.diagonal.c_str(), texts.density.c_str());
    return 0;
}
