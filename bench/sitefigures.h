#pragma once

class MDIForm1;

// The broken-link check of a whole generated site, from the command to the
// full list in its panel.
namespace SiteFigures {
void run(MDIForm1 &frame);
}
