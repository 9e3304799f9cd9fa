#pragma once

#include <QStringList>

#include "common/Unicode.h"
#include "tokens/ZKFileItem.h"

// A listed item held in memory: its on-disk name and the working names the steps set.
class FakeFileItem : public ZKFileItem {
public:
    explicit FakeFileItem(const QString &name) : name_(Unicode::nfc(name)) {}

    QString path() const override { return QStringLiteral("/fake/") + name_; }
    QString name() const override { return name_; }
    bool isFolder() const override { return false; }
    QString intermediateName() const override {
        return interimNames_.isEmpty() ? name_ : interimNames_.last();
    }
    void setIntermediateName(const QString &name) override {
        interimNames_.append(Unicode::nfc(name));
    }

    const QStringList &interimNames() const { return interimNames_; }

private:
    QString name_;
    QStringList interimNames_;
};
