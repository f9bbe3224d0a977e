#pragma once

// The helper actions that are armed and still waiting for their window.

#include <QString>
#include <QStringList>

class QTimer;

namespace vorn::test {

class PendingActions {
public:
    static void add(QTimer* timer, const QString& what);
    static void remove(QTimer* timer);
    // Stops and forgets every waiting action; returns what they were waiting for.
    static QStringList cancelAll();
};

} // namespace vorn::test
