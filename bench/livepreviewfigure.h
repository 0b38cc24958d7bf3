#pragma once

class Form1;

// The page beside its source: from the last key to the page loaded again,
// the pause before the refresh not counted.
namespace LivePreviewFigure {
void run(Form1 *doc);
}
