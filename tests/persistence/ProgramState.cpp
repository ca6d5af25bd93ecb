// The program's state for these tests, which link the persistence code without the rest
// of the program.
#include "app/ApplicationState.h"

ApplicationState appState;
