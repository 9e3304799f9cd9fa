#include "collections/ZKHistorian.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <memory>

#include "collections/FuzzyDate.h"
#include "collections/HistoryFile.h"
#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "engine/RenamerCollections.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

std::unique_ptr<ZKHistorian> &sharedHistorian() {
    static std::unique_ptr<ZKHistorian> instance;
    return instance;
}

// A number from a history item; anything else (a damaged file) counts as absent.
double numberValue(const QVariantMap &item, const QString &key) {
    const QVariant value = item.value(key);
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString ? 0.0 : value.toDouble(&ok);
    return ok ? number : 0.0;
}

QString useText(qint64 counter) {
    switch (counter) {
        case 0:
            return ZKHistorian::tr("Not Used Yet");
        case 1:
            return ZKHistorian::tr("Used Once");
        case 2:
            return ZKHistorian::tr("Used Twice");
        default:
            return ZKHistorian::tr("Used %1 Times").arg(QLocale().toString(counter));
    }
}

}  // namespace

ZKHistorian::ZKHistorian() : ui_(&silent_) {
    defaults().registerDefaults(
        {{kHistoryCapacity, qint64(50)}, {kCollectionsIncludeSubfolders, true}});
}

ZKHistorian &ZKHistorian::historian() {
    std::unique_ptr<ZKHistorian> &instance = sharedHistorian();
    if (!instance) instance.reset(new ZKHistorian());
    return *instance;
}

void ZKHistorian::resetHistorian() { sharedHistorian().reset(); }

void ZKHistorian::setUserInteraction(ZKUserInteraction *interaction) {
    ui_ = interaction ? interaction : &silent_;
}

QList<ZKRenamerPtr> ZKHistorian::currentRenamers() const {
    return subject_ ? subject_->historyRenamers() : QList<ZKRenamerPtr>();
}

QVariantList ZKHistorian::currentArchives() const {
    return RenamerCollections::archivesFromRenamers(currentRenamers());
}

void ZKHistorian::setSubjectRenamers(const QList<ZKRenamerPtr> &renamers, int animate) {
    if (!subject_) return;
    isSettingRenamersFromHistory_ = true;
    subject_->setHistoryRenamers(renamers, animate);
    isSettingRenamersFromHistory_ = false;
}

const QVariantList &ZKHistorian::history() {
    if (!history_) history_ = HistoryFile::load(HistoryFile::path());
    return *history_;
}

qint64 ZKHistorian::historyCapacity() { return defaults().integerForKey(kHistoryCapacity); }

// The file is the truth shared with other processes whenever it is kept (capacity neither
// negative nor 1): the change is made to what it holds now, under its lock.
void ZKHistorian::mutateHistoryLocked(const std::function<void(QVariantList &)> &change) {
    const qint64 capacity = historyCapacity();
    const QString path = HistoryFile::path();
    const HistoryFile::Lock lock(path);
    if (capacity >= 0 && capacity != 1) history_ = HistoryFile::load(path);
    history();
    change(*history_);
    saveHistory();
}

bool ZKHistorian::archiveRenamers() {
    const QList<ZKRenamerPtr> renamers = currentRenamers();
    if (renamers.isEmpty() || historyCapacity() < 0) return false;
    const QVariantList archives = RenamerCollections::archivesFromRenamers(renamers);
    if (archives.size() != renamers.size()) return false;

    cachedLatestRenamerArchives_.reset();
    const double now = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    mutateHistoryLocked([&](QVariantList &items) {
        const qsizetype index = indexOfHistoryItemMatchingArchives(items, archives);
        QVariantMap item;
        if (index >= 0)
            item = items.takeAt(index).toMap();
        else
            item.insert(HistoryFile::kTimestampFirst, now);
        item.insert(HistoryFile::kRenamers, archives);
        item.insert(HistoryFile::kCounter, qint64(numberValue(item, HistoryFile::kCounter)) + 1);
        item.insert(HistoryFile::kTimestampMostRecent, now);
        items.append(item);
    });
    emit navigationChanged();
    return true;
}

void ZKHistorian::saveHistory() {
    history();
    const qint64 capacity = historyCapacity();
    const QString path = HistoryFile::path();
    if (capacity >= 0 && capacity != 1 && !history_->isEmpty()) {
        if (capacity > 0) {
            while (history_->size() > capacity) history_->removeFirst();
        }
        QString error;
        if (!QFileInfo(ApplicationSupport::folder()).isDir()) {
            Log::line(QStringLiteral("[Historian] cannot access application support folder"));
        } else if (!HistoryFile::save(path, *history_, &error)) {
            Log::line(QStringLiteral("[Historian] cannot save history"));
            Log::debug(error);
        }
        return;
    }
    if (QFile::exists(path) && !QFile::remove(path))
        Log::line(QStringLiteral("[Historian] cannot delete history"));
}

qsizetype ZKHistorian::indexOfHistoryItemMatchingArchives(const QVariantList &items,
                                                          const QVariantList &archives) {
    if (archives.isEmpty()) return -1;
    const bool irrelevant = defaults().boolForKey(kStoreIrrelevantSettings);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QVariantList renamers = items.at(i).toMap().value(HistoryFile::kRenamers).toList();
        if (RenamerCollections::isEqualToRenamerArchives(renamers, archives, irrelevant)) return i;
    }
    return -1;
}

bool ZKHistorian::confirmHistoryPurge() {
    ZKAlert alert;
    alert.kind = ZKAlertKind::HistoryPurge;
    alert.messageText = tr("Clear History?");
    alert.informativeText = tr("You cannot undo a History purge.");
    alert.buttons = {tr("Clear History"), tr("Cancel")};
    if (ui_->runAlert(alert).button != 0) return false;
    showHistory(false);
    return true;
}

bool ZKHistorian::clearHistory() {
    if (!confirmHistoryPurge()) return false;
    const HistoryFile::Lock lock(HistoryFile::path());
    history_ = QVariantList();
    saveHistory();
    emit navigationChanged();
    return true;
}

bool ZKHistorian::changeHistoryCapacity(qint64 capacity) {
    if (capacity < 0) {
        if (!history().isEmpty() && !confirmHistoryPurge()) return false;
        history_ = QVariantList();
    }
    defaults().setInteger(capacity, kHistoryCapacity);
    const HistoryFile::Lock lock(HistoryFile::path());
    saveHistory();
    emit navigationChanged();
    return true;
}

QString ZKHistorian::historyMenuStatus() {
    if (historyCapacity() < 0) return tr("History is disabled.");
    if (history().isEmpty()) return tr("History is empty.");
    return QString();
}

ZKHistoryNavigationState ZKHistorian::navigationState() {
    ZKHistoryNavigationState state;
    const qsizetype count = cachedNumberOfHistoryItems_;
    if (count == 0) {
        state.smallStatus = tr("Start renaming!");
        state.mainStatus = tr("History is empty.");
        return state;
    }
    const qsizetype position = cachedCurrentPosition_;
    state.leftVisible = state.leftEnabled = position > 0;
    state.rightVisible = state.rightEnabled = position < count - 1;
    const bool atVirtualLatest = cachedLatestRenamerArchives_ && position >= count - 1;
    std::optional<QVariantMap> item;
    if (!atVirtualLatest && position < history().size()) item = history().at(position).toMap();

    const qint64 counter = item ? qint64(numberValue(*item, HistoryFile::kCounter)) : 0;
    state.smallStatus =
        tr("%1 (%2 of %3)")
            .arg(useText(counter), QLocale().toString(position + 1), QLocale().toString(count));
    QString fuzzyDate;
    if (item) {
        const double seconds = numberValue(*item, HistoryFile::kTimestampMostRecent);
        fuzzyDate =
            FuzzyDate::fuzzyDescription(QDateTime::fromMSecsSinceEpoch(qint64(seconds * 1000.0)));
    }
    state.mainStatus = item ? fuzzyDate : tr("Latest");
    const QVariantList shown =
        item ? item->value(HistoryFile::kRenamers).toList() : currentArchives();
    if (const std::optional<ZKCollectionEntry> preset = presetMatchingArchives(shown))
        state.mainStatus = preset->filename();
    if (!fuzzyDate.isEmpty()) state.mainStatusToolTip = tr("Last used: %1").arg(fuzzyDate);
    return state;
}
