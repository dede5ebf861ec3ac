#pragma once

class QString;

// What the process needs before any of Tandro's windows exists, said once: the faces that stand
// in for the windows' missing ones, the accessible interfaces of Tandro's own widgets, and the
// translation it speaks (Translation::choose(): "" for English). The start-up calls it as soon as
// the application exists, with the player's (Translation::forPlayer()), and so do the tests.
namespace Process {

void setUp(const QString &translation);

} // namespace Process
