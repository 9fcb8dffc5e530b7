#pragma once
// The main window's description: the form's own properties and every component with its place and settings, read
// the way a form resource is read.

namespace app {

class TmainForm;

// Reads the description into form; its OnCreate runs at the end.
void LoadMainForm(TmainForm& form);

} // namespace app
