#pragma once

#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

class Form1;
class MDIForm1;
class RichTextBox1;

// What every group of figures needs: timing, printing, letting the program idle.
namespace BenchTools {
double median(std::vector<double> values);
// Runs `prepare` (untimed) then `work` (timed), `runs` times; the median in ms.
double measure(int runs, const std::function<void()> &prepare, const std::function<void()> &work);
void report(const char *name, double value, const char *unit);
void settle();
// One typed character in the middle of the document, key event to handled; the median in ms.
// The caret in the middle of the document, where the typing figures type.
void caretToMiddle(RichTextBox1 *box);
double keystroke(Form1 *doc);
// Closes every document unasked: a file still open would only be brought
// forward by the next open of it.
void closeAll(MDIForm1 &frame);

// The figures asked for with --only (all when none was named).
void setOnly(const QStringList &names);
QStringList only();
bool wanted(std::initializer_list<const char *> names);
// The peak resident memory of this process in MB (VmHWM).
double peakMemoryMB();
// Starts the peak over from the memory in use now; false where the kernel
// does not allow it.
bool resetPeakMemory();
} // namespace BenchTools
