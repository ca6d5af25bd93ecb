// The options file \Windows\tslink.opt: the MODE, ALOAD and SOUND settings.
#pragma once

// Sets the small-mode, autoload and sound flags from the options file, read by position:
// the byte after its first "=" is MODE, after the second ALOAD, after the third SOUND.
// Flags whose "=" is missing, or the whole set when the file is absent, keep their values.
void ReadOptions();

// Writes the three flags as the lines MODE, ALOAD and SOUND (26 bytes on the device).
void WriteOptions();
