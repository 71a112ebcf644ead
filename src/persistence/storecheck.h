#pragma once

#include <QString>

// What stands between the player's settings file and harm. Before the store
// is first used in a run, a file Qt cannot read cleanly (or far larger than
// any the game writes) is moved aside, so the next write cannot destroy it;
// before every write, whatever sits at the store's lock path is made harmless,
// since Qt waits for that lock without end. When the lock cannot be made
// usable the session goes on, on a scratch copy that is never saved.
namespace StoreCheck {

// Runs the start-of-run check once per process; later calls return at once.
void beforeFirstUse();

// Clears the lock path when what is there is provably not a live lock.
void beforeWrite();

// The settings file of the user scope, named without reading it.
QString storeFile();

} // namespace StoreCheck
