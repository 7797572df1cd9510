// The game: takes no options, reads everything from "data/" in the working directory.
#include "shell/program/Program.h"

int main() {
    return Zelt::RunProgram({});
}
