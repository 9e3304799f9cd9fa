// torvane-cli with one fault injected into its disk, for the fault matrix. The environment
// names the fault:
//   TORVANE_FAULT        kill | sigint | sigterm | vanish | replace | pause | an errno name
//                        (ENOSPC, EACCES, EROFS, EXDEV, EIO)
//   TORVANE_FAULT_STEP   the journalled step it strikes (1 = the first)
//   TORVANE_FAULT_PHASE  announced | made | recorded (kill and the signals; default announced)
//   TORVANE_FAULT_STASH  where vanish and replace put the item they take away
// pause creates "<stash>/.paused" and waits until the test removes it.
// A signal is raised for real at that point of the step; an errno fault makes that step's
// move fail without touching the disk.

#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cerrno>
#include <cstdio>

#include "cli/Cli.h"
#include "support/FaultyDisk.h"

namespace {

int errnoNamed(const QByteArray &name) {
    static const QHash<QByteArray, int> numbers{{"ENOSPC", ENOSPC}, {"EACCES", EACCES},
                                                {"EROFS", EROFS},   {"EXDEV", EXDEV},
                                                {"EIO", EIO},       {"EPERM", EPERM}};
    return numbers.value(name, 0);
}

DiskInterface::StepPhase phaseNamed(const QByteArray &name) {
    if (name == "made") return DiskInterface::StepPhase::Made;
    if (name == "recorded") return DiskInterface::StepPhase::Recorded;
    return DiskInterface::StepPhase::Announced;
}

// Takes the item at `path` away into the stash folder, keeping its name.
void takeAway(const QByteArray &path, const QByteArray &stash) {
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    ::rename(path.constData(), (stash + '/' + name).constData());
}

class InjectingDisk : public FaultyDisk {
public:
    InjectingDisk()
        : fault_(qgetenv("TORVANE_FAULT")),
          step_(qEnvironmentVariableIntValue("TORVANE_FAULT_STEP")),
          phase_(phaseNamed(qgetenv("TORVANE_FAULT_PHASE"))),
          stash_(qgetenv("TORVANE_FAULT_STASH")),
          errorNumber_(errnoNamed(fault_)) {
        onStep = [this](const QByteArray &source, const QByteArray &, StepPhase phase) {
            if (phase == StepPhase::Announced) ++announced_;
            if (announced_ != step_ || phase != phase_) return;
            strike(source);
        };
    }

    bool moveWithoutReplacing(const QByteArray &source, const QByteArray &target, QString *error,
                              int *errorNumber) override {
        if (errorNumber_ && announced_ == step_) failMovesWith = errorNumber_;
        // After a signal the run goes on until its next stop check (a clock decides when):
        // slow moves make sure that comes before its end.
        if (signalled_) ::usleep(2000);
        const bool moved = FaultyDisk::moveWithoutReplacing(source, target, error, errorNumber);
        failMovesWith = 0;
        return moved;
    }

private:
    void strike(const QByteArray &source) {
        if (fault_ == "kill") ::kill(::getpid(), SIGKILL);
        if (fault_ == "sigint") ::kill(::getpid(), SIGINT);
        if (fault_ == "sigterm") ::kill(::getpid(), SIGTERM);
        signalled_ = fault_.startsWith("sig");
        if (fault_ == "vanish" || fault_ == "replace") takeAway(source, stash_);
        if (fault_ == "pause") pause();
        if (fault_ == "replace") {
            QFile impostor(QFile::decodeName(source));
            if (impostor.open(QIODevice::WriteOnly)) impostor.write("impostor\n");
        }
    }

    void pause() {
        const QString flag = QFile::decodeName(stash_) + QStringLiteral("/.paused");
        QFile(flag).open(QIODevice::WriteOnly);
        for (int wait = 0; wait < 60000 && QFile::exists(flag); ++wait) ::usleep(1000);
    }

    QByteArray fault_;
    int step_;
    StepPhase phase_;
    QByteArray stash_;
    int errorNumber_;
    int announced_ = 0;
    bool signalled_ = false;
};

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Torvane"));
    InjectingDisk disk;
    DiskInterface::installForTests(&disk);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    return runCli(arguments, out, err);
}
