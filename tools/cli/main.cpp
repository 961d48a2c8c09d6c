#include "CliCommon.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return std::printf("quillbox-cli %s\n", QUILLBOX_VERSION) < 0 || std::fflush(stdout) != 0 ? EXIT_FAILED
                                                                                                  : EXIT_OK;

    // A reader that goes away (head, a closed pipe) is a failed write with a
    // message, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Orvantic");
    QCoreApplication::setApplicationName("Quillbox");
    if (argc < 2)
        return CliUsage("no command given");
    std::vector<std::string> words(argv + 2, argv + argc);
    for (const SCliCommand& c : CliCommands())
        if (std::strcmp(c.pszName, argv[1]) == 0)
            return c.pfnRun(words);
    return CliUsage(std::string("unknown command ") + argv[1]);
}
