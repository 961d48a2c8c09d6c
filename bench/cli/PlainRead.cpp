// The floor for a whole program over a folder: open and read every note file
// and nothing else.
#include "PlainRead.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::printf("%zu\n", ReadNoteFilesPlainly(argv[1]));
    return 0;
}
