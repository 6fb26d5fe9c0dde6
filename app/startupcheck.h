#pragma once

class Prompter;

// Checks made before the main window is built; a failed one ends the program.
namespace StartupCheck {

// Without general.csv no unit can be identified, so the program refuses to start. Shows the
// critical box and returns false when the file is missing.
bool generalCsvPresent(Prompter &prompter);

} // namespace StartupCheck
