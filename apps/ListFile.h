// The list file \Windows\tslink.lst: the paths of the chosen applications, one a line.
#pragma once

// Appends to the chosen list each line of the list file that names a file that can be
// opened; a last line without a line feed, a line longer than MAX_PATH - 1 characters and
// lines beyond the list's room are dropped. When the list is still empty afterwards (or
// the file is absent), fills it by the top-level scan of the Start Menu directory.
void ReadList();

// Writes the path of every chosen item, in order, each followed by a line feed.
void WriteList();
