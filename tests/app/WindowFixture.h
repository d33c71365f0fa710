#pragma once

#include "BoxWatcher.h"
#include "frmLCM.h"

#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>

class QWidget;

// What every suite of the window starts from: a fresh, shown and active window
// for each test case, with a BoxWatcher over it and an empty clipboard.
// Controls are found by their object names.
class WindowFixture : public QObject {
    Q_OBJECT

protected:
    // The control of the window named name; throws when there is none.
    template <typename T> T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (found == nullptr)
            throw std::runtime_error("no control named " + name.toStdString());
        return found;
    }
    // Clicks the push button named button with the left mouse button.
    void click(const QString &button);

    std::unique_ptr<frmLCM> window;
    std::unique_ptr<BoxWatcher> boxes;

private slots:
    void init();
    void cleanup();
};
