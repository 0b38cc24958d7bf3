#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

// Drives the next modal dialog of type D while the exec() that shows it
// waits: `drive` runs on the dialog once its event loop starts. Call it right
// before the key or click that opens the dialog. A dialog the driver leaves
// open is cancelled, so a test never hangs on it. The flag returned tells
// afterwards whether such a dialog showed up at all.
template <class D>
std::shared_ptr<bool> whenShown(std::function<void(D *)> drive)
{
    auto seen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [seen, drive] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *seen = true;
        drive(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    return seen;
}
