// Feeds arbitrary prototypes to an Advanced step: over two files, then over none, which also
// runs the editor's check. Every input must end in a name or an error list.

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "common/Log.h"
#include "engine/EngineDefaults.h"
#include "engine/RenamerSettings.h"
#include "engine/ZKERETemplate.h"
#include "engine/ZKRenamer.h"
#include "engine/ZKRenamingDelegate.h"
#include "tokens/DateDescription.h"
#include "tokens/ZKFileItem.h"

namespace {

// A delegate that answers every prompt.
class FuzzDelegate : public ZKRenamingDelegate {
public:
    QList<ZKRenamerPtr> &renamers() override { return renamers_; }
    void updateRenamerLayoutAndRenameNames(bool) override {}
    void updateRenameNames() override {}
    void updateRenameNamesAfterEnforcedDelay(bool) override {}
    QString promptedParameter(const QString &, const QString &) override {
        return QStringLiteral("answer");
    }
    bool useFreeSpacingMode() override { return false; }

private:
    QList<ZKRenamerPtr> renamers_;
};

class FuzzFile : public ZKFileItem {
public:
    explicit FuzzFile(QString name) : name_(std::move(name)) {}
    QString path() const override { return QStringLiteral("/nonexistent/") + name_; }
    QByteArray nativePath() const override { return {}; }
    QString name() const override { return name_; }
    bool isFolder() const override { return false; }
    QString intermediateName() const override { return names_.isEmpty() ? name_ : names_.last(); }
    void setIntermediateName(const QString &name) override { names_ << name; }
    qint64 size() const override { return 1234; }
    QDateTime creationDate() const override { return QDateTime::fromSecsSinceEpoch(1600000000); }
    QDateTime modificationDate() const override {
        return QDateTime::fromSecsSinceEpoch(1700000000);
    }
    quint64 bitRateMultiplierForMetaDataItem(const ZKMediaTiming *) const override { return 1; }
    void addWarning(const QString &) override {}

private:
    QString name_;
    QStringList names_;
};

FuzzDelegate &delegate() {
    static FuzzDelegate instance;
    return instance;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Settings go to a scratch home, never the user's.
    static QTemporaryDir home;
    const QByteArray path = home.path().toUtf8();
    setenv("HOME", path.constData(), 1);
    setenv("XDG_CONFIG_HOME", (path + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (path + "/data").constData(), 1);
    setenv("XDG_STATE_HOME", (path + "/state").constData(), 1);
    registerEngineDefaults();
    Log::setSink([](const QString &) {});
    ZKRenamer::setApplicationRenamingDelegate(&delegate());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString prototype =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ZKRenamerPtr step =
        ZKRenamer::renamerWithArchive(QVariantMap{{RenamerKeys::kTask, qint64(AdvancedOperation)},
                                                  {RenamerKeys::kAdvancedPrototype, prototype}});
    FuzzFile first(QStringLiteral("Holiday Photo.jpg"));
    FuzzFile second(QStringLiteral("a:b.tar.gz"));
    bool syntaxError = false;
    step->processFileRepresentation(&first, 0, 2, &syntaxError);
    step->processFileRepresentation(&second, 1, 2, &syntaxError);
    step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(true);
    step->processFileRepresentation(nullptr, 0, 0, &syntaxError);
    step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(true);
    // What the end of a computation drops.
    ZKERETemplate::templateWithString(std::nullopt);
    DateDescription::resetCanonicalCurrentDate(true);
    return 0;
}
