// ramulo: the command-line host: sample documents, rendering, conversion, inspection, calls.
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "control/control_module.h"
#include "progress_line.h"
#include "verbs.h"

namespace {

const char* const kUsage =
    "usage: ramulo <verb> [arguments]   (ramulo <verb> --help for details)\n"
    "\n"
    "verbs:\n"
    "  sample N -o OUT      build sample document N (0-4) and write it\n"
    "  render IN -o OUT     draw a document into a .png, .svg or .pdf file\n"
    "  convert IN OUT       rewrite a document in the format OUT's extension names\n"
    "  info IN              print counts, schemas and extent of a document\n"
    "  call [FILE]          run member calls, one per line, from FILE or stdin\n"
    "  script FILE.js       run a JavaScript file against the control\n"
    "\n"
    "--progress (any verb) shows the progress of long work on stderr, as it is shown when\n"
    "stderr is a terminal; Ctrl+C then cancels it, leaving every file as it was.\n"
    "\n"
    "Documents: .nx is the stream format, .nxx and .xml XML; graph files .graphml, .dot,\n"
    ".gv, .csv, .tsv and .json are read and written as well.\n";

// Without a display the tool still draws: Qt's offscreen platform needs no window system.
void chooseOffscreenWithoutDisplay() {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool hasDisplay = (display && *display) || (wayland && *wayland);
    if (!hasDisplay && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    const Verb* verb = findVerb(args[0]);
    if (!verb) {
        std::fprintf(stderr, "ramulo: unknown verb '%s'\n\n%s", args[0].c_str(), kUsage);
        return kExitUsage;
    }
    args.erase(args.begin());
    // --progress: the progress line even when stderr is no terminal; any verb takes it.
    const auto forced = std::erase(args, std::string("--progress")) > 0;
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(verb->help, stdout);
            return kExitOk;
        }

    chooseOffscreenWithoutDisplay();
    // Past a file-size limit a write then fails with its reason instead of ending the tool,
    // which could not report it (the old file is kept either way).
    std::signal(SIGXFSZ, SIG_IGN);
    enableProgressLine(forced);
    QApplication app(argc, argv);
    try {
        ramulo::control_module::start();
        const int code = verb->run(args);
        ramulo::control_module::exit();
        return code;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "ramulo %s: %s\n\n%s", verb->name, e.what(), verb->help);
        return kExitUsage;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ramulo %s: error: %s\n", verb->name, e.what());
        return kExitFailure;
    }
}
