#include "app/ApplicationState.h"

#include <new>

#include "ui/WindowRegistry.h"

namespace {

// Runs before the entry function: the window registry exists before any window does.
ApplicationState InitialState() {
    ApplicationState state;
    state.windowRegistry = new (std::nothrow) WindowRegistry(50);
    return state;
}

}  // namespace

ApplicationState appState = InitialState();
