#pragma once

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTimeZone>

#include "common/Unicode.h"
#include "tokens/ZKFileItem.h"

// A listed item held in memory: its on-disk name, the working names the steps set, and the
// attributes and warnings tokens read and write.
class FakeFileItem : public ZKFileItem {
public:
    explicit FakeFileItem(const QString &name) : FakeFileItem(QStringLiteral("/fake"), name) {}
    FakeFileItem(const QString &folder, const QString &name)
        : folder_(folder), name_(Unicode::nfc(name)) {}

    QString path() const override { return folder_ + QLatin1Char('/') + name_; }
    QByteArray nativePath() const override { return QFile::encodeName(path()); }
    QString name() const override { return name_; }
    bool isFolder() const override { return isFolder_; }
    QString intermediateName() const override {
        return interimNames_.isEmpty() ? name_ : interimNames_.last();
    }
    void setIntermediateName(const QString &name) override {
        interimNames_.append(Unicode::nfc(name));
    }
    qint64 size() const override { return size_; }
    QDateTime creationDate() const override { return creationDate_; }
    QDateTime modificationDate() const override {
        return modificationDate_.isValid() ? modificationDate_ : creationDate_;
    }
    quint64 bitRateMultiplierForMetaDataItem(const ZKMediaTiming *timing) const override {
        return timing ? bitRateMultiplier_ : 1;
    }
    void addWarning(const QString &warning) override {
        if (!warning.isEmpty() && !warnings_.contains(warning)) warnings_.append(warning);
    }

    const QStringList &interimNames() const { return interimNames_; }
    const QStringList &warnings() const { return warnings_; }
    void setIsFolder(bool on) { isFolder_ = on; }
    void setSize(qint64 size) { size_ = size; }
    void setCreationDate(const QDateTime &date) { creationDate_ = date; }
    void setModificationDate(const QDateTime &date) { modificationDate_ = date; }
    void setBitRateMultiplier(quint64 multiplier) { bitRateMultiplier_ = multiplier; }

private:
    QString folder_;
    QString name_;
    QStringList interimNames_;
    QStringList warnings_;
    bool isFolder_ = false;
    qint64 size_ = 0;
    QDateTime creationDate_ = QDateTime(QDate(1, 1, 1), QTime(0, 0), QTimeZone::utc());
    QDateTime modificationDate_;
    quint64 bitRateMultiplier_ = 1;
};
