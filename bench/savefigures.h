#pragma once

// Saving a 10 MB page: the usual replacement of the file, and the write in
// place that a file with a second name (a hard link) needs.
namespace SaveFigures {
void run();
}
