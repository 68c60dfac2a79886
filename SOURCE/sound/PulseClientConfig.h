#pragma once

// Has this process's PulseAudio client read the player's own client
// configuration as always, plus one setting of ours: no shared memory with
// the server. libpulse 16 spins for ever, holding its lock, when the server
// dies while a connection switches over to its shared-memory ring buffer;
// without shared memory it never sets that buffer up, and the cues, a few
// kilobytes each, go over the socket just as well. Call it once, before the
// first connection.
void useClientConfigWithoutSharedMemory();
