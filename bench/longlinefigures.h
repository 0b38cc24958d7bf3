#pragma once

// Minified pages: a whole page on one line, opened, typed into, and the
// memory it takes. Run first, in a frame of its own, so that the peak memory
// is this page's and not that of the figures before it.
namespace LongLineFigures {
void run();
}
