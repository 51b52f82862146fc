// Puts the results' tooltips, box fitting and actions (ui/results_actions.h) on the main window. They
// live in the module pumpvale_results, loaded here when the main window is made, so that the program's
// start-up, which shows only the intro window, neither loads nor maps their code.
#pragma once

namespace pumpvale {

class Form2;

// False when the module cannot be loaded: the window then works without them.
bool loadResultsActions(Form2& window);

} // namespace pumpvale
