#pragma once
// What the painter gallery's form pages share: showing a page's form and handling messages until it is closed.

namespace vcl {
class TForm;
} // namespace vcl

namespace gallery {

// Shows form and runs the message loop until its window is closed; the program's exit code.
int ShowUntilClosed(vcl::TForm& form);

} // namespace gallery
