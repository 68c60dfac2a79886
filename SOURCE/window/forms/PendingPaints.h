#pragma once

class PictureBox;

// Picture boxes whose surface has changed since it was last painted. Each is
// painted, in one paint for all of its changes, when the event loop next
// runs: the event dispatcher says so as it wakes and as it is about to
// sleep. So what the game draws before it yields is shown within that
// yield, without a request posted to the event loop, which would cost a
// pass of the loop and a write to its wake-up file.
namespace PendingPaints {

void add(PictureBox* box);
// A box that goes away before it was painted.
void remove(PictureBox* box);

} // namespace PendingPaints
