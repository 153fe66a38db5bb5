#pragma once

// The standard About panel: the application's icon, its name, "Version" and
// the short version, and the long version, from the application object's
// version data. One panel at a time; it closes with the application.
namespace AboutPanel {

// Shows the panel, or brings the one already open to the front.
void OrderFront();

} // namespace AboutPanel
