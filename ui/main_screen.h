// The main window's screen, rendered from the session: which groups show and which controls take
// input follow from the step alone; the results and an opened case's entries go into the controls.
// The window calls these after each move of its session; they read the session and change nothing in it.
#pragma once

#include "core/session.h"
#include "ui/form2_controls.h"

namespace pumpvale::main_screen {

// The unit captions beside the entries and the inlet options, for a unit system.
void showUnitCaptions(const MainWindowControls& ui, UnitSystem units);

// The groups, the controls' states and the results for the session's step. A control hidden in a step
// keeps whatever state it had; the next step that shows it sets it.
void render(const MainWindowControls& ui, const Session& session);

// The case's entries and choices, put into the controls without a change event: the session ran
// every check they call for when it opened the case.
void renderEntries(const MainWindowControls& ui, const Session& session);

} // namespace pumpvale::main_screen
