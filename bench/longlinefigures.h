#pragma once

class MDIForm1;

// Minified pages: a whole page on one line, opened, typed into, and the
// memory it takes.
namespace LongLineFigures {
void run(MDIForm1 &frame);
}
