#pragma once

#include <QObject>
#include <QStringList>

// One running application per user. The first start claims the instance (the D-Bus name
// "com.quorlix.Torvane" with org.freedesktop.Application, or a private local socket where
// there is no session bus) and receives what later starts hand over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // Becomes the running instance; false when another one already runs.
    bool claim();
    // Hands paths (Open) or, with none, an activation (Activate) to the running instance;
    // false when none answered.
    bool handOver(const QStringList &paths);

signals:
    void openRequested(const QStringList &paths);
    void activateRequested();
};
