#pragma once

// What the process needs before any of Tandro's windows exists, said once: the faces that stand
// in for the windows' missing ones, and the accessible interfaces of Tandro's own widgets. The
// start-up calls it as soon as the application exists, and so does the tests' set-up.
namespace Process {

void setUp();

} // namespace Process
