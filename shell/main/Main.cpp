// The game: takes no options, reads everything from "data/": the working directory's, or else the
// installed one.
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"

int main() {
    Zelt::EnterDataParent();
    return Zelt::RunProgram({});
}
