#pragma once

#include <QObject>

// Tells the core when the application becomes active (its window comes to the front), so
// that reflected files are read again. The application forwards its activation here; the
// core never depends on the GUI for it.
class ApplicationActivation : public QObject {
    Q_OBJECT
public:
    // The process-wide instance, made on first use and kept for the life of the process.
    static ApplicationActivation &shared();

    // Called by the application each time it becomes active.
    void postApplicationDidBecomeActive() { emit applicationDidBecomeActive(); }

signals:
    void applicationDidBecomeActive();

private:
    ApplicationActivation() = default;
};
