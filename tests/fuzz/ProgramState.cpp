// The program's state for the fuzz targets, which link the persistence code alone.
#include "app/ApplicationState.h"

ApplicationState appState;
