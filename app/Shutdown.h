#pragma once

// The orderly end after the message loop: gives the keys and the display back, restores
// key 4, writes the options and list files, and deletes every program object and buffer.
void ShutDown();

// Releases the buffers the program's state holds (texts and item lists) and clears them.
void ReleaseBuffers();
